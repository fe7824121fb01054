#pragma once

#include "engine/batch/BatchRename.h"

class Dialogs;
class QWidget;

// Runs the batch of the grid's rows in `folder` (listed as the folder `listed`) on a worker thread, reading
// the grid itself, as RunPromptedWork runs work: with the progress dialog, Stop, and every question and
// report answered by the dialogs on this (the user-interface) thread. The call returns when the batch has
// ended, as a batch run in place would. The grid must not change until then. The journal is written on the
// worker thread.
engine::BatchResult RunBatchInBackground(const std::string& folder,
                                         const std::optional<engine::FolderIdentity>& listed,
                                         const engine::NameGrid& grid, engine::FileRenamer& files,
                                         Dialogs& dialogs, QWidget* window, engine::BatchJournal* journal);
