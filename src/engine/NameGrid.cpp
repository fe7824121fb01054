// The name grid's storage: two parallel columns of raw bytes, row 0 being the header.

#include "engine/NameGrid.h"

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

NameGrid::NameGrid() : old_(2), new_(2) {}

int NameGrid::RowCount() const {
    return static_cast<int>(old_.size());
}

void NameGrid::SetRowCount(int count) {
    const auto rows = static_cast<std::size_t>(count < 1 ? 1 : count);
    old_.resize(rows);
    new_.resize(rows);
}

const std::string& NameGrid::Cell(int column, int row) const {
    CheckCell(column, row, RowCount());
    return (column == OldColumn ? old_ : new_)[static_cast<std::size_t>(row)];
}

void NameGrid::SetCell(int column, int row, std::string text) {
    CheckCell(column, row, RowCount());
    (column == OldColumn ? old_ : new_)[static_cast<std::size_t>(row)] = std::move(text);
}

void NameGrid::List(std::vector<std::string> names) {
    old_.clear();
    new_.clear();
    old_.reserve(names.size() + 1);
    new_.reserve(names.size() + 1);
    old_.emplace_back("Filename");
    new_.emplace_back("New Name");
    for (auto& name : names) {
        old_.push_back(std::move(name));
    }
    new_.resize(old_.size());
}

void NameGrid::BlankNewNames() {
    for (std::size_t row = 1; row < new_.size(); ++row) {
        new_[row].clear();
    }
}

} // namespace engine
