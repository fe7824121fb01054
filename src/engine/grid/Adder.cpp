// "Substring Adder" over the whole grid: a text at a numbered position, in front, and behind.

#include "engine/grid/Adder.h"

#include "engine/names/Add.h"

namespace engine {

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
