#include "PosixFolderRenamer.h"

#include "IoError.h"
#include "LetterCase.h"
#include "engine/names/RenameableName.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

PosixFolderRenamer::PosixFolderRenamer(std::unique_ptr<FolderCalls> calls, NoReplaceFlag flag)
    : calls_(std::move(calls)), useFlag_(flag == NoReplaceFlag::Use) {}

bool PosixFolderRenamer::RefusedName(const std::string& name) {
    return !engine::IsRenameableName(name);
}

bool PosixFolderRenamer::Succeeded(int error) {
    error_ = error;
    return error == 0;
}

std::string PosixFolderRenamer::FailureReason() const {
    return error_ == 0 ? std::string() : SystemErrorText(error_);
}

bool PosixFolderRenamer::Rename(const std::string& oldName, const std::string& newName) {
    stranded_.clear();
    strandedBesideOld_ = false;
    leftLinked_.clear();
    if (RefusedName(oldName) || RefusedName(newName))
        return Succeeded(EINVAL);
    FileIdentity source;
    if (oldName == newName)
        return Succeeded(calls_->Identify(oldName, source)); // nothing to do, as long as the file is there
    const int error = MoveNoReplace(oldName, newName);
    if (error == 0)
        return Succeeded(0);
    if (!leftLinked_.empty()) {
        Strand(leftLinked_, oldName);
        return Succeeded(error);
    }
    // On a file system that ignores case, "a.txt" -> "A.txt" finds its own file as the target. Only then
    // is the target not another name, and the new spelling is set through a temporary name. Another hard
    // link of the same file is a name of its own, and stays in the way like any other.
    if (error != EEXIST || !DifferInLetterCaseOnly(oldName, newName))
        return Succeeded(error);
    FileIdentity target;
    if (calls_->Identify(oldName, source) != 0 || calls_->Identify(newName, target) != 0 ||
        !(source == target))
        return Succeeded(error);
    return Succeeded(MoveThroughTemporary(oldName, newName));
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
        // This file system refuses the flag (NFS, SMB, some FUSE mounts); every later rename here goes
        // the other way at once.
        useFlag_ = false;
    }
    return MoveByLink(from, to);
}

int PosixFolderRenamer::MoveByLink(const std::string& from, const std::string& to) {
    // A new name made by a hard link fails atomically when the target exists, so nothing another program
    // puts there meanwhile is ever replaced. A symbolic link is linked itself, not the file it points to.
    const int linked = calls_->Link(from, to);
    if (linked == EPERM || linked == EOPNOTSUPP || linked == EMLINK || linked == EXDEV)
        return MoveAfterCheck(from, to); // no hard link here: vfat-like file systems, a file's link limit
    if (linked != 0)
        return linked;
    const int unlinked = calls_->Unlink(from);
    if (unlinked == 0)
        return 0;
    // The file now has both names. Take the new one away again, so that it stays under its old name only,
    // as long as that name still is this file. Where that fails too, or the names cannot be compared, the
    // new name is remembered, so that the report can say where else the file is.
    FileIdentity source;
    FileIdentity target;
    const bool compared = calls_->Identify(from, source) == 0 && calls_->Identify(to, target) == 0;
    if (compared && !(source == target))
        return unlinked; // the new name is another file's by now
    if (!compared || calls_->Unlink(to) != 0)
        leftLinked_ = to;
    return unlinked;
}

int PosixFolderRenamer::MoveAfterCheck(const std::string& from, const std::string& to) {
    // Where neither the flag nor hard links are to be had, the target is looked for and then the file is
    // renamed. A file that another program creates under the new name between the two calls (a window of
    // microseconds) is replaced: the system offers no way to close it on such a file system.
    FileIdentity existing;
    const int lookup = calls_->Identify(to, existing);
    if (lookup == 0)
        return EEXIST;
    if (lookup != ENOENT)
        return lookup;
    return calls_->RenameReplacing(from, to);
}

int PosixFolderRenamer::MoveThroughTemporary(const std::string& from, const std::string& to) {
    // A few tries are plenty: a temporary name is taken only by a leftover of an interrupted run or by a
    // second instance renaming in the same folder at the same moment.
    constexpr int tries = 16;
    for (int i = 0; i < tries; ++i) {
        const std::string temporary = NextTemporaryName();
        const int error = MoveNoReplace(from, temporary);
        if (error == EEXIST)
            continue;
        if (error != 0) {
            // A first step that linked the temporary name but could neither remove the old name nor take
            // the temporary one away again leaves the file under both.
            if (leftLinked_ == temporary)
                Strand(temporary, from);
            return error;
        }
        const int second = MoveNoReplace(temporary, to);
        if (second == 0)
            return 0;
        // The second step failed; put the file back under its old name so that the failed rename changes
        // nothing. A put-back that fails twice (a read-only or failing disk, or the old name taken
        // meanwhile) leaves the file under the temporary name, which the failure report then names.
        if (MoveNoReplace(temporary, from) != 0 && MoveNoReplace(temporary, from) != 0)
            Strand(temporary, from);
        return second;
    }
    return EEXIST;
}

void PosixFolderRenamer::Strand(const std::string& name, const std::string& oldName) {
    stranded_ = name;
    FileIdentity stranded;
    FileIdentity old;
    strandedBesideOld_ =
        calls_->Identify(name, stranded) == 0 && calls_->Identify(oldName, old) == 0 && stranded == old;
}

std::string PosixFolderRenamer::NextTemporaryName() {
    return ".tsw-rename-" + std::to_string(::getpid()) + "-" + std::to_string(++temporaryCount_) + ".tmp";
}

} // namespace platform
