#include "LetterCase.h"

#include "engine/names/Utf8.h"

#include <cstdint>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/stringoptions.h>
#include <unicode/uchar.h>

namespace engine::recipes {
namespace {

constexpr const char* kRootLocale = "";

enum class Mapping { Lower, Upper, TitleFirst };

// Appends the mapping of well-formed UTF-8 to out. TitleFirst titles the first letter or digit and lowers
// the rest.
void Map(std::string_view text, Mapping mapping, std::string& out) {
    if (text.empty()) {
        return;
    }
    icu::StringByteSink<std::string> sink(&out, static_cast<int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    const auto length = static_cast<int32_t>(text.size());
    switch (mapping) {
    case Mapping::Lower:
        icu::CaseMap::utf8ToLower(kRootLocale, 0, icu::StringPiece(text.data(), length), sink, nullptr,
                                  status);
        break;
    case Mapping::Upper:
        icu::CaseMap::utf8ToUpper(kRootLocale, 0, icu::StringPiece(text.data(), length), sink, nullptr,
                                  status);
        break;
    case Mapping::TitleFirst:
        icu::CaseMap::utf8ToTitle(kRootLocale, U_TITLECASE_WHOLE_STRING, nullptr,
                                  icu::StringPiece(text.data(), length), sink, nullptr, status);
        break;
    }
    if (U_FAILURE(status)) { // cannot happen for well-formed input; keep the text rather than lose it
        out.append(text);
    }
}

bool IsAsciiWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsWordChar(std::uint32_t c) {
    if (c < 0x80) { // the letters and digits of ASCII, without a look-up in ICU's tables
        return IsAsciiWordChar(static_cast<char>(c));
    }
    const auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
}

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool IsApostrophe(std::uint32_t c) {
    return c == U'\'' || c == U'\u2019';
}

// Title case of one well-formed run: every word titled, what lies between words lowered. A word or a gap
// that is all ASCII is mapped here: a gap then holds no letter, and a word's first character goes upper
// and the rest lower, as ICU maps them; only the others cost a call into ICU.
void TitleRun(std::string_view run, std::string& out) {
    std::size_t pos = 0;
    while (pos < run.size()) {
        // Between words.
        std::size_t wordStart = pos;
        while (wordStart < run.size()) {
            const std::size_t length = utf8::CharLength(run, wordStart);
            if (IsWordChar(utf8::CodePoint(run, wordStart, length))) {
                break;
            }
            wordStart += length;
        }
        const std::string_view gap = run.substr(pos, wordStart - pos);
        if (IsAscii(gap)) {
            out.append(gap);
        } else {
            Map(gap, Mapping::Lower, out);
        }
        // The word, apostrophes included when a word character follows them.
        std::size_t wordEnd = wordStart;
        while (wordEnd < run.size()) {
            const std::size_t length = utf8::CharLength(run, wordEnd);
            const std::uint32_t c = utf8::CodePoint(run, wordEnd, length);
            if (IsWordChar(c)) {
                wordEnd += length;
                continue;
            }
            const std::size_t after = wordEnd + length;
            if (IsApostrophe(c) && after < run.size() &&
                IsWordChar(utf8::CodePoint(run, after, utf8::CharLength(run, after)))) {
                wordEnd = after;
                continue;
            }
            break;
        }
        const std::string_view word = run.substr(wordStart, wordEnd - wordStart);
        if (!word.empty() && IsAscii(word)) {
            out.push_back(AsciiUpper(word.front()));
            for (const char c : word.substr(1)) {
                out.push_back(AsciiLower(c));
            }
        } else {
            Map(word, Mapping::TitleFirst, out);
        }
        pos = wordEnd;
    }
}

// The same mappings for a run of ASCII, where the Unicode rules come down to A-Z and a-z; most names are
// such runs, and a million of them are mapped without a call into ICU.
void MapAscii(std::string_view run, LetterCase to, std::string& out) {
    const std::size_t start = out.size();
    out.append(run);
    char* const chars = out.data() + start;
    switch (to) {
    case LetterCase::Lower:
        for (std::size_t k = 0; k < run.size(); ++k) {
            chars[k] = AsciiLower(chars[k]);
        }
        break;
    case LetterCase::Upper:
        for (std::size_t k = 0; k < run.size(); ++k) {
            chars[k] = AsciiUpper(chars[k]);
        }
        break;
    case LetterCase::Title:
        for (std::size_t k = 0; k < run.size(); ++k) {
            // A word starts at a letter or digit after a character that is not part of a word; an
            // apostrophe is part of the word when word characters lie on both sides of it.
            const bool inWord = k > 0 && (IsAsciiWordChar(run[k - 1]) ||
                                          (run[k - 1] == '\'' && k > 1 && IsAsciiWordChar(run[k - 2])));
            chars[k] = inWord ? AsciiLower(chars[k]) : AsciiUpper(chars[k]);
        }
        break;
    case LetterCase::Sentence:
        break; // not used: sentence case goes through ChangeCase's general path
    }
}

} // namespace

std::string ChangeCase(std::string_view text, LetterCase to) {
    std::string out;
    out.reserve(text.size() + 8);
    AppendChangeCase(text, to, out);
    return out;
}

void AppendChangeCase(std::string_view text, LetterCase to, std::string& out) {
    if (to != LetterCase::Sentence && IsAscii(text)) {
        MapAscii(text, to, out);
        return;
    }
    bool sentenceStarted = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A well-formed run, then the stray bytes after it.
        std::size_t runEnd = pos;
        while (runEnd < text.size() &&
               (static_cast<unsigned char>(text[runEnd]) < 0x80 || utf8::CharLength(text, runEnd) > 1)) {
            runEnd += utf8::CharLength(text, runEnd);
        }
        const std::string_view run = text.substr(pos, runEnd - pos);
        switch (to) {
        case LetterCase::Lower:
            Map(run, Mapping::Lower, out);
            break;
        case LetterCase::Upper:
            Map(run, Mapping::Upper, out);
            break;
        case LetterCase::Title:
            TitleRun(run, out);
            break;
        case LetterCase::Sentence:
            if (!sentenceStarted && !run.empty()) {
                // The first run that holds a letter or digit starts the sentence.
                std::size_t first = 0;
                while (first < run.size()) {
                    const std::size_t length = utf8::CharLength(run, first);
                    if (IsWordChar(utf8::CodePoint(run, first, length))) {
                        break;
                    }
                    first += length;
                }
                if (first < run.size()) {
                    Map(run, Mapping::TitleFirst, out);
                    sentenceStarted = true;
                } else {
                    Map(run, Mapping::Lower, out);
                }
            } else {
                Map(run, Mapping::Lower, out);
            }
            break;
        }
        pos = runEnd;
        while (pos < text.size() && static_cast<unsigned char>(text[pos]) >= 0x80 &&
               utf8::CharLength(text, pos) == 1) {
            out.push_back(text[pos]);
            ++pos;
        }
    }
}

} // namespace engine::recipes
