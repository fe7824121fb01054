// The name grid's storage: two parallel columns of raw bytes, row 0 being the header.

#include "engine/grid/NameGrid.h"

#include <algorithm>
#include <stdexcept>

namespace engine {
namespace {

void CheckCell(int column, int row, int rows) {
    if (column != NameGrid::OldColumn && column != NameGrid::NewColumn) {
        throw std::out_of_range("name grid column " + std::to_string(column) + " outside 0..1");
    }
    if (row < 0 || row >= rows) {
        throw std::out_of_range("name grid row " + std::to_string(row) + " outside 0.." +
                                std::to_string(rows - 1));
    }
}

} // namespace

NameGrid::NameGrid() : old_(1) {}

int NameGrid::RowCount() const {
    return static_cast<int>(old_.size()) + 1;
}

void NameGrid::SetRowCount(int count) {
    const auto rows = static_cast<std::size_t>(count < 1 ? 0 : count - 1);
    old_.resize(rows);
    if (new_.size() > rows) {
        new_.resize(rows);
    }
}

const std::string& NameGrid::Cell(int column, int row) const {
    CheckCell(column, row, RowCount());
    static const std::string blank;
    if (row == 0) {
        return header_[static_cast<std::size_t>(column)];
    }
    const auto at = static_cast<std::size_t>(row - 1);
    if (column == OldColumn) {
        return old_[at];
    }
    return at < new_.size() ? new_[at] : blank;
}

void NameGrid::SetCell(int column, int row, std::string text) {
    CheckCell(column, row, RowCount());
    // A name built up piece by piece holds room it no longer needs (a 19-byte name in a 31-byte buffer): a
    // million of them would keep that room for as long as they are shown.
    if (text.capacity() > text.size()) {
        text.shrink_to_fit();
    }
    if (row == 0) {
        header_[static_cast<std::size_t>(column)] = std::move(text);
        return;
    }
    const auto at = static_cast<std::size_t>(row - 1);
    if (column == OldColumn) {
        old_[at] = std::move(text);
        return;
    }
    if (at >= new_.size()) {
        if (text.empty()) {
            return;
        }
        // A column is filled whole or not at all as a rule (a preview, a paste): room for every row at
        // once, not a doubling per row.
        new_.resize(old_.size());
    }
    new_[at] = std::move(text);
}

std::vector<std::string> NameGrid::List(std::vector<std::string> names) {
    header_ = {"Filename", "New Name"};
    new_.clear();
    new_.shrink_to_fit();
    // The names become the column as they are: a million of them change hands without a copy or a move
    // each.
    std::swap(old_, names);
    return names;
}

void NameGrid::BlankNewNames() {
    // The header stays.
    new_.clear();
    new_.shrink_to_fit();
}

std::vector<std::string> NameGrid::SetNewNames(std::vector<std::string> names) {
    if (names.size() != old_.size()) {
        throw std::invalid_argument("NameGrid::SetNewNames: one new name a file row");
    }
    std::swap(new_, names);
    return names;
}

void NameGrid::SettleRenames(const std::vector<bool>& renamed) {
    const std::size_t rows = std::min({old_.size(), new_.size(), renamed.size()});
    for (std::size_t row = 0; row < rows; ++row) {
        if (renamed[row]) {
            old_[row] = std::move(new_[row]);
        }
    }
    BlankNewNames();
}

} // namespace engine
