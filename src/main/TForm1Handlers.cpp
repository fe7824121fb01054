// The handlers of the folder, the grid, the modes and the two big buttons.
#include "Dialogs.h"
#include "EntryField.h"
#include "FolderTree/TFolderTree.h"
#include "NameGridModel.h"
#include "TForm1.h"
#include "engine/batch/BatchRename.h"
#include "main/longwork/BackgroundBatch.h"
#include "main/longwork/ControlsLock.h"
#include "main/longwork/FileList.h"
#include "main/longwork/FreedMemory.h"
#include "main/longwork/WorkerThread.h"
#include "platform/files/FolderToOpen.h"
#include "platform/settings/FolderStore.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTableView>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string TextOf(const QLineEdit* field) {
    return Utf8Of(field->text());
}

} // namespace

void TForm1::FormCreate() {
    Run([this] { shlDir->SelectPath(startFolder_); });
    rdbRenamerClick();
}

void TForm1::Exit1Click() {
    Run([this] { services_.store.SaveFolder(shlDir->SelectedPath()); });
}

void TForm1::FormDragDrop(const std::string& path) {
    shlDir->SelectPath(FolderToOpen(path, {}));
}

void TForm1::shlDirChange() {
    // A change of folder that arrives while a batch runs is applied once the batch has ended and the
    // batch's own folder has been listed again.
    if (batchRunning_) {
        folderChangeWaiting_ = true;
        return;
    }
    lstFiles->SetFolder(shlDir->SelectedPath());
}

void TForm1::LetGo(std::vector<std::string> names) {
    if (names.empty())
        return;
    // Replaces the worker that let go the names before, done long since as a rule.
    letGo_ = std::make_unique<WorkerThread>(
        [names = std::make_shared<std::vector<std::string>>(std::move(names))] {
            *names = {};
            ReturnFreedMemory();
        });
}

void TForm1::lstFilesChange() {
    std::vector<std::string> previous;
    gridModel->Reset([&](engine::NameGrid& grid) { previous = grid.List(lstFiles->TakeNames()); });
    LetGo(std::move(previous));
    SetPreviewTag(0);
    const platform::SubFoldersSeen seen = lstFiles->SubFolders();
    shlDir->AnswerSubFolders(lstFiles->Folder(),
                             seen == platform::SubFoldersSeen::Unknown
                                 ? std::nullopt
                                 : std::optional<bool>(seen == platform::SubFoldersSeen::Some));
}

void TForm1::btnRefreshClick() {
    lstFiles->Reread();
    SetPreviewTag(0);
}

void TForm1::HideAll() {
    edtReplace->setEnabled(false);
    edtWith->setEnabled(false);
    edtDelete->setEnabled(false);
    btnCopyOver->hide();
    edtBeg->setEnabled(false);
    edtEnd->setEnabled(false);
    edtPos->setEnabled(false);
    edtAfter->setEnabled(false);
    btnCopy->setEnabled(false);
    btnPaste->setEnabled(false);
    gridModel->ChangeNewNames([](engine::NameGrid& grid) { grid.BlankNewNames(); });
}

void TForm1::rdbRenamerClick() {
    HideAll();
    btnCopy->setEnabled(true);
    btnPaste->setEnabled(true);
}

void TForm1::rdbManualClick() {
    HideAll();
    btnCopyOver->show();
}

void TForm1::rdbReplacerClick() {
    HideAll();
    edtReplace->setEnabled(true);
    edtWith->setEnabled(true);
}

void TForm1::rdbDeleterClick() {
    HideAll();
    edtDelete->setEnabled(true);
}

void TForm1::rdbAddClick() {
    HideAll();
    edtBeg->setEnabled(true);
    edtEnd->setEnabled(true);
    edtPos->setEnabled(true);
    edtAfter->setEnabled(true);
}

engine::Mode TForm1::CheckedMode() const {
    if (rdbManual->isChecked())
        return engine::Mode::Manual;
    if (rdbReplacer->isChecked())
        return engine::Mode::Replacer;
    if (rdbDeleter->isChecked())
        return engine::Mode::Deleter;
    if (rdbAdd->isChecked())
        return engine::Mode::Adder;
    return engine::Mode::Renamer;
}

engine::EntryTexts TForm1::EntryTexts() const {
    return {TextOf(edtReplace), TextOf(edtWith), TextOf(edtDelete), TextOf(edtPos),
            TextOf(edtAfter),   TextOf(edtBeg),  TextOf(edtEnd)};
}

QWidget* TForm1::FieldOf(engine::EntryField field) const {
    switch (field) {
    case engine::EntryField::Replace:
        return edtReplace;
    case engine::EntryField::With:
        return edtWith;
    case engine::EntryField::Delete:
        return edtDelete;
    case engine::EntryField::Position:
        return edtPos;
    case engine::EntryField::After:
        return edtAfter;
    case engine::EntryField::Beginning:
        return edtBeg;
    case engine::EntryField::End:
        return edtEnd;
    case engine::EntryField::None:
        break;
    }
    return nullptr;
}

void TForm1::btnViewClick() {
    SetPreviewTag(1);
    previewMode_ = CheckedMode();
    WorkOut();
}

void TForm1::WorkOut() {
    aborted_ = 1;
    engine::WorkOutResult result;
    const engine::Mode mode = CheckedMode();
    const engine::EntryTexts texts = EntryTexts();
    {
        // A million rows take most of a second; the cursor says so.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        gridModel->ChangeNewNames(
            [&](engine::NameGrid& grid) { result = engine::WorkOut(mode, texts, grid); });
    }
    if (!result.passed) {
        services_.dialogs.ShowMessage(result.message);
        if (QWidget* field = FieldOf(result.focus))
            field->setFocus();
        if (result.row > 0)
            ShowRow(result.row);
        return;
    }
    aborted_ = 0;
}

void TForm1::ShowRow(int row) {
    // The row's new name is where the user fixes it; the keyboard focus stays where it was.
    const QModelIndex cell = gridModel->index(row - 1, engine::NameGrid::NewColumn);
    grdNames->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    grdNames->scrollTo(cell);
}

void TForm1::btnGoClick() {
    // Without a preview Go computes the selected mode itself, so a typed or pasted column is still
    // checked for duplicates; after a preview the column is taken as the user left it. A preview made in
    // another mode counts for nothing: checking this mode blanked its names.
    if (PreviewTag() == 0 || CheckedMode() != previewMode_)
        WorkOut();
    if (aborted_ != 0)
        return;
    // Go renames only in the folder whose files the grid lists, whatever the tree shows meanwhile.
    if (lstFiles->Folder().empty())
        return;
    const auto journal = GoJournal();
    engine::BatchResult result;
    {
        // The batch reads the grid itself on the worker thread, so nothing may change it until the batch
        // returns: the controls are locked and a change of folder waits.
        const ControlsLock locked(this);
        const QScopedValueRollback running(batchRunning_, true);
        result = RunBatchInBackground(lstFiles->Folder(), lstFiles->Identity(), gridModel->Grid(),
                                      services_.renamer, services_.dialogs, this, journal.get());
    }
    if (result.listAgain) {
        // While the folder is read again the grid shows its files as the batch left them, new names
        // blank: the read's names are then the only other copy of a million names, and a read that fails
        // or is cancelled leaves no new name for a second Go to try once more.
        gridModel->Reset([&result](engine::NameGrid& grid) { grid.SettleRenames(result.renamedRows); });
        lstFiles->Reread();
    }
    if (result.stopped)
        services_.dialogs.ShowMessage(engine::StoppedMessage(result));
    FollowHeldBackFolderChange();
}
