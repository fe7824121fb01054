// The window's parts that need no window: the application title and the grid model's handling of bytes.
#include "RowNames.h"
#include "main/Dialogs.h"
#include "main/NameGridModel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

struct TitleRow {
    const char* label;
    const char* path;
    const char* title;
};

class AppTitle : public ::testing::TestWithParam<TitleRow> {};

TEST_P(AppTitle, IsTheFileNameCutAtItsFirstDotWithTheRestInLowerCase) {
    EXPECT_EQ(ApplicationTitle(QString::fromUtf8(GetParam().path)), QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Names, AppTitle,
                         ::testing::Values(TitleRow{"UpperCaseExtension", "/opt/QUILLMAP.EXE", "Quillmap"},
                                           TitleRow{"TwoDots", "/x/quillMap.tar.gz", "quillmap"},
                                           TitleRow{"DotInTheFolder", "/a.b/Renamer", "Renamer"},
                                           TitleRow{"LetterBeyondAscii", "/x/ÉCOLE", "École"},
                                           TitleRow{"HiddenFile", "/x/.hidden", ""}),
                         rownames::RowLabel());

TEST(GridModel, AnUnchangedEditKeepsTheBytesAndAChangedOneWritesUtf8) {
    NameGridModel model;
    model.Reset([](engine::NameGrid& grid) { grid.List({"caf\xE9.txt", "b.txt"}); });
    // Both columns take edits.
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    const QModelIndex cell = model.index(0, 0);
    const QString shown = cell.data(Qt::EditRole).toString();
    EXPECT_TRUE(shown.contains(QChar::ReplacementCharacter));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(cell, shown));
    EXPECT_EQ(model.Grid().Cell(0, 1), "caf\xE9.txt");
    EXPECT_EQ(changed.count(), 0);

    EXPECT_TRUE(model.setData(model.index(1, 1), QString::fromUtf8("né.txt")));
    EXPECT_EQ(model.Grid().Cell(1, 2), "n\xC3\xA9.txt");
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
