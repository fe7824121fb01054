#pragma once

#include "NameGrid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// Which of the five mode radio buttons is checked.
enum class Mode { Renamer, Manual, Replacer, Deleter, Adder };

// The texts of the entry fields that Preview reads.
struct EntryTexts {
    std::string replace;   // edtReplace
    std::string with;      // edtWith
    std::string remove;    // edtDelete
    std::string position;  // edtPos
    std::string after;     // edtAfter
    std::string beginning; // edtBeg
    std::string end;       // edtEnd
};

// The entry field that gets the keyboard focus after a refused Preview.
enum class EntryField { None, Replace, With, Delete, Position, After, Beginning, End };

struct WorkOutResult {
    bool passed = false; // every check passed: Go may rename
    std::string message; // the message to show when a check stopped it, else empty
    EntryField focus = EntryField::None;
    int row = 0; // the grid row the message is about, shown to the user afterwards; 0 for none
};

// Checks the fields of the mode, writes the new-name column for the transformation modes, then checks the
// new names for duplicates. Whatever was written stays written when a check stops it.
WorkOutResult WorkOut(Mode mode, const EntryTexts& texts, NameGrid& grid);

// New name of every file row := Replacer(old name, search, replacement).
void AllReplace(NameGrid& grid, std::string_view search, std::string_view replacement);
// The first non-blank new name that a later row repeats (lowest row, then lowest later row), if any.
std::optional<std::string> FindDuplicateNewName(const NameGrid& grid);
// The row of that name: the first that holds it; 0 when no name is repeated.
int FindDuplicateRow(const NameGrid& grid);
// The first row whose new name holds U+FFFD where its old name holds none; 0 when there is none. An
// editor that reads a name's bytes as UTF-8 puts that mark in place of a byte it cannot read, so such a
// name has lost a character on its way through the clipboard.
int FindLostCharacterRow(const NameGrid& grid);
std::string LostCharacterMessage(const std::string& oldName);
std::string DuplicateMessage(const std::string& newName);

} // namespace engine
