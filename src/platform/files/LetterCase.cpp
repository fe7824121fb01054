#include "LetterCase.h"

#include "engine/names/Utf8.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace platform {
namespace {

// Code points above U+10FFFF stand for the bytes that do not form a character; no case maps them.
constexpr wint_t kStrayByte = 0x110000;

wint_t CharacterAt(std::string_view s, std::size_t pos, std::size_t length) {
    const wint_t c = engine::utf8::CodePoint(s, pos, length);
    return length == 1 && c >= 0x80 ? kStrayByte + c : c;
}

// The case tables of Unicode, whatever locale the program runs in; nullptr where the system has none,
// and then only A-Z and a-z are paired.
locale_t UnicodeCase() {
    static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

bool SameLetter(wint_t a, wint_t b) {
    if (a == b)
        return true;
    if (a >= kStrayByte || b >= kStrayByte)
        return false;
    if (const locale_t locale = UnicodeCase())
        return ::towlower_l(a, locale) == ::towlower_l(b, locale) ||
               ::towupper_l(a, locale) == ::towupper_l(b, locale);
    const auto fold = [](wint_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return fold(a) == fold(b);
}

} // namespace

bool DifferInLetterCaseOnly(std::string_view a, std::string_view b) {
    if (a == b)
        return false;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t lengthA = engine::utf8::CharLength(a, i);
        const std::size_t lengthB = engine::utf8::CharLength(b, j);
        if (!SameLetter(CharacterAt(a, i, lengthA), CharacterAt(b, j, lengthB)))
            return false;
        i += lengthA;
        j += lengthB;
    }
    return i == a.size() && j == b.size();
}

} // namespace platform
