#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace engine {

struct RenameRow {
    std::string oldName;
    std::string newName; // blank: leave the file alone
};

// The renames a batch is about to try, in order, read where they are held: a million renames then cost
// no second copy of a million pairs of names.
class PlannedRenames {
public:
    virtual ~PlannedRenames() = default;
    virtual std::size_t Count() const = 0;
    virtual const std::string& OldName(std::size_t rename) const = 0;
    virtual const std::string& NewName(std::size_t rename) const = 0;
};

// Rows that hold exactly the planned renames, every one of them.
class PlannedRows : public PlannedRenames {
public:
    explicit PlannedRows(const std::vector<RenameRow>& rows) : rows_(rows) {}
    std::size_t Count() const override { return rows_.size(); }
    const std::string& OldName(std::size_t rename) const override { return rows_[rename].oldName; }
    const std::string& NewName(std::size_t rename) const override { return rows_[rename].newName; }

private:
    const std::vector<RenameRow>& rows_;
};

} // namespace engine
