// "Undo last Go": Ctrl+Z in the window and the grid's context menu, and the journal that Go keeps.
#include "ControlNames.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"
#include "main/longwork/FileList.h"
#include "main/longwork/UserInterfaceThread.h"

#include <QAction>
#include <QTableView>

void TForm1::SetUpUndo() {
    auto* action = new QAction(QStringLiteral("Undo last Go"), this);
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
    // The journal is written by the batch on its worker thread; its question is asked here.
    return std::make_unique<engine::StoredBatchJournal>(*services_.journal, [this](const std::string& text) {
        return OnThreadOf(this, [&] { return services_.dialogs.Confirm(text); });
    });
}

void TForm1::UndoLastGo() {
    // Ctrl+Z reaches the window before a long Go's progress dialog is shown; the Go runs to its end first.
    if (batchRunning_)
        return;
    if (!services_.journal) {
        services_.dialogs.ShowMessage(engine::NothingToUndo);
        return;
    }
    const engine::UndoOutcome outcome =
        engine::UndoLastGo(*services_.journal, services_.renamer,
                           [this](const std::string& text) { return services_.dialogs.Confirm(text); });
    if (outcome.status == engine::UndoOutcome::Status::Declined)
        return;
    if (!outcome.message.empty())
        services_.dialogs.ShowMessage(outcome.message);
    // The grid shows the names as they are now only where it lists the folder undone; the tree stays.
    if (outcome.status == engine::UndoOutcome::Status::Done && lstFiles->Folder() == outcome.folder)
        btnRefreshClick();
}
