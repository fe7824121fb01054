// "Undo last Go": Ctrl+Z in the window and the grid's context menu, and the journal that Go keeps.
#include "ControlNames.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "engine/undo/StoredBatchJournal.h"
#include "main/longwork/BackgroundUndo.h"
#include "main/longwork/ControlsLock.h"
#include "main/longwork/FileList.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QTableView>

void TForm1::SetUpUndo() {
    auto* action = new QAction(tr("Undo last Go"), this);
    action->setObjectName(QLatin1String(names::actUndoGo));
    action->setShortcut(QKeySequence::Undo);
    // An entry field and a cell being edited claim Ctrl+Z for their own text first; everywhere else in
    // the window it undoes the last Go.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    grdNames->setContextMenuPolicy(Qt::ActionsContextMenu);
    grdNames->addAction(action);
    connect(action, &QAction::triggered, this, [this] { Run([this] { UndoLastGo(); }); });
}

std::unique_ptr<engine::BatchJournal> TForm1::GoJournal() {
    if (!services_.journal)
        return nullptr;
    return std::make_unique<engine::StoredBatchJournal>(*services_.journal);
}

void TForm1::UndoLastGo() {
    // Ctrl+Z reaches the window before a long Go's progress dialog is shown; the Go runs to its end first.
    if (batchRunning_)
        return;
    if (!services_.journal) {
        services_.dialogs.ShowMessage(engine::NothingToUndo());
        return;
    }
    engine::UndoOutcome outcome;
    {
        // The grid stays as it is while the files are renamed back, and a change of folder waits.
        const ControlsLock locked(this);
        const QScopedValueRollback running(batchRunning_, true);
        outcome = RunUndoInBackground(*services_.journal, services_.renamer, services_.dialogs, this);
    }
    if (outcome.status != engine::UndoOutcome::Status::Declined && !outcome.message.empty())
        services_.dialogs.ShowMessage(outcome.message);
    // The grid shows the names as they are now only where it lists the folder undone; the tree stays.
    if (outcome.status == engine::UndoOutcome::Status::Done && lstFiles->Folder() == outcome.folder)
        btnRefreshClick();
    FollowHeldBackFolderChange();
}

void TForm1::FollowHeldBackFolderChange() {
    // A change of folder held back during the work follows from the event loop, as it would have come.
    if (std::exchange(folderChangeWaiting_, false))
        QMetaObject::invokeMethod(
            this, [this] { Run([this] { shlDirChange(); }); }, Qt::QueuedConnection);
}
