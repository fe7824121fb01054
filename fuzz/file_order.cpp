// The file list's sort over any names (the input split at line feeds; any other byte, NUL included, may
// stand in a name). Rules: the result is a permutation of the names, ordered by the plain comparison (the
// folded keys byte by byte, then the names' own bytes); a name of ASCII only folds to its small letters;
// no key is longer than its name.

#include "FuzzCheck.h"
#include "engine/names/FileOrder.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

bool IsAscii(const std::string& name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string AsciiLower(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::pair<std::string, std::string>> keyed; // (key, name)
    for (const std::string& name : names) {
        std::string key = engine::SortKey(name);
        FUZZ_CHECK(key.size() <= name.size());
        FUZZ_CHECK(!IsAscii(name) || key == AsciiLower(name));
        keyed.emplace_back(std::move(key), name);
    }
    std::sort(keyed.begin(), keyed.end());

    std::vector<std::string> sorted = names;
    engine::SortFileNames(sorted);
    FUZZ_CHECK(sorted.size() == keyed.size());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        FUZZ_CHECK(sorted[i] == keyed[i].second);
    return 0;
}
