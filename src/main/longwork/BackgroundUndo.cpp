#include "BackgroundUndo.h"

#include "PromptedWork.h"
#include "platform/files/JournalFolder.h"

engine::UndoOutcome RunUndoInBackground(engine::JournalHistory& history, engine::FileRenamer& files,
                                        Dialogs& dialogs, QWidget* window) {
    engine::UndoOutcome outcome;
    const engine::LocalTime now = platform::LocalNow();
    RunPromptedWork(
        window, dialogs, BatchProgressDialog::Wording::RenamingBack,
        [&](engine::BatchPrompts& prompts) { outcome = engine::UndoLastGo(history, files, prompts, now); });
    return outcome;
}
