// The renaming rules on a folder that ignores letter case (vfat, exFAT), which a test machine cannot
// mount: an in-memory folder answers the system calls the way such a file system does.

#include "engine/batch/BatchRename.h"
#include "platform/files/PosixFolderRenamer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::FileIdentity;
using platform::NoReplaceFlag;
using platform::PosixFolderRenamer;

// Names are looked up without regard to case and keep the spelling they were last given, as on vfat.
class CaseInsensitiveFolder : public platform::FolderCalls {
public:
    void Add(const std::string& name) { entries_[Fold(name)] = {name, ++lastInode_}; }
    std::vector<std::string> Spellings() const {
        std::vector<std::string> names;
        for (const auto& [key, entry] : entries_)
            names.push_back(entry.spelling);
        return names;
    }

    bool flagRefused = false; // the file system answers EINVAL to RENAME_NOREPLACE
    // Called before each rename; a non-zero answer is returned as that rename's failure.
    std::function<int(const std::string& from, const std::string& to)> interfere;

    int RenameNoReplace(const std::string& from, const std::string& to) override {
        if (flagRefused)
            return EINVAL;
        if (entries_.count(Fold(to)) != 0)
            return EEXIST;
        return Move(from, to);
    }
    int RenameReplacing(const std::string& from, const std::string& to) override {
        // Renaming a file onto another spelling of itself succeeds without changing anything.
        if (entries_.count(Fold(to)) != 0 && Fold(from) == Fold(to))
            return entries_.count(Fold(from)) != 0 ? 0 : ENOENT;
        return Move(from, to);
    }
    // Like vfat, the folder has no hard links.
    int Link(const std::string&, const std::string&) override { return EPERM; }
    int Unlink(const std::string& name) override { return entries_.erase(Fold(name)) != 0 ? 0 : ENOENT; }
    int IdentifyFolder(FileIdentity& identity) override {
        identity = {1, 0};
        return 0;
    }
    int Identify(const std::string& name, FileIdentity& identity) override {
        const auto it = entries_.find(Fold(name));
        if (it == entries_.end())
            return ENOENT;
        identity = {1, it->second.inode};
        return 0;
    }

private:
    static std::string Fold(std::string name) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name;
    }
    int Move(const std::string& from, const std::string& to) {
        if (interfere)
            if (const int error = interfere(from, to); error != 0)
                return error;
        const auto it = entries_.find(Fold(from));
        if (it == entries_.end())
            return ENOENT;
        Entry entry = it->second;
        entries_.erase(it);
        entry.spelling = to;
        entries_[Fold(to)] = entry;
        return 0;
    }

    struct Entry {
        std::string spelling;
        std::uint64_t inode;
    };
    std::map<std::string, Entry> entries_;
    std::uint64_t lastInode_ = 0;
};

struct Setup {
    const char* name;
    NoReplaceFlag flag;
    bool flagRefused;
};

void PrintTo(const Setup& row, std::ostream* out) {
    *out << row.name;
}

class CaseInsensitiveRename : public testing::TestWithParam<Setup> {
protected:
    CaseInsensitiveRename() {
        auto calls = std::make_unique<CaseInsensitiveFolder>();
        calls->flagRefused = GetParam().flagRefused;
        folder = calls.get();
        renamer = std::make_unique<PosixFolderRenamer>(std::move(calls), GetParam().flag);
    }
    CaseInsensitiveFolder* folder; // owned by the renamer
    std::unique_ptr<PosixFolderRenamer> renamer;
};

TEST_P(CaseInsensitiveRename, ACaseOnlyRenameLandsButAnotherFileIsNeverReplaced) {
    folder->Add("photo.jpg");
    folder->Add("b.txt");
    EXPECT_TRUE(renamer->Rename("photo.jpg", "Photo.JPG"));
    EXPECT_FALSE(renamer->Rename("Photo.JPG", "B.TXT"));
    EXPECT_EQ(folder->Spellings(), (std::vector<std::string>{"b.txt", "Photo.JPG"}));
}

TEST_P(CaseInsensitiveRename, AFailedStepLeavesTheFileUnderItsOldName) {
    folder->Add("a.txt");
    // The second step fails and the file is put back; then the first step fails.
    folder->interfere = [](const std::string&, const std::string& to) { return to == "A.txt" ? EIO : 0; };
    EXPECT_FALSE(renamer->Rename("a.txt", "A.txt"));
    EXPECT_EQ(folder->Spellings(), std::vector<std::string>{"a.txt"});
    folder->interfere = [](const std::string&, const std::string&) { return EACCES; };
    EXPECT_FALSE(renamer->Rename("a.txt", "A.txt"));
    EXPECT_EQ(folder->Spellings(), std::vector<std::string>{"a.txt"});
}

TEST_P(CaseInsensitiveRename, ATakenTemporaryNameIsPassedOver) {
    folder->Add("a.txt");
    int refusals = 0;
    folder->interfere = [&refusals](const std::string& from, const std::string&) {
        // The first temporary name belongs to somebody else.
        return (from == "a.txt" && refusals++ == 0) ? EEXIST : 0;
    };
    EXPECT_TRUE(renamer->Rename("a.txt", "A.txt"));
    EXPECT_EQ(folder->Spellings(), std::vector<std::string>{"A.txt"});
}

// The new spelling cannot be set, and putting the file back fails as well: once (it is tried again) or
// for good, when the report of the batch says where the file now is.
TEST_P(CaseInsensitiveRename, AFailedPutBackIsTriedAgainAndThenNamedInTheReport) {
    folder->Add("a.txt");
    int putBackFailures = 1;
    folder->interfere = [&](const std::string&, const std::string& to) {
        return to == "A.txt" || (to == "a.txt" && putBackFailures-- > 0) ? EIO : 0;
    };
    EXPECT_FALSE(renamer->Rename("a.txt", "A.txt"));
    EXPECT_EQ(folder->Spellings(), std::vector<std::string>{"a.txt"});

    putBackFailures = 2;
    struct OneFolder : engine::FileRenamer {
        std::unique_ptr<engine::FolderRenamer> renamer;
        std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string&) override {
            return std::move(renamer);
        }
    } files;
    files.renamer = std::move(renamer);
    // The report is read while the batch still holds the folder, and compared with what the folder holds.
    struct Report : engine::BatchPrompts {
        CaseInsensitiveFolder* folder;
        std::string text;
        std::vector<std::string> spellings;
        bool ConfirmClash(const std::string&) override { return true; }
        void ReportFailure(const std::string& failure) override {
            text = failure;
            spellings = folder->Spellings();
        }
    } report;
    report.folder = folder;
    engine::RunBatch({"/media/stick", {{"a.txt", "A.txt"}}}, files, report);
    ASSERT_EQ(report.spellings.size(), 1u);
    EXPECT_TRUE(report.spellings[0].starts_with(".tsw-rename-")) << report.spellings[0];
    EXPECT_EQ(report.text, "Error renaming file /media/stick/a.txt (the file is now /media/stick/" +
                               report.spellings[0] + ")");
}

INSTANTIATE_TEST_SUITE_P(Folders, CaseInsensitiveRename,
                         testing::Values(Setup{"WithFlag", NoReplaceFlag::Use, false},
                                         Setup{"FlagRefused", NoReplaceFlag::Use, true},
                                         Setup{"FlagNotTried", NoReplaceFlag::Emulate, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
