// Replace and delete: the transformations of the modes "Part Replacer" and "Substring Deleter".
//
// The search resumes one character after the start of each inserted replacement. So after a replacement
// of R characters, the text still to be searched is the replacement's characters 2..R followed by the
// rest of the old name. Replacer keeps exactly that: a finished prefix, the pending tail of the last
// replacement, and a read position in the old name, so each match costs the length of the replacement
// rather than a rebuild of the whole name.
//
// Matching is by whole characters: the name's characters are those of the old name as read, the pending
// tail's are those of the replacement text, and a match never starts or ends inside a character.

#include "engine/names/Replace.h"

#include "engine/names/Utf8.h"

#include <algorithm>

namespace engine {
namespace {

constexpr auto npos = std::string_view::npos;

// First occurrence of search in text at or after byte `from` (a character start) whose both ends fall on
// character starts.
std::size_t FindWhole(std::string_view text, std::string_view search, std::size_t from) {
    for (auto at = text.find(search, from); at != npos; at = text.find(search, at + 1)) {
        if (utf8::IsBoundary(text, at) && utf8::IsBoundary(text, at + search.size())) {
            return at;
        }
    }
    return npos;
}

// Whether the search text starts at byte `at` (a character start) of the pending tail and runs on into the
// name at byte `pos`; if so, sets `end` to the byte of the name just after the match.
bool MatchAcross(std::string_view pending, std::size_t at, std::string_view name, std::size_t pos,
                 std::string_view search, std::size_t& end) {
    const std::size_t inPending = pending.size() - at;
    // A match wholly inside the tail would mean the replacement holds the search text from its second
    // character on; Replacer never keeps a pending tail for such a pair.
    if (search.size() <= inPending) {
        return false;
    }
    const std::size_t inName = search.size() - inPending;
    if (pending.substr(at) != search.substr(0, inPending) || !utf8::IsBoundary(search, inPending)) {
        return false;
    }
    if (name.size() - pos < inName || name.substr(pos, inName) != search.substr(inPending) ||
        !utf8::IsBoundary(name, pos + inName)) {
        return false;
    }
    end = pos + inName;
    return true;
}

} // namespace

std::string Replacer(std::string_view oldName, std::string_view search, std::string_view replacement,
                     int start) {
    // An empty search text would match everywhere without end; the window never passes one.
    if (search.empty()) {
        return std::string(oldName);
    }
    const std::size_t firstLength = replacement.empty() ? 0 : utf8::CharLength(replacement, 0);
    const std::string_view replacementTail = replacement.substr(firstLength);
    // When the replacement holds the search text from its second character on, resuming inside it would
    // find a new occurrence after every replacement and never end: for such a pair the search resumes
    // after the end of the inserted replacement instead (plain left to right, no overlaps).
    const bool resumeAfterEnd = FindWhole(replacementTail, search, 0) != npos;

    std::size_t pos = start > 1 ? utf8::Skip(oldName, static_cast<std::size_t>(start - 1)) : 0;
    // Built in a buffer kept from call to call, then copied out at its exact length: a million new names
    // then hold no room they do not need, and leave no discarded buffers behind them.
    thread_local std::string out;
    out.clear();
    out.append(oldName.substr(0, pos));
    std::string_view pending;

    for (;;) {
        std::size_t end = 0;
        bool found = false;
        for (std::size_t at = 0; at < pending.size(); at = utf8::Next(pending, at)) {
            if (MatchAcross(pending, at, oldName, pos, search, end)) {
                out.append(pending.substr(0, at));
                found = true;
                break;
            }
        }
        if (!found) {
            out.append(pending);
            const std::size_t at = FindWhole(oldName, search, pos);
            if (at == npos) {
                out.append(oldName.substr(pos));
                return std::string(out);
            }
            out.append(oldName.substr(pos, at - pos));
            end = at + search.size();
        }
        pos = end;
        pending = {};
        if (resumeAfterEnd) {
            out.append(replacement);
        } else if (!replacement.empty()) {
            out.append(replacement.substr(0, firstLength));
            pending = replacementTail;
        } else if (pos < oldName.size()) {
            // Deleting: the character that moved up into the match's place is not tested again.
            const std::size_t next = utf8::Next(oldName, pos);
            out.append(oldName.substr(pos, next - pos));
            pos = next;
        }
    }
}

bool CheckWhole(std::string_view name, std::string_view search, int position) {
    if (position < 1) {
        return true;
    }
    std::size_t pos = utf8::Skip(name, static_cast<std::size_t>(position - 1));
    for (std::size_t at = 0; at < search.size();) {
        if (pos >= name.size()) {
            return true;
        }
        const std::size_t searchLength = utf8::CharLength(search, at);
        const std::size_t nameLength = utf8::CharLength(name, pos);
        if (name.substr(pos, nameLength) != search.substr(at, searchLength)) {
            return true;
        }
        pos += nameLength;
        at += searchLength;
    }
    return false;
}

std::string Replace(std::string_view name, std::string_view search, std::string_view replacement,
                    int position) {
    // The kept tail starts at character position + length(search), counted on the name as it stands,
    // so a position below 1 keeps more of the name rather than reaching before its start.
    const long long before = position > 1 ? position - 1LL : 0LL;
    const long long tailStart = std::max(0LL, position - 1LL + static_cast<long long>(utf8::Count(search)));
    const std::size_t head = utf8::Skip(name, static_cast<std::size_t>(before));
    const std::size_t tail = std::max(head, utf8::Skip(name, static_cast<std::size_t>(tailStart)));
    std::string out;
    out.reserve(head + replacement.size() + (name.size() - tail));
    out.append(name.substr(0, head));
    out.append(replacement);
    out.append(name.substr(tail));
    return out;
}

} // namespace engine
