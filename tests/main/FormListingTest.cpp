// Following the tree with the file list and the grid, Refresh, and the five modes.
#include "FormFixture.h"
#include "RowNames.h"

namespace {

using rownames::PrintTo;

using Listing = FormTest;

TEST_F(Listing, ListsFilesButNoFoldersAndAnEmptyFolderKeepsTheHeader) {
    folder_.AddFolder("empty");
    OpenListing({"b.txt", ".hidden", "C.txt", "a.TXT"});
    EXPECT_EQ(OldNames(), (std::vector<std::string>{".hidden", "a.TXT", "b.txt", "C.txt"}));
    EXPECT_EQ(NewNames(), std::vector<std::string>(4, ""));
    SelectFolder(folder_.Sub("empty"));
    EXPECT_EQ(Grid()->model()->rowCount(), 0);
    EXPECT_EQ(Grid()->model()->headerData(0, Qt::Horizontal).toString(), "Filename");
    EXPECT_EQ(Grid()->model()->headerData(1, Qt::Horizontal).toString(), "New Name");
}

TEST_F(Listing, TheFolderAlreadyListedIsNotReadAgainButRefreshReadsIt) {
    OpenListing({"a.txt"});
    EditNewName(1, "typed.txt");
    folder_.Write("b.txt", "x");
    ListFiles();
    EXPECT_EQ(OldNames(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(NewNames(), std::vector<std::string>{"typed.txt"});

    Click(names::btnView);
    ASSERT_EQ(form_->PreviewTag(), 1);
    Click(names::btnRefresh);
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(form_->PreviewTag(), 0);
}

TEST_F(Listing, AFolderThatCannotBeReadIsReportedAndTheGridStays) {
    folder_.AddFolder("vanishing");
    folder_.Write("vanishing/v.txt", "x");
    Open();
    SelectFolder(folder_.Sub("vanishing"));
    EditNewName(1, "w.txt");
    std::filesystem::remove_all(folder_.Sub("vanishing"));
    Click(names::btnRefresh);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"File not found"});
    EXPECT_EQ(OldNames(), std::vector<std::string>{"v.txt"});
    EXPECT_EQ(NewNames(), std::vector<std::string>{"w.txt"});
}

// What each mode leaves usable: the clipboard buttons, "Duiplicate" and the entry fields.
struct ModeRow {
    const char* label; // the mode's radio button
    std::set<std::string> enabled;
    bool copyOverShown;
};

class Modes : public FormTest, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(Modes, SetTheControlsAndBlankTheNewNames) {
    const ModeRow& row = GetParam();
    OpenListing({"a.txt", "b.txt"});
    // Start from another mode, so that the radio button under test really becomes checked.
    Click(std::string(row.label) == names::rdbAdd ? names::rdbManual : names::rdbAdd);
    EditNewName(1, "new.txt");
    Click(row.label);
    EXPECT_TRUE(Find<QRadioButton>(row.label)->isChecked());
    EXPECT_EQ(EnabledModeControls(), row.enabled);
    EXPECT_EQ(!Find(names::btnCopyOver)->isHidden(), row.copyOverShown);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    EachMode, Modes,
    ::testing::Values(
        ModeRow{names::rdbRenamer, {names::btnCopy, names::btnPaste}, false},
        ModeRow{names::rdbManual, {}, true},
        ModeRow{names::rdbReplacer, {names::edtReplace, names::edtWith}, false},
        ModeRow{names::rdbDeleter, {names::edtDelete}, false},
        ModeRow{names::rdbAdd, {names::edtBeg, names::edtEnd, names::edtPos, names::edtAfter}, false}),
    rownames::RowLabel());

TEST_F(Modes, TheCheckedModeClickedAgainKeepsTheNewNames) {
    OpenListing({"a.txt"});
    EditNewName(1, "kept.txt");
    Click(names::rdbRenamer);
    EXPECT_EQ(NewNames(), std::vector<std::string>{"kept.txt"});
}

} // namespace
