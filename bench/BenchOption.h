#pragma once

#include <string>

// The value of --name=VALUE among a benchmark's arguments (those the benchmark library left), or
// `otherwise`.
inline std::string Option(int argc, char** argv, const std::string& name, const std::string& otherwise) {
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind(prefix, 0) == 0)
            return std::string(argv[i]).substr(prefix.size());
    return otherwise;
}
