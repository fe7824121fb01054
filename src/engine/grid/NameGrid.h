#pragma once

#include <array>
#include <string>
#include <vector>

namespace engine {

// The table of old and new names the window shows: column 0 holds a file's present name, column 1 its
// new name; row 0 is the header, rows 1..RowCount()-1 hold one file each. A blank new name means the file
// is left alone. Cells keep the exact bytes they were given.
class NameGrid {
public:
    static constexpr int OldColumn = 0;
    static constexpr int NewColumn = 1;

    // Before the first listing: a blank header row and one blank row.
    NameGrid();

    int RowCount() const;
    // At least one row (the header) always remains; rows added are blank.
    void SetRowCount(int count);

    // Throws std::out_of_range for a cell outside the grid.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);

    // Lists a folder: one row per name below the header "Filename" / "New Name", every new name blank.
    // Returns the old names of the rows listed before: the caller decides when, and on which thread, a
    // million of them are freed.
    std::vector<std::string> List(std::vector<std::string> names);
    // Blanks the new name of every file row; old names and the header stay.
    void BlankNewNames();
    // Every file row's new name at once (names[row - 1] for row; a blank one leaves the file alone), one
    // name for each file row. Returns the new names held before, for the caller to free where it likes.
    // Throws std::invalid_argument when the count of names is not the count of file rows.
    std::vector<std::string> SetNewNames(std::vector<std::string> names);
    // After a batch, the grid as a listing of the folder would show it, rows in the same order: every file
    // row renamed (renamed[row - 1] true) takes its new name as its old one, and every new name is blank.
    void SettleRenames(const std::vector<bool>& renamed);

private:
    std::array<std::string, 2> header_;
    // The old names of the file rows 1..RowCount()-1, at 0..RowCount()-2.
    std::vector<std::string> old_;
    // The new names of the first new_.size() file rows; the rows after them are blank. A column left blank
    // by a listing, or after a batch, then holds no string for each of a million rows.
    std::vector<std::string> new_;
};

} // namespace engine
