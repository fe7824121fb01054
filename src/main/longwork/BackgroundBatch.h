#pragma once

#include "engine/batch/BatchRename.h"

class Dialogs;
class QWidget;

// Runs the batch of the grid's rows in `folder` (listed as the folder `listed`) on a worker thread, reading
// the grid itself, while the window's event loop goes on: the window repaints, a progress dialog appears once
// the batch has taken half a second, and its Stop ends the batch between two renames. The batch's questions
// and reports are answered by the dialogs on this (the user-interface) thread, and the call returns when the
// batch has ended, as a batch run in place would. An error the batch raises is raised again here. The grid
// must not change until then. A journal is written on the worker thread; a question it asks must go through
// OnThreadOf.
engine::BatchResult RunBatchInBackground(const std::string& folder,
                                         const std::optional<engine::FolderIdentity>& listed,
                                         const engine::NameGrid& grid, engine::FileRenamer& files,
                                         Dialogs& dialogs, QWidget* window, engine::BatchJournal* journal);
