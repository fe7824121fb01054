// The name transformations over any bytes: Replacer (replace and delete), Replace at a position, and the
// additions at a position, in front and behind. Rules: a position counts characters, so a text is put in
// or taken out only where a character starts and ends, never inside one; bytes that are not UTF-8 are
// kept as they are; with names and texts of valid UTF-8 the result is valid UTF-8; a search text that
// does not occur, or a replacement equal to its search text, leaves the name as it was.

#include "FuzzCheck.h"
#include "ReferenceUtf8.h"
#include "engine/names/Add.h"
#include "engine/names/Replace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

// The character count a position means, clamped the way the transformations clamp it.
std::size_t Characters(std::int32_t position) {
    return position <= 0 ? 0 : static_cast<std::size_t>(position);
}

void CheckAddMid(const std::string& name, const std::string& text, std::int32_t position) {
    const std::size_t split = reference::Boundary(name, Characters(position));
    FUZZ_CHECK(engine::AddMid(name, text, position) == name.substr(0, split) + text + name.substr(split));
    FUZZ_CHECK(engine::AddBeg(name, text) == text + name);
    FUZZ_CHECK(engine::AddEnd(name, text) == name + text);
}

void CheckReplaceAt(const std::string& name, const std::string& search, const std::string& replacement,
                    std::int32_t position) {
    const std::size_t before = position > 1 ? static_cast<std::size_t>(position) - 1 : 0;
    const long long tailCharacters =
        static_cast<long long>(position) - 1 + static_cast<long long>(reference::Characters(search).size());
    const std::size_t head = reference::Boundary(name, before);
    const std::size_t tail =
        std::max(head, reference::Boundary(name, static_cast<std::size_t>(std::max(0LL, tailCharacters))));
    FUZZ_CHECK(engine::Replace(name, search, replacement, position) ==
               name.substr(0, head) + replacement + name.substr(tail));
}

void CheckReplacer(const std::string& name, const std::string& search, const std::string& replacement,
                   int start) {
    const std::string result = engine::Replacer(name, search, replacement, start);
    if (search.empty() || name.find(search) == std::string::npos)
        FUZZ_CHECK(result == name);
    FUZZ_CHECK(engine::Replacer(name, search, search, start) == name);
    if (reference::IsValid(search) && reference::IsValid(replacement)) {
        // A match covers whole characters of valid UTF-8, so no byte that is not UTF-8 is ever taken.
        FUZZ_CHECK(reference::IsSubsequence(reference::InvalidBytes(name), result));
        if (reference::IsValid(name))
            FUZZ_CHECK(reference::IsValid(result));
    }
    // Deleting only takes bytes away.
    if (replacement.empty())
        FUZZ_CHECK(reference::IsSubsequence(result, name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string search = input.ConsumeRandomLengthString(8);
    const std::string replacement = input.ConsumeRandomLengthString(8);
    const auto position = input.ConsumeIntegralInRange<std::int32_t>(-3, 40);
    const std::string name = input.ConsumeRemainingBytesAsString();
    CheckAddMid(name, replacement, position);
    CheckReplaceAt(name, search, replacement, position);
    CheckReplacer(name, search, replacement, position);
    CheckReplacer(name, search, "", position);
    return 0;
}
