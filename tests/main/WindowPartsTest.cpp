// The window's parts that need no window: the application title, the remembered-folder store and the
// grid model's handling of bytes.
#include "WindowTestSupport.h"
#include "main/Dialogs.h"
#include "main/NameGridModel.h"
#include "platform/FolderStore.h"

#include <QSettings>
#include <QSignalSpy>

namespace {

struct TitleRow {
    const char* path;
    const char* title;
};

class AppTitle : public ::testing::TestWithParam<TitleRow> {};

TEST_P(AppTitle, IsTheFileNameCutAtItsFirstDotWithTheRestInLowerCase) {
    EXPECT_EQ(ApplicationTitle(QString::fromUtf8(GetParam().path)), QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Names, AppTitle,
                         ::testing::Values(TitleRow{"/usr/bin/Quillmap", "Quillmap"},
                                           TitleRow{"/opt/QUILLMAP.EXE", "Quillmap"},
                                           TitleRow{"/x/quillMap.tar.gz", "quillmap"},
                                           TitleRow{"/a.b/Renamer", "Renamer"}, TitleRow{"/x/ÉCOLE", "École"},
                                           TitleRow{"/x/.hidden", ""}));

class Store : public ::testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    static QSettings Settings() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harbeck"),
                         QStringLiteral("TitleShaperWorkshop"));
    }
    static void Forget() {
        QSettings settings = Settings();
        settings.clear();
        settings.sync();
    }
    platform::SettingsFolderStore store_;
};

class StoreRoundTrip : public Store, public ::testing::WithParamInterface<std::string> {};

TEST_P(StoreRoundTrip, ReadsBackWhatItWrote) {
    store_.SaveFolder(GetParam());
    EXPECT_EQ(platform::SettingsFolderStore().LoadFolder(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Folders, StoreRoundTrip,
                         ::testing::Values("", "/", "/home/user/Pictures", "/tmp/with, comma; and = sign",
                                           "/tmp/\xC3\xA9t\xC3\xA9", "/tmp/caf\xE9", "/tmp/@ByteArray"));

TEST_F(Store, NothingStoredReadsAsTheEmptyText) {
    EXPECT_EQ(store_.LoadFolder(), "");
}

TEST_F(Store, AFolderIsWrittenAsPlainTextForOtherTools) {
    store_.SaveFolder("/srv/data");
    EXPECT_EQ(Settings().value("CloseDir").typeId(), QMetaType::QString);
    EXPECT_EQ(Settings().value("CloseDir").toString(), "/srv/data");
}

TEST_F(Store, TheTextEndsAtItsFirstNul) {
    Settings().setValue("CloseDir", QString::fromUtf8("/tmp\0/rest", 10));
    EXPECT_EQ(store_.LoadFolder(), "/tmp");
}

// Grid row 0 is the header; the model's rows are the file rows.
TEST(GridModel, ShowsTheHeaderAndOneRowPerFile) {
    NameGridModel model;
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "");
    model.Reset([](engine::NameGrid& grid) { grid.List({"a.txt", "b.txt"}); });
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Filename");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "New Name");
    EXPECT_EQ(model.index(1, 0).data().toString(), "b.txt");
    EXPECT_EQ(model.index(1, 1).data().toString(), "");
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
}

TEST(GridModel, AnUnchangedEditKeepsTheBytesAndAChangedOneWritesUtf8) {
    NameGridModel model;
    model.Reset([](engine::NameGrid& grid) { grid.List({"caf\xE9.txt", "b.txt"}); });
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

TEST(GridModel, NewNameChangesReachTheViewWithoutAReset) {
    NameGridModel model;
    model.Reset([](engine::NameGrid& grid) { grid.List({"a", "b", "c"}); });
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.ChangeNewNames([](engine::NameGrid& grid) { grid.SetCell(1, 2, "x"); });
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex(), model.index(0, 1));
    EXPECT_EQ(changed.at(0).at(1).toModelIndex(), model.index(2, 1));
    EXPECT_EQ(model.index(1, 1).data().toString(), "x");
}

} // namespace
