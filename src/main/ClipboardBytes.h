#pragma once

#include <string>

// The clipboard's plain text as bytes. File names travel as their own bytes, so that a name that is not
// valid UTF-8 comes back unchanged.
namespace clipboard_bytes {

// Replaces the clipboard's content with the text.
void Put(const std::string& text);
// The clipboard's plain text; empty when it holds none.
std::string Held();

} // namespace clipboard_bytes
