// The additions of "Substring Adder": a text at a numbered position, in front, and behind.

#include "engine/RenameEngine.h"
#include "engine/Utf8.h"
#include "engine/WorkOut.h"

namespace engine {

namespace {

// The name with text inserted after character `position`, appended to out. The position counts
// characters, so the text never lands inside a multi-byte letter; a position past the end puts it behind
// the whole name, and one of 0 or less in front.
void AppendMid(std::string& out, std::string_view name, std::string_view text, std::int32_t position) {
    const std::size_t split = position <= 0 ? 0 : utf8::Skip(name, static_cast<std::size_t>(position));
    out.append(name.substr(0, split));
    out.append(text);
    out.append(name.substr(split));
}

} // namespace

std::string AddMid(std::string_view name, std::string_view text, std::int32_t position) {
    std::string out;
    out.reserve(name.size() + text.size());
    AppendMid(out, name, text, position);
    return out;
}

std::string AddBeg(std::string_view name, std::string_view text) {
    std::string out;
    out.reserve(name.size() + text.size());
    out.append(text);
    out.append(name);
    return out;
}

std::string AddEnd(std::string_view name, std::string_view text) {
    std::string out;
    out.reserve(name.size() + text.size());
    out.append(name);
    out.append(text);
    return out;
}

void Adder(NameGrid& grid, std::int32_t position, std::string_view after, std::string_view beginning,
           std::string_view end) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        // The insertion counts on the unchanged old name; the beginning and end texts come after it, so
        // they never shift where the inserted text lands. An empty text adds nothing, so each piece is
        // simply appended in its place.
        const std::string& oldName = grid.Cell(NameGrid::OldColumn, row);
        std::string name;
        name.reserve(beginning.size() + oldName.size() + after.size() + end.size());
        name.append(beginning);
        AppendMid(name, oldName, after, position);
        name.append(end);
        grid.SetCell(NameGrid::NewColumn, row, std::move(name));
    }
}

} // namespace engine
