#pragma once

#include "engine/undo/UndoLastGo.h"

class Dialogs;
class QWidget;

// Undoes the most recent Go of the history not undone yet on a worker thread, as RunPromptedWork runs
// work: the record read, the folder listed, the question asked and the renames back made off the
// user-interface thread, with "Renaming k of n back" and Stop when it lasts.
engine::UndoOutcome RunUndoInBackground(engine::JournalHistory& history, engine::FileRenamer& files,
                                        Dialogs& dialogs, QWidget* window);
