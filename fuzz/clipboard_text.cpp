// The clipboard's text rules over any text. Rules: Paste splits at CR LF, a lone LF or a lone CR exactly
// as a plain split does, with no line break left in a line and a long line cut to its first 4096
// characters, never inside one; names copied with "Copy" paste back as themselves; a paste with fewer
// lines than files changes nothing.

#include "FuzzCheck.h"
#include "ReferenceUtf8.h"
#include "engine/grid/ClipboardText.h"
#include "engine/grid/NameGrid.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLineCharacters = 4096;

std::vector<std::string> PlainSplit(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += text[i];
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

std::string Cut(const std::string& line) {
    return line.substr(0, reference::Boundary(line, kLineCharacters));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = engine::PasteLines(text);
    const std::vector<std::string> plain = PlainSplit(text);
    FUZZ_CHECK(lines.size() == plain.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(lines[i] == Cut(plain[i]));

    // The lines as the old names of a grid: copied and pasted, they come back as they were.
    std::vector<std::string> names;
    for (const std::string& line : lines)
        if (!line.empty())
            names.push_back(line);
    engine::NameGrid grid;
    grid.List(names);
    FUZZ_CHECK(!engine::NameWithLineBreak(grid));
    const std::string copied = engine::CopyText(grid);
    FUZZ_CHECK(engine::PasteLines(copied) == names);

    // One line short: nothing changes. Enough lines: each row takes its line.
    if (!names.empty()) {
        std::vector<std::string> fewer(names.begin(), names.end() - 1);
        FUZZ_CHECK(!engine::ApplyPaste(grid, fewer));
        for (int row = 1; row < grid.RowCount(); ++row)
            FUZZ_CHECK(grid.Cell(engine::NameGrid::NewColumn, row).empty());
        std::vector<std::string> more(names.rbegin(), names.rend());
        more.push_back("extra");
        FUZZ_CHECK(engine::ApplyPaste(grid, more));
        for (int row = 1; row < grid.RowCount(); ++row)
            FUZZ_CHECK(grid.Cell(engine::NameGrid::NewColumn, row) ==
                       more[static_cast<std::size_t>(row - 1)]);
    }
    return 0;
}
