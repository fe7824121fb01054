#pragma once

#include "engine/grid/WorkOut.h"
#include "engine/recipes/Recipe.h"
#include "main/layout/Anchoring.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {
class BatchJournal;
class FileRenamer;
class JournalHistory;
} // namespace engine
namespace layout {
class InfoPanel;
}
namespace platform {
class FolderLister;
class FolderStore;
class RecipeStore;
class ShellNamespace;
} // namespace platform

class ControlsLock;
class WorkerThread;
class Dialogs;
class EntryField;
class FileList;
class ListingIndicator;
class NameGridModel;
class TFolderTree;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// What the window works with, handed in by the program entry (or by a test).
struct WindowServices {
    platform::ShellNamespace& shell;
    platform::FolderLister& lister;
    engine::FileRenamer& renamer;
    platform::FolderStore& store;
    Dialogs& dialogs;
    // Where each Go records its batch for "Undo last Go"; without one, Go cannot be undone.
    engine::JournalHistory* journal = nullptr;
    // Where the Rules dialog keeps its saved recipes; without one, recipes cannot be saved.
    platform::RecipeStore* recipes = nullptr;
};

// The main window, "Form1". Handlers read the controls, call the rename engine or a platform service and
// write back; every box goes through the dialogs service.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 700;
    static constexpr int DesignHeight = 479;

    // A start folder, when given, is selected in place of the remembered one.
    explicit TForm1(const WindowServices& services, std::string startFolder = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // 1 while the last computation of new names stopped at a check: Go then does nothing.
    int Aborted() const { return aborted_; }
    // The preview state, the Preview button's Tag: 1 once Preview was pressed since the last listing.
    int PreviewTag() const;

    // Runs a handler at the edge of the window: an error that escapes it is shown in a plain message box
    // and the program goes on with the next event.
    void Run(const std::function<void()>& handler);

public slots:
    void FormCreate();
    void Exit1Click();
    void FormResize();
    void shlDirChange();
    void lstFilesChange();
    void btnRefreshClick();
    void HideAll();
    void rdbRenamerClick();
    void rdbManualClick();
    void rdbReplacerClick();
    void rdbDeleterClick();
    void rdbAddClick();
    void btnCopyClick();
    void btnPasteClick();
    void btnCopyOverClick();
    void edtReplaceExit();
    void edtWithExit();
    void edtDeleteExit();
    void edtBegExit();
    void edtEndExit();
    void edtAfterExit();
    void btnViewClick();
    void WorkOut();
    void btnGoClick();
    // "Help & Info": the information panel is wired in here.
    void btnHelpClick();
    // Renames the files of the most recent Go not undone yet back (TForm1Undo.cpp).
    void UndoLastGo();
    // Opens the Rules dialog over the listed files (TForm1Rules.cpp).
    void OpenRules();
    // A folder dropped onto the window is selected in the tree; a file dropped selects its folder.
    void FormDragDrop(const std::string& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void NameForScreenReaders();
    // Look, anchoring, keyboard order and the information panel (TForm1Layout.cpp).
    void SetUpLayout();
    // Moves every control to its place for the window's present size.
    void LayOut();
    void ConnectHandlers();
    void SetUpUndo();
    void SetUpRules();
    // The new names of the Rules dialog, for the rows it was opened over, written in the Manual mode.
    void ApplyRules(const std::vector<std::string>& oldNames, std::vector<std::string> newNames);
    std::unique_ptr<engine::BatchJournal> GoJournal();
    // After a Go or an undo: the change of folder that waited for it, if any.
    void FollowHeldBackFolderChange();
    template <class Sender, class Signal> void Bind(Sender* sender, Signal signal, void (TForm1::*handler)());
    void BindMode(QRadioButton* button, void (TForm1::*handler)());

    // While a folder is read: every control but the tree locked, and the indicator over the grid.
    void ListingBusy(bool busy);
    void SetPreviewTag(int tag);
    // True once a folder has been listed.
    bool Listed() const;
    void CheckChars(EntryField* field);
    engine::Mode CheckedMode() const;
    engine::EntryTexts EntryTexts() const;
    QWidget* FieldOf(engine::EntryField field) const;
    // Selects a grid row (counted from 1, as in the grid) and scrolls it into view.
    void ShowRow(int row);

    WindowServices services_;
    // The folder shown first: the one given on the command line, else the one remembered.
    std::string startFolder_;
    int aborted_ = 0;
    // A batch runs in the background: the window stays open and its controls are locked.
    bool batchRunning_ = false;
    // The tree's selection changed while the batch ran.
    bool folderChangeWaiting_ = false;
    // The mode the last Preview was made in.
    engine::Mode previewMode_ = engine::Mode::Renamer;
    // The recipe the Rules dialog was last closed with in this run; it opens with it again.
    std::optional<engine::recipes::Recipe> lastRecipe_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* imgBlob = nullptr;
    TFolderTree* shlDir = nullptr;
    QPlainTextEdit* memHid = nullptr;
    FileList* lstFiles = nullptr;
    NameGridModel* gridModel = nullptr;
    QTableView* grdNames = nullptr;
    QRadioButton* rdbRenamer = nullptr;
    QRadioButton* rdbReplacer = nullptr;
    QRadioButton* rdbDeleter = nullptr;
    EntryField* edtDelete = nullptr;
    QRadioButton* rdbManual = nullptr;
    QPushButton* btnCopyOver = nullptr;
    EntryField* edtReplace = nullptr;
    EntryField* edtWith = nullptr;
    QRadioButton* rdbAdd = nullptr;
    EntryField* edtBeg = nullptr;
    EntryField* edtEnd = nullptr;
    QLineEdit* edtPos = nullptr;
    EntryField* edtAfter = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnPaste = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnView = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnHelp = nullptr;
    layout::InfoPanel* pnlInfo = nullptr;
    ListingIndicator* pnlListing = nullptr;
    std::unique_ptr<ControlsLock> listingLock_;
    // Frees names the grid held before (a listing's, the new names Rules replaced) on a worker: a million
    // strings take tens of milliseconds.
    void LetGo(std::vector<std::string> names);
    std::unique_ptr<WorkerThread> letGo_;

    layout::Anchoring anchoring_{QSize(DesignWidth, DesignHeight)};
};
