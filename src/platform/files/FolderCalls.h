#pragma once

#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace platform {

// Which file a name stands for: two names with the same identity are the same file (hard links, or two
// spellings of one name on a file system that ignores case).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    // Nanoseconds since 1970; 0 where it is not asked for or the file system keeps none.
    std::int64_t birth = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The few system calls a folder renamer makes, all relative to one open folder. Each answers 0 on
// success or the errno value of its failure. Kept behind this interface so that the renaming rules can be
// exercised against folders this machine cannot mount, such as a case-insensitive one.
class FolderCalls {
public:
    virtual ~FolderCalls() = default;
    // Fails with EEXIST when the target exists; EINVAL or ENOSYS when the file system refuses the flag.
    virtual int RenameNoReplace(const std::string& from, const std::string& to) = 0;
    // A plain rename, which would replace an existing target.
    virtual int RenameReplacing(const std::string& from, const std::string& to) = 0;
    // A second name for the entry itself (a symbolic link is not followed); EEXIST when the target exists.
    // EPERM, EOPNOTSUPP, EMLINK or EXDEV where the file system or the file allows no further hard link.
    virtual int Link(const std::string& from, const std::string& to) = 0;
    // Removes one name of a file.
    virtual int Unlink(const std::string& name) = 0;
    // The identity of the entry itself (a symbolic link is not followed).
    virtual int Identify(const std::string& name, FileIdentity& identity) = 0;
    // The identity of the open folder itself.
    virtual int IdentifyFolder(FileIdentity&) { return ENOTSUP; }
    // The names of all entries of the open folder but "." and "..".
    virtual int ListNames(std::vector<std::string>&) { return ENOTSUP; }
};

// The identity a stat call reports.
FileIdentity IdentityOf(const struct stat& info);
// The identity of an open folder with its birth time where the file system keeps one; 0 or the errno.
int IdentifyOpenFolder(int fd, FileIdentity& identity);

// Opens the folder once; the returned object owns the descriptor and closes it. nullptr when the folder
// cannot be opened. Later renames stay inside this folder even when it is moved or renamed meanwhile.
std::unique_ptr<FolderCalls> OpenFolderCalls(const std::string& folder);

} // namespace platform
