// The check of the entry fields on leaving them, and the checks of Preview with the focus they set.
#include "FormFixture.h"
#include "RowNames.h"

namespace {

using rownames::PrintTo;

struct ExitRow {
    const char* label;
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
        EXPECT_EQ(dialogs_.messages,
                  std::vector<std::string>{std::string("Please do not use the character ") + row.refused});
        EXPECT_EQ(QApplication::focusWidget(), field);
    } else {
        EXPECT_TRUE(dialogs_.None());
        EXPECT_NE(QApplication::focusWidget(), field);
    }
    EXPECT_EQ(field->text(), row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Fields, EntryCheck,
    ::testing::Values(ExitRow{"Refused", names::rdbReplacer, names::edtReplace, "a/b\\c", "/"},
                      // The character is named whole, not by its first byte.
                      ExitRow{"AfterAWideCharacter", names::rdbAdd, names::edtBeg, QString::fromUtf8("é€*"),
                              "*"},
                      ExitRow{"PositionIsNotChecked", names::rdbAdd, names::edtPos, "1/2", nullptr},
                      // Each field answers for its own text; a colon passes, a semicolon does not.
                      ExitRow{"SemicolonAfterAColon", names::rdbReplacer, names::edtWith, "a:b;c", ";"},
                      ExitRow{"Quote", names::rdbDeleter, names::edtDelete, "x\"y", "\""},
                      ExitRow{"GreaterThan", names::rdbAdd, names::edtEnd, "a:b>c", ">"},
                      ExitRow{"AngleBeforeBar", names::rdbAdd, names::edtAfter, "a<|>", "<"},
                      // A lone surrogate half (an input method's slip) reaches the names as "?", and the
                      // message names that "?", not a replacement mark.
                      ExitRow{"LoneSurrogateHalf", names::rdbReplacer, names::edtReplace,
                              QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), "?"}),
    rownames::RowLabel());
// clang-format on

TEST_F(EntryCheck, AGridCellTakesAnyCharacter) {
    OpenListing({"a.txt"});
    EditNewName(1, "a;b*c");
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(NewNames(), std::vector<std::string>{"a;b*c"});
}

using Fields = std::vector<std::pair<const char*, QString>>;

struct PreviewRow {
    const char* label;
    const char* radio;
    Fields fields;
    std::string message;
    const char* focus; // the field focused after the message; nullptr: the focus stays on Preview
};

class PreviewCheck : public FormTest, public ::testing::WithParamInterface<PreviewRow> {};

TEST_P(PreviewCheck, StopsWithItsMessageAndFocusAndBlocksGo) {
    const PreviewRow& row = GetParam();
    OpenListing({"a1.txt", "a2.txt"});
    Click(row.radio);
    for (const auto& [field, text] : row.fields)
        Type(field, text);
    Click(names::btnView);
    EXPECT_EQ(form_->PreviewTag(), 1);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{row.message});
    EXPECT_EQ(QApplication::focusWidget(), Find(row.focus ? row.focus : names::btnView));
    EXPECT_EQ(form_->Aborted(), 1);

    // Go after a preview does not compute again, and a stopped preview blocks it.
    dialogs_.Clear();
    Click(names::btnGo);
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a1.txt", "a2.txt"}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Checks, PreviewCheck,
    ::testing::Values(
        PreviewRow{"ReplaceEmpty", names::rdbReplacer, {{names::edtWith, "x"}},
                   "The length of the text to replace has to be at least one character", names::edtReplace},
        PreviewRow{"DeleteEmpty", names::rdbDeleter, {},
                   "The length of the text to delete has to be at least one character", names::edtDelete},
        PreviewRow{"PositionNotANumber", names::rdbAdd, {{names::edtPos, "12 "}, {names::edtBeg, "x"}},
                   "Please make sure that a non decimal number is entered for the position.", names::edtPos},
        PreviewRow{"NothingToAdd", names::rdbAdd, {{names::edtPos, "2"}},
                   "Please enter text to add to at least one place.", names::edtBeg},
        PreviewRow{"DuplicateResult", names::rdbReplacer, {{names::edtReplace, "1"}, {names::edtWith, "2"}},
                   "The result of this will mean that 2 files will be called a2.txt", nullptr}),
    rownames::RowLabel());
// clang-format on

} // namespace
