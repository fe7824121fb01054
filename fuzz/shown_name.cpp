// How a name is shown, over any bytes. Rules: the shown name is valid UTF-8 without controls, line
// breaks, zero-width or direction marks; its parts join to it, alternate between the name's own text and
// stand-ins, and the name's own parts are its bytes in order; a name is shown as it is exactly when it
// needs no stand-in.

#include "FuzzCheck.h"
#include "ReferenceUtf8.h"
#include "engine/names/ShownName.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool IsHidden(std::uint32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) ||
           c == 0xFEFF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string shown = engine::ShownName(name);
    for (const reference::Character& c : reference::Characters(shown)) {
        FUZZ_CHECK(c.valid);
        FUZZ_CHECK(!IsHidden(c.codePoint));
    }
    std::string joined;
    std::string own;
    bool lastWasStandIn = false;
    const auto parts = engine::ShownParts(name);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        FUZZ_CHECK(!parts[i].text.empty());
        FUZZ_CHECK(i == 0 || parts[i].standIn != lastWasStandIn);
        lastWasStandIn = parts[i].standIn;
        joined += parts[i].text;
        if (!parts[i].standIn)
            own += parts[i].text;
        else
            FUZZ_CHECK(parts[i].text.front() == '\\');
    }
    FUZZ_CHECK(joined == shown);
    FUZZ_CHECK(reference::IsSubsequence(own, name));
    FUZZ_CHECK(engine::ShowsAsItIs(name) == (shown == name));
    FUZZ_CHECK(engine::ShowsAsItIs(name) == (parts.size() <= 1 && (parts.empty() || !parts[0].standIn)));
    return 0;
}
