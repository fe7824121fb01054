#pragma once

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <linux/magic.h>
#include <stdexcept>
#include <string>
#include <sys/vfs.h>
#include <unistd.h>

// A scratch folder for the file-system benchmarks, on tmpfs where there is one, so that the figures
// measure the program and the kernel's directory code rather than a disk. Removed at the end. Given
// another base folder (one on a disk), it is made there instead.
class TmpfsFolder {
public:
    explicit TmpfsFolder(std::string base = "/dev/shm") {
        struct statfs info {};
        if (base == "/dev/shm" && (::statfs(base.c_str(), &info) != 0 || info.f_type != TMPFS_MAGIC))
            base = std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/tsw-bench-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder under " + base);
        path_ = pattern;
        onTmpfs_ = ::statfs(path_.c_str(), &info) == 0 && info.f_type == TMPFS_MAGIC;
    }
    ~TmpfsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TmpfsFolder(const TmpfsFolder&) = delete;
    TmpfsFolder& operator=(const TmpfsFolder&) = delete;

    const std::string& Path() const { return path_; }
    bool OnTmpfs() const { return onTmpfs_; }

    void CreateEmptyFile(const std::string& name) const {
        const int fd = ::open((path_ + "/" + name).c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            throw std::runtime_error("cannot create " + name);
        ::close(fd);
    }

private:
    std::string path_;
    bool onTmpfs_ = false;
};
