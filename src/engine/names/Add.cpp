// The additions to one name: a text at a numbered position, in front, and behind.

#include "engine/names/Add.h"

#include "engine/names/Utf8.h"

namespace engine {

// The name with text inserted after character `position`, appended to out. The position counts
// characters, so the text never lands inside a multi-byte letter; a position past the end puts it behind
// the whole name, and one of 0 or less in front.
void AppendMid(std::string& out, std::string_view name, std::string_view text, std::int32_t position) {
    const std::size_t split = position <= 0 ? 0 : utf8::Skip(name, static_cast<std::size_t>(position));
    out.append(name.substr(0, split));
    out.append(text);
    out.append(name.substr(split));
}

std::string AddMid(std::string_view name, std::string_view text, std::int32_t position) {
    std::string out;
    out.reserve(name.size() + text.size());
    AppendMid(out, name, text, position);
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
