#pragma once

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <linux/magic.h>
#include <stdexcept>
#include <string>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

// A fresh folder on disk for one test or benchmark, removed with everything in it at the end.
class ScratchFolder {
public:
    // Made in the system's folder for temporary files, or below root (such as /dev/shm, a memory file
    // system) when one is given.
    explicit ScratchFolder(const std::filesystem::path& root = std::filesystem::temp_directory_path()) {
        std::string pattern = (root / "tsw-scratch-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder under " + root.string());
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // /dev/shm where it is a memory file system, else the folder for temporary files: benchmarks made
    // there measure the program and the kernel's directory code rather than a disk.
    static std::filesystem::path InMemory() {
        return OnTmpfs("/dev/shm") ? std::filesystem::path("/dev/shm")
                                   : std::filesystem::temp_directory_path();
    }
    static bool OnTmpfs(const std::filesystem::path& path) {
        struct statfs info {};
        return ::statfs(path.c_str(), &info) == 0 && info.f_type == TMPFS_MAGIC;
    }
    bool OnTmpfs() const { return OnTmpfs(path_); }

    const std::filesystem::path& Path() const { return path_; }
    std::string Name() const { return path_.string(); }
    std::string Sub(const std::string& name) const { return (path_ / name).string(); }

    void AddFolder(const std::string& name) const { std::filesystem::create_directories(path_ / name); }

    void Write(const std::string& name, const std::string& content) const {
        if (!(std::ofstream(path_ / name, std::ios::binary) << content))
            throw std::runtime_error("cannot write " + name);
    }
    // An empty file, made with one call so that a million of them take no longer than they must; a file
    // of that name already there is an error.
    void AddEmptyFile(const std::string& name) const {
        const int fd = ::open((path_ / name).c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            throw std::runtime_error("cannot create " + name);
        ::close(fd);
    }
    // The content of a regular file; empty when it does not exist.
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Every entry, folders included, in byte order.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};
