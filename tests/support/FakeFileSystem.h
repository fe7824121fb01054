#pragma once

#include "engine/batch/FileRenamer.h"
#include "engine/batch/FolderIdentity.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fakes {

// An in-memory file system for batch and window tests. It behaves as the real one does where the batch can
// tell: a rename never overwrites, a rename of a file onto its own name succeeds without change, and a
// name that could leave its folder is refused. It can be told to fail the n-th rename, and it records every
// attempt.
class FakeFileSystem : public engine::FileRenamer {
public:
    struct Attempt {
        std::string folder;
        std::string oldName;
        std::string newName;
        bool succeeded = false;
    };

    // A folder added again after its removal is another folder at the same path, with its own identity.
    void AddFolder(const std::string& folder) {
        folders_[folder];
        if (identities_.count(folder) == 0)
            identities_[folder] = {1, ++lastInode_, ++lastBirth_};
    }
    // The folder deleted and made again, empty, with the same inode number (as ext4 may hand it out
    // again) but a birth time of its own.
    void RecreateFolder(const std::string& folder) {
        folders_[folder].clear();
        identities_[folder].birth = ++lastBirth_;
    }
    // The content travels with the file through its renames, so tests can tell which file a name holds.
    void AddFile(const std::string& folder, const std::string& name, const std::string& content = {}) {
        AddFolder(folder);
        folders_[folder][name] = content;
    }
    void RemoveFolder(const std::string& folder) {
        folders_.erase(folder);
        identities_.erase(folder);
    }

    bool HasFile(const std::string& folder, const std::string& name) const {
        const auto it = folders_.find(folder);
        return it != folders_.end() && it->second.count(name) != 0;
    }
    // The folder's names in byte order; empty for an unknown folder.
    std::vector<std::string> Files(const std::string& folder) const {
        std::vector<std::string> names;
        if (const auto it = folders_.find(folder); it != folders_.end())
            for (const auto& [name, content] : it->second)
                names.push_back(name);
        return names;
    }
    // The content of a file; empty for a missing one.
    std::string Content(const std::string& folder, const std::string& name) const {
        if (!HasFile(folder, name))
            return {};
        return folders_.at(folder).at(name);
    }

    // The n-th call of Rename (counted from 1 over all folders) fails and changes nothing; the folder then
    // gives `reason` as the failure's reason, by default the one a read-only file system gives.
    void FailRenameNumber(int n, std::string reason = "Read-only file system") {
        failing_.insert(n);
        reasons_[n] = std::move(reason);
    }
    // OpenFolder of this folder answers nullptr, as for a folder that cannot be opened.
    void FailOpen(const std::string& folder) { unopenable_.insert(folder); }

    const std::vector<Attempt>& Attempts() const { return attempts_; }
    // Only the renames that changed something on the "disk", in order.
    std::vector<Attempt> Renames() const {
        std::vector<Attempt> done;
        for (const auto& attempt : attempts_)
            if (attempt.succeeded && attempt.oldName != attempt.newName)
                done.push_back(attempt);
        return done;
    }
    int OpenCount() const { return openCount_; }

    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string& folder) override {
        ++openCount_;
        if (unopenable_.count(folder) != 0 || folders_.count(folder) == 0)
            return nullptr;
        return std::make_unique<Folder>(*this, folder);
    }

private:
    class Folder : public engine::FolderRenamer {
    public:
        Folder(FakeFileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}
        bool Rename(const std::string& oldName, const std::string& newName) override {
            return files_.Rename(folder_, oldName, newName);
        }
        std::optional<engine::FolderIdentity> Identity() override {
            const auto it = files_.identities_.find(folder_);
            if (it == files_.identities_.end())
                return std::nullopt;
            return it->second;
        }
        std::string FailureReason() const override { return files_.failure_; }
        std::optional<std::vector<std::string>> EntryNames() override { return files_.Files(folder_); }

    private:
        FakeFileSystem& files_;
        std::string folder_;
    };

    static bool Refused(const std::string& name) {
        return name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
               name.find('\0') != std::string::npos;
    }

    bool Rename(const std::string& folder, const std::string& oldName, const std::string& newName) {
        const int number = static_cast<int>(attempts_.size()) + 1;
        attempts_.push_back({folder, oldName, newName, false});
        failure_.clear();
        if (failing_.count(number) != 0)
            return failure_ = reasons_.at(number), false;
        if (Refused(oldName) || Refused(newName))
            return failure_ = "Invalid argument", false;
        // A folder removed while it was open has no files left to rename.
        const auto it = folders_.find(folder);
        if (it == folders_.end() || it->second.count(oldName) == 0)
            return failure_ = "No such file or directory", false;
        auto& files = it->second;
        const auto source = files.find(oldName);
        if (oldName != newName) {
            if (files.count(newName) != 0)
                return failure_ = "File exists", false;
            std::string content = std::move(source->second);
            files.erase(source);
            files.emplace(newName, std::move(content));
        }
        attempts_.back().succeeded = true;
        return true;
    }

    std::map<std::string, std::map<std::string, std::string>> folders_; // folder -> name -> content
    std::map<std::string, engine::FolderIdentity> identities_;
    std::uint64_t lastInode_ = 0;
    std::int64_t lastBirth_ = 1000000000;
    std::string failure_; // why the last Rename failed
    std::set<int> failing_;
    std::map<int, std::string> reasons_;
    std::set<std::string> unopenable_;
    std::vector<Attempt> attempts_;
    int openCount_ = 0;
};

} // namespace fakes
