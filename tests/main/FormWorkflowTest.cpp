// The whole way from a folder to renamed files, in each mode, with the clash question and failures.
#include "FormFixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using Fields = std::vector<std::pair<const char*, QString>>;

// A transformation mode: Preview fills the new names, one is edited by hand, Go renames.
struct TransformRow {
    const char* test;
    const char* radio;
    Fields fields;
    std::vector<std::string> files;   // in the grid's order
    std::vector<std::string> preview; // the new names Preview computes
    std::set<std::string> renamed;    // the folder after Go, once row 2 was edited to "edited.txt"
};

class TransformWorkflow : public FormTest, public ::testing::WithParamInterface<TransformRow> {};

TEST_P(TransformWorkflow, PreviewEditGoRelist) {
    const TransformRow& row = GetParam();
    for (const auto& name : row.files)
        folder_.Add(name);
    Open();
    ListFiles();
    Click(row.radio);
    for (const auto& [field, text] : row.fields)
        Type(field, text);
    Click(names::btnView);
    ASSERT_TRUE(dialogs_.Boxes().empty()) << dialogs_.Boxes().front().text;
    EXPECT_EQ(NewNames(), row.preview);
    EXPECT_EQ(form_->Aborted(), 0);
    EXPECT_EQ(form_->PreviewTag(), 1);

    EditCell(1, 2, "edited.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), row.renamed);
    // Listed again: the new names are the old ones now, and nothing is pending.
    EXPECT_EQ(OldNames(), std::vector<std::string>(row.renamed.begin(), row.renamed.end()));
    EXPECT_EQ(NewNames(), std::vector<std::string>(row.renamed.size(), ""));
    EXPECT_EQ(form_->PreviewTag(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TransformWorkflow,
    ::testing::Values(
        TransformRow{"Replacer",
                     names::rdbReplacer,
                     {{names::edtReplace, "-"}, {names::edtWith, "_"}},
                     {"a-1.txt", "b-2.txt"},
                     {"a_1.txt", "b_2.txt"},
                     {"a_1.txt", "edited.txt"}},
        TransformRow{"Deleter",
                     names::rdbDeleter,
                     {{names::edtDelete, " old"}},
                     {"x old.txt", "y old.txt"},
                     {"x.txt", "y.txt"},
                     {"edited.txt", "x.txt"}},
        TransformRow{
            "Adder",
            names::rdbAdd,
            {{names::edtBeg, "["}, {names::edtEnd, "]"}, {names::edtPos, "3"}, {names::edtAfter, "-"}},
            {"one.txt", "two.txt"},
            {"[one-.txt]", "[two-.txt]"},
            {"[one-.txt]", "edited.txt"}},
        // The transformation changes nothing in "keep.txt": it still gets its new name, its own.
        TransformRow{"ReplacerWithoutMatch",
                     names::rdbReplacer,
                     {{names::edtReplace, "z"}, {names::edtWith, "y"}},
                     {"keep.txt", "zz.txt"},
                     {"keep.txt", "yy.txt"},
                     {"edited.txt", "keep.txt"}}),
    [](const auto& info) { return std::string(info.param.test); });

using Workflow = FormTest;

TEST_F(Workflow, GoWithoutPreviewAppliesTheSelectedMode) {
    folder_.Add("a old.txt");
    folder_.Add("b old.txt");
    Open();
    ListFiles();
    Click(names::rdbDeleter);
    Type(names::edtDelete, " old");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(Workflow, ClipboardModeRenamesByThePastedLines) {
    folder_.Add("a.txt");
    folder_.Add("b.txt");
    Open();
    ListFiles();
    Click(names::btnCopy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a.txt\r\nb.txt\r\n");
    QGuiApplication::clipboard()->setText("first.txt\r\nsecond.txt\r\n");
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"first.txt", "second.txt"}));
    Click(names::btnView);
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"first.txt", "second.txt"}));
}

TEST_F(Workflow, ManualModeRenamesTheEditedCopyAndKeepsTheRest) {
    folder_.Add("a.txt");
    folder_.Add("b.txt");
    Open();
    ListFiles();
    Click(names::rdbManual);
    Click(names::btnCopyOver);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EditCell(1, 1, "z.txt");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"z.txt", "b.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"b.txt", "z.txt"}));
}

// Two rows that swap names: one question, for the first row.
class ClashQuestion : public FormTest {
protected:
    void SwapNames() {
        folder_.Add("a.txt", "A");
        folder_.Add("b.txt", "B");
        Open();
        ListFiles();
        EditCell(1, 1, "b.txt");
        EditCell(1, 2, "a.txt");
    }
    const std::string question =
        "This rename batch will not work as b.txt will be the same as a file not renamed "
        "yet, to continue and face the error click yes.";
};

TEST_F(ClashQuestion, NoRenamesNothingAndKeepsTheGrid) {
    SwapNames();
    dialogs_.Answer(false);
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.Questions(), std::vector<std::string>{question});
    EXPECT_TRUE(dialogs_.Messages().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"b.txt", "a.txt"}));
}

TEST_F(ClashQuestion, YesReportsEachFailedRenameAndListsAgain) {
    SwapNames();
    dialogs_.Answer(true);
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.Questions(), std::vector<std::string>{question});
    EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{"Error renaming file " + folder_.Sub("a.txt"),
                                                             "Error renaming file " + folder_.Sub("b.txt")}));
    // Nothing was overwritten.
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"", ""}));
}

TEST_F(Workflow, AFailedRenameIsReportedAndTheOthersAreDone) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        folder_.Add(name);
    Open();
    ListFiles();
    // b.txt onto a.txt, which stays: no question (the clash is with an earlier row), but a failure.
    EditCell(1, 2, "a.txt");
    EditCell(1, 3, "d.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Questions().empty());
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Error renaming file " + folder_.Sub("b.txt")});
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a.txt", "b.txt", "d.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "d.txt"}));
}

TEST_F(Workflow, DuplicateTypedNamesBlockGoUntilTheyDiffer) {
    folder_.Add("a.txt");
    folder_.Add("b.txt");
    Open();
    ListFiles();
    EditCell(1, 1, "same.txt");
    EditCell(1, 2, "same.txt");
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.Messages(),
              std::vector<std::string>{"The result of this will mean that 2 files will be called same.txt"});
    EXPECT_EQ(form_->Aborted(), 1);
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a.txt", "b.txt"}));

    dialogs_.Clear();
    EditCell(1, 2, "other.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"other.txt", "same.txt"}));
}

TEST_F(Workflow, NothingListedRenamesNothing) {
    Open();
    EditCell(1, 1, "typed.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(NewNames(), std::vector<std::string>{"typed.txt"});
}

TEST_F(Workflow, GoActsOnTheListedFolderWhileTheTreeShowsNone) {
    folder_.Add("a.txt");
    Open();
    ListFiles();
    EditCell(1, 1, "b.txt");
    SelectFolder("");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), std::set<std::string>{"b.txt"});
    EXPECT_EQ(OldNames(), std::vector<std::string>{"b.txt"});
}

// A name that is not valid UTF-8 is shown with replacement marks but renamed, or kept, by its bytes.
TEST_F(Workflow, NamesThatAreNotUtf8KeepTheirBytes) {
    const std::string latin1 = "caf\xE9.txt";
    folder_.Add(latin1);
    folder_.Add("plain.txt");
    Open();
    ListFiles();
    ASSERT_EQ(OldNames(), (std::vector<std::string>{latin1, "plain.txt"}));
    EXPECT_EQ(Grid()->model()->index(0, 0).data().toString(), QString::fromUtf8(latin1.c_str()));

    Click(names::rdbManual);
    Click(names::btnCopyOver);
    EditCell(1, 2, "other.txt");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{latin1, "other.txt"}));

    Click(names::rdbReplacer);
    Type(names::edtReplace, ".txt");
    Type(names::edtWith, ".md");
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"caf\xE9.md", "other.md"}));
}

} // namespace
