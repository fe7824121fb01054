// The additions of "Substring Adder": a text at a numbered position, in front, and behind.

#include "engine/RenameEngine.h"
#include "engine/Utf8.h"

namespace engine {

std::string AddMid(std::string_view name, std::string_view text, std::int32_t position) {
    if (position <= 0) {
        return std::string(text) + std::string(name);
    }
    // The position counts characters, so the text never lands inside a multi-byte letter; a position
    // past the end puts it behind the whole name.
    const std::size_t split = utf8::Skip(name, static_cast<std::size_t>(position));
    std::string out;
    out.reserve(name.size() + text.size());
    out.append(name.substr(0, split));
    out.append(text);
    out.append(name.substr(split));
    return out;
}

std::string AddBeg(std::string_view name, std::string_view text) {
    std::string out;
    out.reserve(name.size() + text.size());
    out.append(text);
    out.append(name);
    return out;
}

std::string AddEnd(std::string_view name, std::string_view text) {
    std::string out;
    out.reserve(name.size() + text.size());
    out.append(name);
    out.append(text);
    return out;
}

} // namespace engine
