#pragma once

#include "FolderCalls.h"
#include "engine/batch/FileRenamer.h"
#include "engine/batch/FolderIdentity.h"

#include <memory>
#include <string>

namespace platform {

// Whether renames ask the file system to refuse an existing target (RENAME_NOREPLACE), or go the way of a
// file system that refuses that flag. Emulate is what happens by itself on such a file system; it can be
// chosen up front to exercise that path.
enum class NoReplaceFlag { Use, Emulate };

// Renames files inside one open folder without ever replacing a file and without ever leaving the folder.
class PosixFolderRenamer : public engine::FolderRenamer {
public:
    explicit PosixFolderRenamer(std::unique_ptr<FolderCalls> calls, NoReplaceFlag flag = NoReplaceFlag::Use);

    bool Rename(const std::string& oldName, const std::string& newName) override;
    std::string StrandedName() const override { return stranded_; }
    bool StrandedBesideOldName() const override { return strandedBesideOld_; }
    std::string FailureReason() const override;
    std::optional<engine::FolderIdentity> Identity() override;
    std::optional<std::vector<std::string>> EntryNames() override;

    // True for a name that could reach outside the folder or that the system would read differently.
    static bool RefusedName(const std::string& name);

private:
    int MoveNoReplace(const std::string& from, const std::string& to);
    int MoveByLink(const std::string& from, const std::string& to);
    int MoveAfterCheck(const std::string& from, const std::string& to);
    int MoveThroughTemporary(const std::string& from, const std::string& to);
    bool Succeeded(int error); // records the error of a rename; true when there was none
    std::string NextTemporaryName();
    void Strand(const std::string& name, const std::string& oldName);

    std::unique_ptr<FolderCalls> calls_;
    bool useFlag_;
    unsigned temporaryCount_ = 0;
    std::string stranded_;
    bool strandedBesideOld_ = false;
    // The new name of the last MoveByLink that failed after linking and could not take that name away.
    std::string leftLinked_;
    int error_ = 0; // the errno of the last failed rename
};

} // namespace platform
