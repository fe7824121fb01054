// The whole way from a folder to renamed files, in each mode, with the clash question and failures.
#include "FormFixture.h"
#include "RowNames.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using rownames::PrintTo;

using Fields = std::vector<std::pair<const char*, QString>>;

// A mode's way: the fields typed and a button clicked fill the new names before Preview; row 2 is then
// edited by hand to "edited.txt" and Go renames.
struct WorkflowRow {
    const char* label; // the mode's radio button
    Fields fields;
    QString clipboard;  // put on the clipboard first when not empty
    const char* button; // clicked before Preview, or nullptr
    std::vector<std::string> files;
    std::vector<std::string> preview; // the new names after Preview
    std::set<std::string> renamed;    // the folder after Go
};

class EachMode : public FormTest, public ::testing::WithParamInterface<WorkflowRow> {};

TEST_P(EachMode, PreviewEditGoRelist) {
    const WorkflowRow& row = GetParam();
    OpenListing(row.files);
    Click(row.label);
    for (const auto& [field, text] : row.fields)
        Type(field, text);
    if (!row.clipboard.isEmpty())
        QGuiApplication::clipboard()->setText(row.clipboard);
    if (row.button)
        Click(row.button);
    Click(names::btnView);
    ASSERT_EQ(dialogs_.messages, std::vector<std::string>{});
    EXPECT_EQ(NewNames(), row.preview);
    EXPECT_EQ(form_->Aborted(), 0);
    EXPECT_EQ(form_->PreviewTag(), 1);

    EditNewName(2, "edited.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), row.renamed);
    // Listed again: the new names are the old ones now, and nothing is pending.
    EXPECT_EQ(OldNames(), std::vector<std::string>(row.renamed.begin(), row.renamed.end()));
    EXPECT_EQ(NewNames(), std::vector<std::string>(row.renamed.size(), ""));
    EXPECT_EQ(form_->PreviewTag(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Modes, EachMode,
    ::testing::Values(
        WorkflowRow{names::rdbRenamer, {}, "first.txt\r\nsecond.txt\r\n", names::btnPaste,
                    {"a.txt", "b.txt"}, {"first.txt", "second.txt"}, {"edited.txt", "first.txt"}},
        // The unedited copy of a.txt renames it to its own name.
        WorkflowRow{names::rdbManual, {}, "", names::btnCopyOver,
                    {"a.txt", "b.txt"}, {"a.txt", "b.txt"}, {"a.txt", "edited.txt"}},
        WorkflowRow{names::rdbReplacer, {{names::edtReplace, "-"}, {names::edtWith, "_"}}, "", nullptr,
                    {"a-1.txt", "b-2.txt"}, {"a_1.txt", "b_2.txt"}, {"a_1.txt", "edited.txt"}},
        WorkflowRow{names::rdbDeleter, {{names::edtDelete, " old"}}, "", nullptr,
                    {"x old.txt", "y old.txt"}, {"x.txt", "y.txt"}, {"edited.txt", "x.txt"}},
        WorkflowRow{names::rdbAdd,
                    {{names::edtBeg, "["}, {names::edtEnd, "]"}, {names::edtPos, "3"},
                     {names::edtAfter, "-"}}, "", nullptr,
                    {"one.txt", "two.txt"}, {"[one-.txt]", "[two-.txt]"}, {"[one-.txt]", "edited.txt"}}),
    rownames::RowLabel());
// clang-format on

using Workflow = FormTest;

TEST_F(Workflow, GoWithoutPreviewAppliesTheSelectedMode) {
    OpenListing({"a old.txt", "b old.txt"});
    Click(names::rdbDeleter);
    Type(names::edtDelete, " old");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt"}));
}

// Two rows that swap names: one question, for the first row; nothing is ever overwritten.
struct AnswerRow {
    const char* label;
    bool yes;
};

class ClashQuestion : public FormTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(ClashQuestion, NoRenamesNothingAndYesReportsEachFailure) {
    const bool yes = GetParam().yes;
    OpenListing({"a.txt", "b.txt"});
    EditNewName(1, "b.txt");
    EditNewName(2, "a.txt");
    dialogs_.answers.push_back(yes);
    Click(names::btnGo);
    EXPECT_EQ(
        dialogs_.questions,
        std::vector<std::string>{"This rename batch will not work as b.txt will be the same as a file not "
                                 "renamed yet, to continue and face the error click yes."});
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt"}));
    if (yes) {
        EXPECT_EQ(dialogs_.messages,
                  (std::vector<std::string>{"Error renaming file " + folder_.Sub("a.txt"),
                                            "Error renaming file " + folder_.Sub("b.txt")}));
        EXPECT_EQ(NewNames(), (std::vector<std::string>{"", ""})); // listed again
    } else {
        EXPECT_TRUE(dialogs_.messages.empty());
        EXPECT_EQ(NewNames(), (std::vector<std::string>{"b.txt", "a.txt"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ClashQuestion,
                         ::testing::Values(AnswerRow{"No", false}, AnswerRow{"Yes", true}),
                         rownames::RowLabel());

TEST_F(Workflow, AFailedRenameIsReportedAndTheOthersAreDone) {
    OpenListing({"a.txt", "b.txt", "c.txt"});
    // b.txt onto a.txt, which stays: no question (the clash is with an earlier row), but a failure.
    EditNewName(2, "a.txt");
    EditNewName(3, "d.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.questions.empty());
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Error renaming file " + folder_.Sub("b.txt")});
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt", "d.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "d.txt"}));
}

TEST_F(Workflow, DuplicateTypedNamesBlockGoUntilTheyDiffer) {
    OpenListing({"a.txt", "b.txt"});
    EditNewName(1, "same.txt");
    EditNewName(2, "same.txt");
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"The result of this will mean that 2 files will be called same.txt"});
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt"}));

    dialogs_.Clear();
    EditNewName(2, "other.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"other.txt", "same.txt"}));
}

// A stopped Preview keeps Go blocked in the mode it was made in, also after checking another mode and
// coming back; in another mode Go works the names out afresh, and renames once they pass.
TEST_F(Workflow, AStoppedPreviewBlocksGoInItsOwnModeOnly) {
    OpenListing({"a.txt"});
    Click(names::rdbReplacer);
    Click(names::btnView);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    Click(names::rdbManual);
    Click(names::rdbReplacer);
    EXPECT_EQ(form_->PreviewTag(), 1);
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(OnDisk(), std::set<std::string>{"a.txt"});

    Click(names::rdbManual);
    EditNewName(1, "b.txt");
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(OnDisk(), std::set<std::string>{"b.txt"});
}

// The change of mode blanked the names of the passed Preview, so Go applies the mode now checked.
TEST_F(Workflow, GoAfterAPassedPreviewInAnotherModeAppliesTheModeNowChecked) {
    OpenListing({"a.txt", "b.txt"});
    Click(names::rdbReplacer);
    Type(names::edtReplace, "a");
    Type(names::edtWith, "c");
    Click(names::btnView);
    ASSERT_EQ(NewNames(), (std::vector<std::string>{"c.txt", "b.txt"}));
    Click(names::rdbAdd);
    Type(names::edtBeg, "x");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"xa.txt", "xb.txt"}));
    EXPECT_EQ(form_->PreviewTag(), 0);
}

TEST_F(Workflow, NothingListedRenamesNothing) {
    Open();
    EditNewName(1, "typed.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(NewNames(), std::vector<std::string>{"typed.txt"});
}

TEST_F(Workflow, GoActsOnTheListedFolderWhileTheTreeShowsNone) {
    OpenListing({"a.txt"});
    EditNewName(1, "b.txt");
    SelectFolder("");
    Click(names::btnGo);
    EXPECT_EQ(OnDisk(), std::set<std::string>{"b.txt"});
    EXPECT_EQ(OldNames(), std::vector<std::string>{"b.txt"});
}

// A name that is not valid UTF-8 is shown with replacement marks but renamed, or kept, by its bytes.
TEST_F(Workflow, NamesThatAreNotUtf8KeepTheirBytes) {
    const char* latin1 = "caf\xE9.txt";
    OpenListing({latin1, "plain.txt"});
    ASSERT_EQ(OldNames(), (std::vector<std::string>{latin1, "plain.txt"}));

    Click(names::rdbManual);
    Click(names::btnCopyOver);
    EditNewName(2, "other.txt");
    Click(names::btnGo);
    EXPECT_EQ(OnDisk(), (std::set<std::string>{latin1, "other.txt"}));

    Click(names::rdbReplacer);
    Type(names::edtReplace, ".txt");
    Type(names::edtWith, ".md");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"caf\xE9.md", "other.md"}));
}

} // namespace
