#include "PosixFolderRenamer.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

PosixFolderRenamer::PosixFolderRenamer(std::unique_ptr<FolderCalls> calls, NoReplaceFlag flag)
    : calls_(std::move(calls)), useFlag_(flag == NoReplaceFlag::Use) {}

bool PosixFolderRenamer::RefusedName(const std::string& name) {
    return !engine::IsRenameableName(name);
}

bool PosixFolderRenamer::Rename(const std::string& oldName, const std::string& newName) {
    if (RefusedName(oldName) || RefusedName(newName))
        return false;
    FileIdentity source;
    if (oldName == newName)
        return calls_->Identify(oldName, source) == 0; // nothing to do, as long as the file is there
    const int error = MoveNoReplace(oldName, newName);
    if (error == 0)
        return true;
    if (error != EEXIST)
        return false;
    // On a file system that ignores case, "a.txt" -> "A.txt" finds its own file as the target. Only then
    // is the target not another file, and the new spelling is set through a temporary name.
    FileIdentity target;
    if (calls_->Identify(oldName, source) != 0 || calls_->Identify(newName, target) != 0 ||
        !(source == target))
        return false;
    return MoveThroughTemporary(oldName, newName);
}

std::optional<engine::FolderIdentity> PosixFolderRenamer::Identity() {
    FileIdentity identity;
    if (calls_->IdentifyFolder(identity) != 0)
        return std::nullopt;
    return engine::FolderIdentity{identity.device, identity.inode};
}

std::optional<std::vector<std::string>> PosixFolderRenamer::EntryNames() {
    std::vector<std::string> names;
    if (calls_->ListNames(names) != 0)
        return std::nullopt;
    return names;
}

int PosixFolderRenamer::MoveNoReplace(const std::string& from, const std::string& to) {
    if (useFlag_) {
        const int error = calls_->RenameNoReplace(from, to);
        if (error != EINVAL && error != ENOSYS)
            return error;
        // This file system refuses the flag; every later rename here goes the checking way at once.
        useFlag_ = false;
    }
    FileIdentity existing;
    const int lookup = calls_->Identify(to, existing);
    if (lookup == 0)
        return EEXIST;
    if (lookup != ENOENT)
        return lookup;
    return calls_->RenameReplacing(from, to);
}

bool PosixFolderRenamer::MoveThroughTemporary(const std::string& from, const std::string& to) {
    // A few tries are plenty: a temporary name is taken only by a leftover of an interrupted run or by a
    // second instance renaming in the same folder at the same moment.
    constexpr int tries = 16;
    for (int i = 0; i < tries; ++i) {
        const std::string temporary = NextTemporaryName();
        const int error = MoveNoReplace(from, temporary);
        if (error == EEXIST)
            continue;
        if (error != 0)
            return false;
        if (MoveNoReplace(temporary, to) == 0)
            return true;
        // The second step failed (for hard links the target really is another name); put the file back
        // under its old name so that the failed rename changes nothing.
        MoveNoReplace(temporary, from);
        return false;
    }
    return false;
}

std::string PosixFolderRenamer::NextTemporaryName() {
    return ".tsw-rename-" + std::to_string(::getpid()) + "-" + std::to_string(++temporaryCount_) + ".tmp";
}

} // namespace platform
