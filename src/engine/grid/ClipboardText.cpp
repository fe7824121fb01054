// The text rules of "Copy", "Paste" and "Duiplicate": one file name per line of clipboard text.

#include "engine/grid/ClipboardText.h"

#include "engine/names/ShownName.h"
#include "engine/names/Utf8.h"
#include "engine/text/EngineText.h"

namespace engine {
namespace {

constexpr std::size_t MaxLineCharacters = 4096;

// A line cut to its first 4096 characters, never inside a character.
std::string CutLine(std::string_view line) {
    if (line.size() <= MaxLineCharacters) {
        return std::string(line);
    }
    return std::string(line.substr(0, utf8::Skip(line, MaxLineCharacters)));
}

} // namespace

std::string CopyText(const NameGrid& grid) {
    std::string text;
    for (int row = 1; row < grid.RowCount(); ++row) {
        text += grid.Cell(NameGrid::OldColumn, row);
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> NameWithLineBreak(const NameGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        const std::string& name = grid.Cell(NameGrid::OldColumn, row);
        if (name.find_first_of("\r\n") != std::string::npos) {
            return name;
        }
    }
    return std::nullopt;
}

std::string LineBreakMessage(const std::string& name) {
    return Fill(ENGINE_TEXT("Clipboard", "The file name %1 holds a line break and cannot be copied to the "
                                         "clipboard."),
                {ShownName(name)});
}

std::vector<std::string> PasteLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineBreak = text.find_first_of("\r\n", start);
        if (lineBreak == std::string_view::npos) {
            // Text after the last line break is a line only when there is some.
            lines.push_back(CutLine(text.substr(start)));
            break;
        }
        lines.push_back(CutLine(text.substr(start, lineBreak - start)));
        start = lineBreak + 1;
        if (text[lineBreak] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

bool ApplyPaste(NameGrid& grid, const std::vector<std::string>& lines) {
    const auto files = static_cast<std::size_t>(grid.RowCount() - 1);
    if (files == 0 || lines.size() < files) {
        return false;
    }
    for (std::size_t row = 1; row <= files; ++row) {
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(row), lines[row - 1]);
    }
    return true;
}

void CopyOldNamesOver(NameGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCell(NameGrid::NewColumn, row, grid.Cell(NameGrid::OldColumn, row));
    }
}

} // namespace engine
