// The check of the entry fields on leaving them, and the checks of Preview with the focus they set.
#include "FormFixture.h"

namespace {

struct ExitRow {
    const char* test;
    const char* radio; // the mode that enables the field
    const char* field;
    QString text;
    const char* refused; // the character named, nullptr when the text passes
};

class EntryCheck : public FormTest, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(EntryCheck, LeavingTheFieldNamesTheFirstRefusedCharacterAndReturns) {
    const ExitRow& row = GetParam();
    Open();
    Click(row.radio);
    Type(row.field, row.text);
    // Leave the field for the grid, as a user clicking there would.
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton);
    auto* field = Find<QLineEdit>(row.field);
    if (row.refused) {
        EXPECT_EQ(dialogs_.Messages(),
                  std::vector<std::string>{std::string("Please do not use the character ") + row.refused});
        EXPECT_EQ(QApplication::focusWidget(), field);
    } else {
        EXPECT_TRUE(dialogs_.Boxes().empty());
        EXPECT_NE(QApplication::focusWidget(), field);
    }
    EXPECT_EQ(field->text(), row.text);
    EXPECT_EQ(form_->Aborted(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EntryCheck,
    ::testing::Values(ExitRow{"SlashBeforeBackslash", names::rdbReplacer, names::edtReplace, "a/b\\c", "/"},
                      ExitRow{"ColonPasses", names::rdbReplacer, names::edtWith, "x:y", nullptr},
                      ExitRow{"AfterAWideCharacter", names::rdbAdd, names::edtBeg, QString::fromUtf8("é€*"),
                              "*"},
                      ExitRow{"QuoteFirst", names::rdbAdd, names::edtAfter, "\"<>|", "\""},
                      ExitRow{"PositionIsNotChecked", names::rdbAdd, names::edtPos, "1/2", nullptr}),
    [](const auto& info) { return std::string(info.param.test); });

TEST_F(EntryCheck, AGridCellTakesAnyCharacter) {
    folder_.Add("a.txt");
    Open();
    ListFiles();
    EditCell(1, 1, "a;b*c");
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(NewNames(), std::vector<std::string>{"a;b*c"});
}

using Fields = std::vector<std::pair<const char*, QString>>;

struct PreviewRow {
    const char* test;
    const char* radio;
    Fields fields;
    std::string message; // empty when Preview passes
    const char* focus;   // the field focused after the message; nullptr: the focus stays on Preview
};

class PreviewCheck : public FormTest, public ::testing::WithParamInterface<PreviewRow> {};

TEST_P(PreviewCheck, StopsWithItsMessageAndFocusAndBlocksGo) {
    const PreviewRow& row = GetParam();
    folder_.Add("a1.txt");
    folder_.Add("a2.txt");
    Open();
    ListFiles();
    Click(row.radio);
    for (const auto& [field, text] : row.fields)
        Type(field, text);
    Click(names::btnView);
    EXPECT_EQ(form_->PreviewTag(), 1);
    if (row.message.empty()) {
        EXPECT_TRUE(dialogs_.Boxes().empty());
        EXPECT_EQ(form_->Aborted(), 0);
        return;
    }
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{row.message});
    EXPECT_EQ(QApplication::focusWidget(), Find(row.focus ? row.focus : names::btnView));
    EXPECT_EQ(form_->Aborted(), 1);

    // Go after a preview does not compute again, and a stopped preview blocks it.
    dialogs_.Clear();
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"a1.txt", "a2.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, PreviewCheck,
    ::testing::Values(PreviewRow{"ReplaceEmpty",
                                 names::rdbReplacer,
                                 {{names::edtWith, "x"}},
                                 "The length of the text to replace has to be at least one character",
                                 names::edtReplace},
                      PreviewRow{"DeleteEmpty",
                                 names::rdbDeleter,
                                 {},
                                 "The length of the text to delete has to be at least one character",
                                 names::edtDelete},
                      PreviewRow{"PositionWithTrailingBlank",
                                 names::rdbAdd,
                                 {{names::edtPos, "12 "}, {names::edtBeg, "x"}},
                                 "Please make sure that a non decimal number is entered for the position.",
                                 names::edtPos},
                      PreviewRow{"PositionWithLeadingBlanks",
                                 names::rdbAdd,
                                 {{names::edtPos, "  12"}, {names::edtBeg, "x"}},
                                 "",
                                 nullptr},
                      PreviewRow{"NothingToAdd",
                                 names::rdbAdd,
                                 {{names::edtPos, "2"}},
                                 "Please enter text to add to at least one place.",
                                 names::edtBeg},
                      PreviewRow{"DuplicateResult",
                                 names::rdbReplacer,
                                 {{names::edtReplace, "1"}, {names::edtWith, "2"}},
                                 "The result of this will mean that 2 files will be called a2.txt",
                                 nullptr}),
    [](const auto& info) { return std::string(info.param.test); });

TEST_F(PreviewCheck, AStoppedReplaceLeavesTheNewNamesAlone) {
    folder_.Add("a.txt");
    Open();
    ListFiles();
    Click(names::rdbReplacer);
    EditCell(1, 1, "typed.txt");
    Click(names::btnView);
    EXPECT_EQ(NewNames(), std::vector<std::string>{"typed.txt"});
    EXPECT_EQ(form_->Aborted(), 1);
}

TEST_F(PreviewCheck, AnEmptyFolderPassesAndClearsTheBlock) {
    folder_.Add("a.txt");
    folder_.Add("b.txt");
    folder_.AddFolder("empty");
    Open();
    ListFiles();
    EditCell(1, 1, "same.txt");
    EditCell(1, 2, "same.txt");
    Click(names::btnView);
    ASSERT_EQ(form_->Aborted(), 1);
    dialogs_.Clear();
    SelectFolder(folder_.Sub("empty"));
    Click(names::btnView);
    EXPECT_TRUE(dialogs_.Boxes().empty());
    EXPECT_EQ(form_->Aborted(), 0);
}

} // namespace
