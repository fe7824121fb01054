#include "CommonRegexSyntax.h"

#include "engine/names/Utf8.h"

#include <cstddef>
#include <string_view>

namespace engine::recipes {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWordChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// ASCII punctuation, which a backslash turns into the character itself in both languages.
bool IsEscapablePunctuation(char c) {
    return std::string_view(R"(!"#$%&'()*+,-./:;<=>?@[\]^`{|}~)").find(c) != std::string_view::npos;
}

class Scanner {
public:
    explicit Scanner(std::string_view pattern) : p_(pattern) {}

    bool Run() {
        int depth = 0;
        while (pos_ < p_.size()) {
            const char c = p_[pos_];
            switch (c) {
            case '\\':
                if (!Escape(false)) {
                    return false;
                }
                break;
            case '[':
                if (!Class()) {
                    return false;
                }
                repeatable_ = true;
                break;
            case '(':
                if (!GroupOpening()) {
                    return false;
                }
                ++depth;
                repeatable_ = false;
                break;
            case ')':
                if (--depth < 0) {
                    return false;
                }
                ++pos_;
                repeatable_ = false;
                break;
            case '|':
                ++pos_;
                repeatable_ = false;
                break;
            case '^':
            case '$':
                ++pos_;
                repeatable_ = false;
                break;
            case '*':
            case '+':
            case '?':
                ++pos_;
                if (!Quantifier()) {
                    return false;
                }
                break;
            case '{':
                if (!Repetition() || !Quantifier()) {
                    return false;
                }
                break;
            case ']':
            case '}':
                return false;
            default:
                if (!Character()) {
                    return false;
                }
                repeatable_ = true;
                break;
            }
        }
        return depth == 0;
    }

private:
    // A literal character: printable ASCII or a well-formed UTF-8 sequence.
    bool Character() {
        const auto byte = static_cast<unsigned char>(p_[pos_]);
        if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
        const std::size_t length = utf8::CharLength(p_, pos_);
        if (byte >= 0x80 && length == 1) {
            return false;
        }
        pos_ += length;
        return true;
    }

    // A backslash and what follows; inside a class only what stands for characters.
    bool Escape(bool inClass) {
        if (pos_ + 1 >= p_.size()) {
            return false;
        }
        const char e = p_[pos_ + 1];
        pos_ += 2;
        if (std::string_view("dDwW").find(e) != std::string_view::npos) {
            repeatable_ = true;
            lastWasClassEscape_ = true;
            return true;
        }
        lastWasClassEscape_ = false;
        if (std::string_view("tnrf").find(e) != std::string_view::npos || IsEscapablePunctuation(e)) {
            repeatable_ = true;
            return true;
        }
        if (!inClass && std::string_view("bAz").find(e) != std::string_view::npos) {
            repeatable_ = false;
            return true;
        }
        return false;
    }

    // `(`, `(?:` or `(?P<name>`.
    bool GroupOpening() {
        ++pos_;
        if (pos_ >= p_.size() || p_[pos_] != '?') {
            return true;
        }
        const std::string_view rest = p_.substr(pos_);
        if (rest.starts_with("?:")) {
            pos_ += 2;
            return true;
        }
        if (!rest.starts_with("?P<")) {
            return false;
        }
        pos_ += 3;
        const std::size_t nameStart = pos_;
        while (pos_ < p_.size() && IsWordChar(p_[pos_])) {
            ++pos_;
        }
        if (pos_ == nameStart || pos_ >= p_.size() || p_[pos_] != '>') {
            return false;
        }
        ++pos_;
        return true;
    }

    // After `*`, `+`, `?` or a `{...}` repetition: it must repeat a single character, class or `.`, and
    // may be made lazy by a `?`.
    bool Quantifier() {
        if (!repeatable_) {
            return false;
        }
        if (pos_ < p_.size() && p_[pos_] == '?') {
            ++pos_;
        }
        repeatable_ = false;
        return true;
    }

    // `{n}`, `{n,}` or `{n,m}`, with counts of one to four digits (both languages allow up to 1000 at
    // least, RE2 no more; a larger count is RE2's to refuse).
    bool Repetition() {
        ++pos_;
        if (!Count()) {
            return false;
        }
        if (pos_ < p_.size() && p_[pos_] == ',') {
            ++pos_;
            if (pos_ < p_.size() && p_[pos_] != '}' && !Count()) {
                return false;
            }
        }
        if (pos_ >= p_.size() || p_[pos_] != '}') {
            return false;
        }
        ++pos_;
        return true;
    }

    bool Count() {
        const std::size_t start = pos_;
        while (pos_ < p_.size() && IsDigit(p_[pos_])) {
            ++pos_;
        }
        return pos_ > start && pos_ - start <= 4;
    }

    // A class: `[`, an optional `^`, then characters, escapes and ranges between two characters, up to
    // `]`. A `-` stands for itself only first or last; `[` and a leading `]` are left out (POSIX classes,
    // an empty class), as is a range that ends in `\d` and the like.
    bool Class() {
        ++pos_;
        if (pos_ < p_.size() && p_[pos_] == '^') {
            ++pos_;
        }
        if (pos_ < p_.size() && (p_[pos_] == ':' || p_[pos_] == '.' || p_[pos_] == '=')) {
            return false; // PCRE2 takes [:x:] and the like outside a class for a misplaced POSIX class
        }
        bool first = true;
        while (pos_ < p_.size() && p_[pos_] != ']') {
            const char c = p_[pos_];
            if (c == '[') {
                return false;
            }
            if (c == '-') {
                if (!first && pos_ + 1 < p_.size() && p_[pos_ + 1] != ']') {
                    return false; // neither first nor last, and not between two characters
                }
                ++pos_;
            } else if (!ClassCharacter()) {
                return false;
            } else if (pos_ + 1 < p_.size() && p_[pos_] == '-' && p_[pos_ + 1] != ']') {
                // A range: both ends single characters.
                if (lastWasClassEscape_) {
                    return false;
                }
                ++pos_;
                if (p_[pos_] == '-' || p_[pos_] == '[' || !ClassCharacter() || lastWasClassEscape_) {
                    return false;
                }
                if (pos_ < p_.size() && p_[pos_] == '-' && pos_ + 1 < p_.size() && p_[pos_ + 1] != ']') {
                    return false; // a range straight after a range
                }
            }
            first = false;
        }
        if (first || pos_ >= p_.size()) {
            return false; // empty, or never closed
        }
        ++pos_;
        return true;
    }

    bool ClassCharacter() {
        if (p_[pos_] == '\\') {
            return Escape(true);
        }
        lastWasClassEscape_ = false;
        return Character();
    }

    std::string_view p_;
    std::size_t pos_ = 0;
    bool repeatable_ = false; // what was read last is one character, class or `.`, which may be repeated
    bool lastWasClassEscape_ = false; // the last class item was \d, \w or a negation
};

} // namespace

bool InCommonRegexSyntax(std::string_view pattern) {
    return Scanner(pattern).Run();
}

} // namespace engine::recipes
