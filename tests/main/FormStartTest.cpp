// The window as it opens and closes: its start state and the remembered folder.
#include "FormFixture.h"
#include "RowNames.h"
#include "main/layout/InfoPanel.h"

#include <QPlainTextEdit>
#include <fstream>

namespace {

using rownames::PrintTo;

using FormStart = FormTest;

TEST_F(FormStart, OpensInTheFirstModeWithBlankGridAndNothingStored) {
    Open();
    EXPECT_TRUE(Find<QRadioButton>(names::rdbRenamer)->isChecked());
    EXPECT_EQ(EnabledModeControls(), (std::set<std::string>{names::btnCopy, names::btnPaste}));
    EXPECT_TRUE(Find(names::btnCopyOver)->isHidden());
    EXPECT_TRUE(Find(names::memHid)->isHidden());
    EXPECT_EQ(Tree()->SelectedPath(), "");
    // Before any listing: a blank header and one blank row.
    ASSERT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(Grid()->model()->headerData(0, Qt::Horizontal).toString(), "");
    EXPECT_EQ(form_->PreviewTag(), 0);
    EXPECT_EQ(form_->Aborted(), 0);
    EXPECT_TRUE(dialogs_.None());
}

// The folder shown at close is listed again at the next start, whatever form it takes.
using RememberedFolder = FormTest;

TEST_F(RememberedFolder, ComesBackInTheNextWindowOrGivesWayToItsParentWhenDeleted) {
    folder_.AddFolder("gone");
    OpenListing({"kept.txt"});
    Close();
    EXPECT_EQ(Settings().value("CloseDir").toString().toStdString(), folder_.Name());
    Open();
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Name());
    EXPECT_EQ(OldNames(), std::vector<std::string>{"kept.txt"});

    SelectFolder(folder_.Sub("gone"));
    ASSERT_EQ(Tree()->SelectedPath(), folder_.Sub("gone"));
    Close();
    std::filesystem::remove(folder_.Sub("gone"));
    Open();
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Name());
    EXPECT_EQ(OldNames(), std::vector<std::string>{"kept.txt"});
    EXPECT_TRUE(dialogs_.None());
}

// The root keeps its separator; no folder shown is stored as the empty text.
struct PathRow {
    const char* label;
    const char* path;
};

class RememberedPath : public RememberedFolder, public ::testing::WithParamInterface<PathRow> {};

TEST_P(RememberedPath, ComesBackAsItWas) {
    const char* path = GetParam().path;
    OpenListing({});
    SelectFolder(path);
    ASSERT_EQ(Tree()->SelectedPath(), path);
    Close();
    Open();
    EXPECT_EQ(Settings().value("CloseDir").toString(), path);
    EXPECT_EQ(Tree()->SelectedPath(), path);
    EXPECT_TRUE(dialogs_.None());
}

INSTANTIATE_TEST_SUITE_P(Paths, RememberedPath,
                         ::testing::Values(PathRow{"Root", "/"}, PathRow{"NoFolder", ""}),
                         rownames::RowLabel());

TEST_F(RememberedFolder, AFailedWriteIsReportedAtClose) {
    OpenListing({});
    // A file where the settings folder belongs cannot be written through, not even by root.
    std::filesystem::remove_all(SettingsFolder());
    std::ofstream(SettingsFolder()) << "not a folder";
    Close();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Failed to set data for 'CloseDir'"});
    std::filesystem::remove(SettingsFolder());
}

// A stored value of another type than text is reported and the window still opens in its first mode.
struct StoredRow {
    const char* label;
    const char* stored;
};

class WrongTypeInSettings : public FormTest, public ::testing::WithParamInterface<StoredRow> {};

TEST_P(WrongTypeInSettings, IsReportedAndTheWindowOpens) {
    std::filesystem::create_directories(SettingsFolder());
    std::ofstream(SettingsFolder() / "TitleShaperWorkshop.conf")
        << "[General]\nCloseDir=" << GetParam().stored << "\n";
    Open();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Invalid data type for 'CloseDir'"});
    EXPECT_EQ(Tree()->SelectedPath(), "");
    EXPECT_EQ(EnabledModeControls(), (std::set<std::string>{names::btnCopy, names::btnPaste}));
}

INSTANTIATE_TEST_SUITE_P(Values, WrongTypeInSettings,
                         ::testing::Values(StoredRow{"List", "/tmp, /"}, StoredRow{"Point", "@Point(3 4)"},
                                           StoredRow{"Number", "@Variant(\\0\\0\\0\\x2\\0\\0\\0*)"}),
                         rownames::RowLabel());

// The Programming page names the settings file where it really is, inside XDG_CONFIG_HOME.
TEST_F(FormStart, TheProgrammingPageNamesTheRealSettingsFile) {
    Open();
    const QString file = Settings().fileName();
    ASSERT_TRUE(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << file.toStdString();
    const QString text = Find<QPlainTextEdit>(layout::info_names::memInfoPro)->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("settings file, ") + file + QStringLiteral(", under")))
        << text.toStdString();
}

} // namespace
