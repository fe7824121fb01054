#pragma once

#include "NameGrid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The text "Copy" puts on the clipboard: each old name followed by CR LF. Empty when there are no files
// (the clipboard is then left as it was).
std::string CopyText(const NameGrid& grid);
// The first old name that holds a carriage return or line feed: it cannot travel as one line, so "Copy"
// refuses the whole grid rather than shift the rows after it.
std::optional<std::string> NameWithLineBreak(const NameGrid& grid);
// The message "Copy" shows for such a name.
std::string LineBreakMessage(const std::string& name);

// Splits clipboard text into lines at CR LF, a lone LF or a lone CR. A final line break adds no empty
// line; an empty line between two breaks is a line. Lines longer than 4096 characters are cut.
std::vector<std::string> PasteLines(std::string_view text);
// Writes line r into the new name of row r. Changes nothing and returns false when there are no files or
// fewer lines than files.
bool ApplyPaste(NameGrid& grid, const std::vector<std::string>& lines);

// "Duiplicate": every new name becomes a copy of its row's old name.
void CopyOldNamesOver(NameGrid& grid);

} // namespace engine
