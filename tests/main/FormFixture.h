#pragma once

#include "DialogsRecorder.h"
#include "FolderTree/TFolderTree.h"
#include "ScratchFolder.h"
#include "WaitUntil.h"
#include "main/ControlNames.h"
#include "main/Dialogs.h"
#include "main/NameGridModel.h"
#include "main/TForm1.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/settings/FolderStore.h"
#include "platform/settings/RecipeStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// One main window on the real file system and the real shell namespace, with its boxes answered by a
// recorder and a temporary folder of files to list.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetSettings(); }
    void TearDown() override {
        form_.reset();
        ForgetSettings();
    }

    // A start folder stands for the FOLDER given on the command line.
    TForm1& Open(const std::string& startFolder = {}) {
        form_ = std::make_unique<TForm1>(
            WindowServices{*shell_, *lister_, *renamer_, store_, *boxes_, &journal_, recipes_}, startFolder);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        if (!QTest::qWaitForWindowActive(form_.get())) {
            // A real window manager may map a new window without giving it the focus (it has had no
            // input yet): ask once more; only the offscreen platform is bound to give it.
            form_->raise();
            form_->activateWindow();
            const bool active = QTest::qWaitForWindowActive(form_.get());
            if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
                EXPECT_TRUE(active);
            }
        }
        return *form_;
    }
    // Destroys the window, which stores the folder the tree shows.
    void Close() { form_.reset(); }
    // Puts the files into the test's folder, opens the window and lists them.
    void OpenListing(const std::vector<std::string>& files) {
        for (const auto& name : files)
            folder_.Write(name, "x");
        Open();
        ListFiles();
    }

    // Lists ten files f01.txt .. f10.txt, with f replaced by g in their new names.
    void OpenTenFilesToRename() {
        std::vector<std::string> files;
        for (int i = 1; i <= 10; ++i)
            files.push_back((i < 10 ? "f0" : "f") + std::to_string(i) + ".txt");
        OpenListing(files);
        Click(names::rdbReplacer);
        Type(names::edtReplace, QStringLiteral("f"));
        Type(names::edtWith, QStringLiteral("g"));
    }
    // Answers a real box with its button of that caption, or with OK where it has none.
    static void Answer(QMessageBox& box, const QString& caption) {
        QAbstractButton* chosen = box.button(QMessageBox::Ok);
        for (QAbstractButton* button : box.buttons())
            if (button->text() == caption)
                chosen = button;
        chosen->click();
    }

    template <class T = QWidget> T* Find(const char* name) const {
        T* control = form_->findChild<T*>(QLatin1String(name));
        if (!control)
            ADD_FAILURE() << "no control " << name;
        return control;
    }
    TFolderTree* Tree() const { return Find<TFolderTree>(names::shlDir); }
    QTableView* Grid() const { return Find<QTableView>(names::grdNames); }
    const engine::NameGrid& Names() const { return static_cast<NameGridModel*>(Grid()->model())->Grid(); }

    void SelectFolder(const std::string& path) { Tree()->SelectPath(path); }
    // Opens the folder of the test's files in the tree; its files fill the grid.
    void ListFiles() { SelectFolder(folder_.Name()); }
    // The names of the files and folders in the test's folder.
    std::set<std::string> OnDisk() const {
        const auto entries = folder_.Entries();
        return {entries.begin(), entries.end()};
    }

    void Click(const char* name) {
        auto* button = Find<QAbstractButton>(name);
        // Radio buttons react to clicks on their indicator and caption; the left edge is always one of them.
        const QPoint point =
            qobject_cast<QRadioButton*>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    }
    // Clicks into an entry field and types a text in place of its own.
    void Type(const char* name, const QString& text) {
        auto* field = Find<QLineEdit>(name);
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        // The test library types ASCII only; other characters arrive as an input method would give them.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(field, text);
        else
            field->insert(text);
    }
    // Edits a new name the way a user does: F2, the new text, Return. Row 1 is the first file.
    void EditNewName(int row, const QString& text) {
        QTableView* grid = Grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row - 1, 1));
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "no cell editor opened";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the editor's text through a queued call.
        const QModelIndex cell = grid->model()->index(row - 1, 1);
        ASSERT_TRUE(WaitUntil([&] { return cell.data().toString() == text; })) << "the edit did not arrive";
    }
    // Which of the clipboard buttons and entry fields the checked mode leaves enabled.
    std::set<std::string> EnabledModeControls() const {
        std::set<std::string> enabled;
        for (const char* name :
             {names::btnCopy, names::btnPaste, names::edtReplace, names::edtWith, names::edtDelete,
              names::edtBeg, names::edtEnd, names::edtPos, names::edtAfter})
            if (Find(name)->isEnabled())
                enabled.insert(name);
        return enabled;
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (int row = 1; row < Names().RowCount(); ++row)
            cells.push_back(Names().Cell(column, row));
        return cells;
    }
    std::vector<std::string> OldNames() const { return Column(engine::NameGrid::OldColumn); }
    std::vector<std::string> NewNames() const { return Column(engine::NameGrid::NewColumn); }

    static QSettings Settings() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harbeck"),
                         QStringLiteral("TitleShaperWorkshop"));
    }
    static std::filesystem::path SettingsFolder() {
        return std::filesystem::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) / "Harbeck";
    }
    static void ForgetSettings() {
        std::error_code ignored;
        std::filesystem::remove_all(SettingsFolder(), ignored);
        QSettings settings = Settings();
        settings.clear();
        settings.sync();
    }

    std::unique_ptr<platform::ShellNamespace> shell_ = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files_;
    // What the window lists and renames with; a test may put wrappers of files_ here before it opens it.
    platform::FolderLister* lister_ = &files_;
    engine::FileRenamer* renamer_ = &files_;
    platform::SettingsFolderStore store_;
    // Each test's own history of Gos, so that no Go of an earlier test is there to undo.
    ScratchFolder state_;
    platform::JournalFolder journal_{state_.Name()};
    // Where the Rules dialog keeps saved recipes; none unless a test gives one.
    platform::RecipeStore* recipes_ = nullptr;
    fakes::DialogsRecorder dialogs_;
    // What the window shows its boxes with; a test of the real boxes puts them here before it opens it.
    Dialogs* boxes_ = &dialogs_;
    ScratchFolder folder_;
    std::unique_ptr<TForm1> form_;
};
