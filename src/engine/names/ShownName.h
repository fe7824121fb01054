#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// How a file name is shown on screen, where its bytes stay untouched. A name may hold bytes that are not
// UTF-8 and characters that are invisible or that move the text around them (line breaks, tabs, other
// controls, zero-width and direction marks). Shown as they are, two different names can look alike and a
// line feed cuts a caption short, so each such byte or character is shown by a stand-in instead:
// "\n", "\r" and "\t" for the three common controls, "\xE9" for a byte that is not UTF-8 and for the other
// controls below U+0080, and "\u202E" for the invisible characters above.
struct ShownPart {
    std::string text; // UTF-8
    bool standIn = false;
};

// The parts of a name as shown, in order; adjacent parts of the name's own characters are one part.
std::vector<ShownPart> ShownParts(std::string_view name);

// The parts joined: the name as one line of readable UTF-8.
std::string ShownName(std::string_view name);

// The same, appended to out.
void AppendShownName(std::string_view name, std::string& out);

// True when the name is shown exactly as it is (it needs no stand-in).
bool ShowsAsItIs(std::string_view name);

} // namespace engine
