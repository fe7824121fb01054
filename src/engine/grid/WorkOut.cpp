// Preview: the checks of the entry fields, the transformation of the selected mode, and the duplicate
// check of the new names.

#include "engine/grid/WorkOut.h"

#include "engine/grid/Adder.h"
#include "engine/grid/NameIndex.h"
#include "engine/names/ReadPosition.h"
#include "engine/names/Replace.h"
#include "engine/names/ShownName.h"
#include "engine/text/EngineText.h"

#include <cstdint>

namespace engine {
namespace {

WorkOutResult Stop(std::string message, EntryField focus) {
    return WorkOutResult{false, std::move(message), focus};
}

} // namespace

void AllReplace(NameGrid& grid, std::string_view search, std::string_view replacement) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCell(NameGrid::NewColumn, row,
                     Replacer(grid.Cell(NameGrid::OldColumn, row), search, replacement));
    }
}

int FindDuplicateRow(const NameGrid& grid) {
    // A scan of every pair meets first the lowest row whose name some later row repeats: that is the
    // lowest first row among the names that occur twice, found here in one pass.
    const int rows = grid.RowCount();
    const auto newNameOf = [&grid](std::uint32_t row) -> const std::string& {
        return grid.Cell(NameGrid::NewColumn, static_cast<int>(row));
    };
    NameIndex firstRow(static_cast<std::size_t>(rows));
    std::uint32_t found = 0;
    for (std::uint32_t row = 1; row < static_cast<std::uint32_t>(rows); ++row) {
        const std::string& name = newNameOf(row);
        if (name.empty()) {
            continue;
        }
        bool inserted = false;
        const std::size_t slot = firstRow.Insert(name, row, newNameOf, inserted);
        if (!inserted && (found == 0 || firstRow.RowAt(slot) < found)) {
            found = firstRow.RowAt(slot);
        }
    }
    return static_cast<int>(found);
}

std::optional<std::string> FindDuplicateNewName(const NameGrid& grid) {
    const int row = FindDuplicateRow(grid);
    if (row == 0) {
        return std::nullopt;
    }
    return grid.Cell(NameGrid::NewColumn, row);
}

int FindLostCharacterRow(const NameGrid& grid) {
    constexpr std::string_view replacement = "\xEF\xBF\xBD";
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(NameGrid::NewColumn, row).find(replacement) != std::string::npos &&
            grid.Cell(NameGrid::OldColumn, row).find(replacement) == std::string::npos) {
            return row;
        }
    }
    return 0;
}

std::string LostCharacterMessage(const std::string& oldName) {
    return Fill(ENGINE_TEXT("Preview", "The new name of %1 holds the character U+FFFD where the file's name "
                                       "has none: a character was lost, please correct the new name."),
                {ShownName(oldName)});
}

std::string DuplicateMessage(const std::string& newName) {
    return Fill(ENGINE_TEXT("Preview", "The result of this will mean that 2 files will be called %1"),
                {ShownName(newName)});
}

WorkOutResult WorkOut(Mode mode, const EntryTexts& texts, NameGrid& grid) {
    switch (mode) {
    case Mode::Replacer:
        if (texts.replace.empty()) {
            return Stop(
                ENGINE_TEXT("Preview", "The length of the text to replace has to be at least one character"),
                EntryField::Replace);
        }
        AllReplace(grid, texts.replace, texts.with);
        break;
    case Mode::Deleter:
        if (texts.remove.empty()) {
            return Stop(
                ENGINE_TEXT("Preview", "The length of the text to delete has to be at least one character"),
                EntryField::Delete);
        }
        AllReplace(grid, texts.remove, {});
        break;
    case Mode::Adder: {
        const auto position = ReadPosition(texts.position);
        if (!position) {
            return Stop(
                ENGINE_TEXT("Preview",
                            "Please make sure that a non decimal number is entered for the position."),
                EntryField::Position);
        }
        if (texts.after.empty() && texts.beginning.empty() && texts.end.empty()) {
            return Stop(ENGINE_TEXT("Preview", "Please enter text to add to at least one place."),
                        EntryField::Beginning);
        }
        Adder(grid, *position, texts.after, texts.beginning, texts.end);
        break;
    }
    case Mode::Renamer:
    case Mode::Manual:
        // The new names are whatever was typed or pasted; only the duplicate check applies.
        break;
    }
    if (const int row = FindLostCharacterRow(grid)) {
        return WorkOutResult{false, LostCharacterMessage(grid.Cell(NameGrid::OldColumn, row)),
                             EntryField::None, row};
    }
    if (const int row = FindDuplicateRow(grid)) {
        return WorkOutResult{false, DuplicateMessage(grid.Cell(NameGrid::NewColumn, row)), EntryField::None,
                             row};
    }
    return WorkOutResult{true, {}, EntryField::None};
}

} // namespace engine
