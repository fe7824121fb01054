#pragma once

#include "BatchProgressDialog.h"

#include <functional>

namespace engine {
class BatchPrompts;
}
class Dialogs;
class QWidget;

// Runs a batch or an undo on a worker thread while the window's event loop goes on: the window repaints,
// the progress dialog appears once the work has taken half a second, and its Stop ends the work between
// two renames (the work's BatchPrompts::Proceed answers false from then on). Every question and report of
// the work is answered by the dialogs on the user-interface thread while the worker waits. Returns when
// the work has ended, as work run in place would; an error the work raises is raised again here.
void RunPromptedWork(QWidget* window, Dialogs& dialogs, BatchProgressDialog::Wording wording,
                     const std::function<void(engine::BatchPrompts& prompts)>& work);
