#include "BackgroundBatch.h"

#include "PromptedWork.h"

engine::BatchResult RunBatchInBackground(const std::string& folder,
                                         const std::optional<engine::FolderIdentity>& listed,
                                         const engine::NameGrid& grid, engine::FileRenamer& files,
                                         Dialogs& dialogs, QWidget* window, engine::BatchJournal* journal) {
    engine::BatchResult result;
    RunPromptedWork(window, dialogs, BatchProgressDialog::Wording::Renaming,
                    [&](engine::BatchPrompts& prompts) {
                        result = engine::RunBatch(folder, listed, grid, files, prompts, journal);
                    });
    return result;
}
