// The window as it opens and closes: its controls, its start state, its size, and the remembered folder.
#include "FormFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <fstream>

namespace {

struct ControlRow {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* caption; // nullptr: the control has no caption
};

// Every control at its design place, under its parent, with its caption.
const ControlRow Controls[] = {
    {names::Label1, names::Form1, {564, 216, 77, 13}, "String To Delete"},
    {names::Label2, names::Form1, {564, 112, 40, 13}, "Replace"},
    {names::Label3, names::Form1, {564, 152, 22, 13}, "With"},
    {names::Label4, names::Form1, {564, 280, 41, 13}, "Begining"},
    {names::Label5, names::Form1, {564, 320, 19, 13}, "End"},
    {names::Label6, names::Form1, {564, 360, 37, 13}, "Position"},
    {names::imgBlob, names::Form1, {446, 61, 80, 80}, nullptr},
    {names::shlDir, names::Form1, {8, 8, 425, 145}, nullptr},
    {names::memHid, names::Form1, {464, 24, 65, 33}, nullptr},
    {names::grdNames, names::Form1, {8, 160, 522, 270}, nullptr},
    {names::rdbRenamer, names::Form1, {540, 16, 113, 17}, "Veze Zazedoz"},
    {names::rdbReplacer, names::Form1, {540, 96, 113, 17}, "Part Replacer"},
    {names::rdbDeleter, names::Form1, {540, 200, 113, 17}, "Substring Deleter"},
    {names::edtDelete, names::Form1, {564, 232, 121, 21}, ""},
    {names::rdbManual, names::Form1, {540, 72, 62, 17}, "Manual"},
    {names::btnCopyOver, names::Form1, {600, 72, 61, 17}, "Duiplicate"},
    {names::edtReplace, names::Form1, {564, 128, 121, 21}, ""},
    {names::edtWith, names::Form1, {564, 168, 121, 21}, ""},
    {names::rdbAdd, names::Form1, {540, 264, 113, 17}, "Substring Adder"},
    {names::edtBeg, names::Form1, {564, 296, 121, 21}, ""},
    {names::edtEnd, names::Form1, {564, 336, 121, 21}, ""},
    {names::edtPos, names::Form1, {564, 376, 25, 21}, ""},
    {names::edtAfter, names::Form1, {596, 376, 89, 21}, ""},
    {names::btnCopy, names::Form1, {556, 40, 49, 17}, "Copy"},
    {names::btnPaste, names::Form1, {612, 40, 49, 17}, "Paste"},
    {names::Panel1, names::Form1, {194, 432, 311, 41}, nullptr},
    {names::btnRefresh, names::Panel1, {6, 8, 75, 25}, "Refresh"},
    {names::btnView, names::Panel1, {118, 8, 75, 25}, "Preview"},
    {names::btnGo, names::Panel1, {230, 8, 75, 25}, "Go"},
    {names::btnHelp, names::Form1, {446, 24, 80, 25}, "Help && Info"},
};

QString CaptionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    return {};
}

using FormStart = FormTest;

TEST_F(FormStart, EveryControlStandsAtItsPlaceWithItsCaption) {
    TForm1& form = Open();
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Title Shaper Workshop");
    EXPECT_EQ(form.size(), QSize(700, 479));
    for (const ControlRow& row : Controls) {
        SCOPED_TRACE(row.name);
        const QWidget* control = Find(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent);
        QRect expected = row.geometry;
        // A label is as wide as its caption in the window's font.
        if (const auto* label = qobject_cast<const QLabel*>(control); label && row.caption)
            expected.setWidth(label->fontMetrics().horizontalAdvance(label->text()));
        // So is a radio button with free room to its right where its caption needs more than its place.
        if (qobject_cast<const QRadioButton*>(control) && std::string(row.name) != names::rdbManual)
            expected.setWidth(std::max(expected.width(), control->sizeHint().width()));
        EXPECT_EQ(control->geometry(), expected);
        if (row.caption) {
            EXPECT_EQ(CaptionOf(control), QString::fromUtf8(row.caption));
        }
    }
    EXPECT_NE(form.findChild<QObject*>(QLatin1String(names::lstFiles)), nullptr);
}

// The labels touch the radio button above them by one pixel row in the design; nothing overlaps more.
TEST_F(FormStart, NoTwoShownControlsOverlap) {
    TForm1& form = Open();
    std::vector<const QWidget*> shown;
    for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            shown.push_back(child);
    ASSERT_GE(shown.size(), 20u);
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_LE(std::min((shown[i]->geometry() & shown[j]->geometry()).width(),
                               (shown[i]->geometry() & shown[j]->geometry()).height()),
                      1)
                << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString();
}

TEST_F(FormStart, OpensInTheFirstModeWithBlankGridAndNothingStored) {
    Open();
    EXPECT_TRUE(Find<QRadioButton>(names::rdbRenamer)->isChecked());
    EXPECT_TRUE(Find(names::btnCopy)->isEnabled());
    EXPECT_TRUE(Find(names::btnPaste)->isEnabled());
    EXPECT_TRUE(Find(names::btnCopyOver)->isHidden());
    EXPECT_TRUE(Find(names::btnCopyOver)->isEnabled());
    for (const char* field : {names::edtReplace, names::edtWith, names::edtDelete, names::edtBeg,
                              names::edtEnd, names::edtPos, names::edtAfter})
        EXPECT_FALSE(Find(field)->isEnabled()) << field;
    EXPECT_TRUE(Find(names::memHid)->isHidden());
    EXPECT_EQ(Tree()->SelectedPath(), "");
    // Before any listing: a blank header and one blank row.
    ASSERT_EQ(Grid()->model()->rowCount(), 1);
    EXPECT_EQ(Grid()->model()->headerData(0, Qt::Horizontal).toString(), "");
    EXPECT_EQ(Grid()->model()->headerData(1, Qt::Horizontal).toString(), "");
    EXPECT_EQ(form_->PreviewTag(), 0);
    EXPECT_EQ(form_->Aborted(), 0);
    EXPECT_TRUE(dialogs_.Boxes().empty());
}

TEST_F(FormStart, ShrinkingIsUndoneAndColumnsShareTheGridWidth) {
    TForm1& form = Open();
    EXPECT_EQ(Grid()->columnWidth(0), 258);
    EXPECT_EQ(Grid()->columnWidth(1), 258);
    form.resize(500, 300);
    EXPECT_TRUE(WaitUntil([&] { return form.size() == QSize(700, 479); }));
    form.resize(650, 600);
    EXPECT_TRUE(WaitUntil([&] { return form.size() == QSize(700, 600); }));
    // A grid of odd width still gives two equal columns of width div 2 - 3; the grid stretches with the
    // window and keeps 178 pixels of it beside it.
    form.resize(701, 600);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->columnWidth(0) == 258 && Grid()->columnWidth(1) == 258; }));
    form.resize(779, 600);
    EXPECT_TRUE(WaitUntil([&] { return Grid()->columnWidth(0) == 297 && Grid()->columnWidth(1) == 297; }));
}

// The folder shown at close is listed again at the next start, whatever form it takes.
class RememberedFolder : public FormTest {};

TEST_F(RememberedFolder, ComesBackInTheNextWindowAndIsListed) {
    folder_.Add("b.txt");
    folder_.Add("A.txt");
    Open();
    ListFiles();
    Close();
    EXPECT_EQ(Settings().value("CloseDir").toString().toStdString(), folder_.Path());

    Open();
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Path());
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(Grid()->model()->headerData(0, Qt::Horizontal).toString(), "Filename");
    EXPECT_EQ(Grid()->model()->headerData(1, Qt::Horizontal).toString(), "New Name");
    EXPECT_TRUE(Find(names::btnCopy)->isEnabled());
    EXPECT_FALSE(Find(names::edtReplace)->isEnabled());
    EXPECT_TRUE(dialogs_.Boxes().empty());
}

TEST_F(RememberedFolder, TheRootKeepsItsSeparator) {
    Open();
    SelectFolder("/");
    ASSERT_EQ(Tree()->SelectedPath(), "/");
    Close();
    EXPECT_EQ(Settings().value("CloseDir").toString(), "/");
    Open();
    EXPECT_EQ(Tree()->SelectedPath(), "/");
    EXPECT_TRUE(dialogs_.Boxes().empty());
}

TEST_F(RememberedFolder, ADeletedFolderGivesWayToItsParent) {
    folder_.AddFolder("gone");
    folder_.Add("kept.txt");
    Open();
    SelectFolder(folder_.Sub("gone"));
    ASSERT_EQ(Tree()->SelectedPath(), folder_.Sub("gone"));
    Close();
    std::filesystem::remove(folder_.Sub("gone"));

    Open();
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Path());
    EXPECT_EQ(OldNames(), std::vector<std::string>{"kept.txt"});
    EXPECT_TRUE(dialogs_.Boxes().empty());
}

TEST_F(RememberedFolder, NoFolderShownStoresTheEmptyText) {
    Open();
    ListFiles();
    SelectFolder("");
    Close();
    EXPECT_EQ(Settings().value("CloseDir").toString(), "");
    Open();
    EXPECT_EQ(Tree()->SelectedPath(), "");
    EXPECT_EQ(Grid()->model()->rowCount(), 1);
}

// A value of another type is reported and the window still opens in its first mode.
class WrongTypeInSettings : public FormTest, public ::testing::WithParamInterface<QVariant> {};

TEST_P(WrongTypeInSettings, IsReportedAndTheWindowOpens) {
    {
        QSettings settings = Settings();
        settings.setValue("CloseDir", GetParam());
    }
    Open();
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Invalid data type for 'CloseDir'"});
    EXPECT_EQ(Tree()->SelectedPath(), "");
    EXPECT_TRUE(Find(names::btnCopy)->isEnabled());
    EXPECT_FALSE(Find(names::edtDelete)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Values, WrongTypeInSettings,
                         ::testing::Values(QVariant(QStringList{QStringLiteral("/tmp"), QStringLiteral("/")}),
                                           QVariant(QPoint(3, 4)), QVariant(QSize(7, 8))),
                         [](const auto& info) { return std::string(info.param.typeName()); });

TEST_F(RememberedFolder, ANumberWrittenAsAVariantIsTheWrongType) {
    std::filesystem::create_directories(SettingsFolder());
    {
        std::ofstream out(SettingsFolder() / "TitleShaperWorkshop.conf");
        out << "[General]\nCloseDir=@Variant(\\0\\0\\0\\x2\\0\\0\\0*)\n";
    }
    Open();
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Invalid data type for 'CloseDir'"});
}

TEST_F(RememberedFolder, AFailedWriteIsReportedAtClose) {
    Open();
    ListFiles();
    // A file where the settings folder belongs cannot be written through, not even by root.
    std::filesystem::remove_all(SettingsFolder());
    std::ofstream(SettingsFolder()) << "not a folder";
    Close();
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Failed to set data for 'CloseDir'"});
    std::filesystem::remove(SettingsFolder());
}

} // namespace
