// The renaming rules on a folder that ignores letter case (vfat, exFAT), which a test machine cannot
// mount: an in-memory folder answers the system calls the way such a file system does.

#include "AnswerYes.h"
#include "RowNames.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/UndoPlan.h"
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

using rownames::PrintTo;

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
    bool hardLinks = false;   // the file system has hard links (ext4 with casefold, ntfs3), unlike vfat
    int unlinkError = 0;      // every Unlink fails with this error when it is not 0
    // Called before each rename or new link; a non-zero answer is returned as that call's failure.
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
    // Like vfat, the folder has no hard links, unless told otherwise.
    int Link(const std::string& from, const std::string& to) override {
        if (!hardLinks)
            return EPERM;
        const auto it = entries_.find(Fold(from));
        if (it == entries_.end())
            return ENOENT;
        if (entries_.count(Fold(to)) != 0)
            return EEXIST;
        if (interfere)
            if (const int error = interfere(from, to); error != 0)
                return error;
        entries_[Fold(to)] = {to, it->second.inode};
        return 0;
    }
    int Unlink(const std::string& name) override {
        if (unlinkError != 0)
            return unlinkError;
        return entries_.erase(Fold(name)) != 0 ? 0 : ENOENT;
    }
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

// What a batch of one rename reported, and the folder's names at the moment of the report.
struct BatchReport {
    std::string text;
    std::vector<std::string> spellings;
};

BatchReport RunOneRename(std::unique_ptr<engine::FolderRenamer> renamer,
                         const CaseInsensitiveFolder& folder) {
    struct OneFolder : engine::FileRenamer {
        std::unique_ptr<engine::FolderRenamer> renamer;
        std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string&) override {
            return std::move(renamer);
        }
    } files;
    files.renamer = std::move(renamer);
    // The report is read while the batch still holds the folder, and compared with what the folder holds.
    struct Report : engine::BatchPrompts {
        const CaseInsensitiveFolder* folder;
        BatchReport report;
        bool ConfirmClash(const std::string&) override { return true; }
        void ReportFailure(const std::string& failure) override {
            report.text = failure;
            report.spellings = folder->Spellings();
        }
    } prompts;
    prompts.folder = &folder;
    engine::RunBatch({"/media/stick", {{"a.txt", "A.txt"}}}, files, prompts);
    return prompts.report;
}

struct Setup {
    const char* label;
    NoReplaceFlag flag;
    bool flagRefused;
    bool hardLinks = false;
};

class CaseInsensitiveRename : public testing::TestWithParam<Setup> {
protected:
    CaseInsensitiveRename() {
        auto calls = std::make_unique<CaseInsensitiveFolder>();
        calls->flagRefused = GetParam().flagRefused;
        calls->hardLinks = GetParam().hardLinks;
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
    const BatchReport report = RunOneRename(std::move(renamer), *folder);
    ASSERT_EQ(report.spellings.size(), 1u);
    EXPECT_TRUE(report.spellings[0].starts_with(".tsw-rename-")) << report.spellings[0];
    EXPECT_EQ(report.text, "Error renaming file /media/stick/a.txt (the file is now /media/stick/" +
                               report.spellings[0] + ")");
}

// Undo renames "A.txt" back to "a.txt" the same way; when its put-back fails for good, its report says
// where the file is rather than only that the rename back failed.
TEST_P(CaseInsensitiveRename, AnUndoThatLeavesATemporaryNameSaysWhereTheFileIs) {
    folder->Add("A.txt");
    folder->interfere = [](const std::string&, const std::string& to) {
        return to == "a.txt" || to == "A.txt" ? EIO : 0;
    };
    engine::Journal journal{"/media/stick", {1, 0}, {{"a.txt", "A.txt"}}, std::vector<bool>{true}};
    const engine::UndoPlan plan = engine::PlanUndo(journal, folder->Spellings());
    fakes::AnswerYes prompts;
    const engine::UndoResult result = engine::RunUndo(journal, plan, *renamer, prompts);
    const std::vector<std::string> spellings = folder->Spellings();
    ASSERT_EQ(spellings.size(), 1u);
    ASSERT_TRUE(spellings[0].starts_with(".tsw-rename-")) << spellings[0];
    EXPECT_EQ(engine::UndoFailureReport(result.failures),
              "1 file could not be renamed back: A.txt (Input/output error, the file is now /media/stick/" +
                  spellings[0] + ").");
}

INSTANTIATE_TEST_SUITE_P(Folders, CaseInsensitiveRename,
                         testing::Values(Setup{"WithFlag", NoReplaceFlag::Use, false},
                                         Setup{"FlagRefused", NoReplaceFlag::Use, true},
                                         Setup{"FlagNotTried", NoReplaceFlag::Emulate, false},
                                         Setup{"HardLinksFlagRefused", NoReplaceFlag::Use, true, true}),
                         rownames::RowLabel());

// A file system with hard links that refuses the no-replace flag: the step to the temporary name links
// it and then removes the old name. When no name can be removed (a failing disk), the file keeps its old
// name and the temporary one, and the report names the temporary one.
TEST(CaseInsensitiveRenameWithLinks, ATemporaryNameThatCannotBeTakenAwayIsNamedInTheReport) {
    auto calls = std::make_unique<CaseInsensitiveFolder>();
    CaseInsensitiveFolder& folder = *calls;
    folder.flagRefused = true;
    folder.hardLinks = true;
    folder.unlinkError = EIO;
    folder.Add("a.txt");
    const BatchReport report = RunOneRename(std::make_unique<PosixFolderRenamer>(std::move(calls)), folder);
    ASSERT_EQ(report.spellings.size(), 2u);
    EXPECT_EQ(report.spellings[1], "a.txt");
    EXPECT_TRUE(report.spellings[0].starts_with(".tsw-rename-")) << report.spellings[0];
    EXPECT_EQ(report.text, "Error renaming file /media/stick/a.txt (the file is also under /media/stick/" +
                               report.spellings[0] + ")");
}

} // namespace
