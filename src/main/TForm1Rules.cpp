// "Rules...": Ctrl+R in the window and the grid's context menu open the Rules dialog, whose recipe fills
// the New Name column in the Manual mode.
#include "Dialogs.h"
#include "NameGridModel.h"
#include "TForm1.h"
#include "main/longwork/FileList.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"

#include <QAction>
#include <QRadioButton>
#include <QTableView>

void TForm1::SetUpRules() {
    auto* action = new QAction(tr("Rules..."), this);
    action->setObjectName(QLatin1String(rulesnames::actRules));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    grdNames->addAction(action);
    connect(action, &QAction::triggered, this, [this] { Run([this] { OpenRules(); }); });
}

void TForm1::OpenRules() {
    // One dialog at a time, and none while a Go renames the files it would show.
    if (batchRunning_)
        return;
    for (const rules::RulesDialog* open : findChildren<rules::RulesDialog*>()) {
        // A closed one is still there until the event loop deletes it.
        if (open->isVisible())
            return;
    }
    auto names = std::make_shared<std::vector<std::string>>();
    if (Listed()) {
        const engine::NameGrid& grid = gridModel->Grid();
        names->reserve(static_cast<std::size_t>(grid.RowCount() - 1));
        for (int row = 1; row < grid.RowCount(); ++row)
            names->push_back(grid.Cell(engine::NameGrid::OldColumn, row));
    }
    const engine::recipes::Recipe recipe =
        lastRecipe_ ? *lastRecipe_ : rules::RulesDialog::StartingRecipe(services_.recipes);
    auto* dialog =
        new rules::RulesDialog(names, lstFiles->Folder(), recipe, services_.recipes, services_.dialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog, names] {
        Run([&] {
            lastRecipe_ = dialog->CurrentRecipe();
            ApplyRules(*names, dialog->TakeNewNames());
        });
    });
    dialog->open();
}

void TForm1::ApplyRules(const std::vector<std::string>& oldNames, std::vector<std::string> newNames) {
    // The names belong to the rows the dialog was opened over; a folder listed again meanwhile has others.
    if (oldNames.empty())
        return;
    const engine::NameGrid& grid = gridModel->Grid();
    bool same = static_cast<std::size_t>(grid.RowCount() - 1) == oldNames.size();
    for (std::size_t row = 0; same && row < oldNames.size(); ++row)
        same = grid.Cell(engine::NameGrid::OldColumn, static_cast<int>(row) + 1) == oldNames[row];
    if (!same) {
        services_.dialogs.ShowMessage(
            tr("The folder was listed again while Rules was open, so no new name was written.")
                .toStdString());
        return;
    }
    // As a click on "Manual" would; its handler blanks the column. Checked already, the column is taken
    // whole here, so that the rows the recipe leaves alone are blank either way.
    rdbManual->setChecked(true);
    newNames.resize(oldNames.size()); // a row without a name from the dialog stays blank
    std::vector<std::string> previous;
    gridModel->ChangeNewNames(
        [&](engine::NameGrid& grid) { previous = grid.SetNewNames(std::move(newNames)); });
    LetGo(std::move(previous));
}
