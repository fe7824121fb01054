#pragma once

#include "engine/recipes/Recipe.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class Dialogs;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;
namespace platform {
class RecipeStore;
namespace metadata {
class FileFactsReader;
}
} // namespace platform

namespace rules {

class RecipePreviewModel;
class StepEditor;

// "Rules": a recipe of steps that fills the New Name column, with a live preview of the listed files.
// Apply is accepted only once every row is worked out; the window then takes TakeNewNames(). Cancel and
// Escape change nothing.
class RulesDialog : public QDialog {
    Q_OBJECT
public:
    // recipe: what to start with; store may be null (then nothing can be saved); files reads the values
    // inside the files (the real libraries when null).
    RulesDialog(std::shared_ptr<const std::vector<std::string>> oldNames, const std::string& folder,
                const engine::recipes::Recipe& recipe, platform::RecipeStore* store, Dialogs& dialogs,
                QWidget* parent = nullptr, platform::metadata::FileFactsReader* files = nullptr);
    ~RulesDialog() override;

    const engine::recipes::Recipe& CurrentRecipe() const { return recipe_; }
    // The new name of every listed row, blank where the recipe leaves the file alone; handed over once.
    std::vector<std::string> TakeNewNames();
    // The recipe to open with: the last saved one used, else none.
    static engine::recipes::Recipe StartingRecipe(platform::RecipeStore* store);

private:
    QWidget* StepsPart();
    QWidget* CounterPart();
    QWidget* RecipesPart();
    void AddStep(engine::recipes::Step step);
    void EditStep();
    void RemoveStep();
    void MoveStep(int by);
    void StepEdited();
    void CounterEdited();
    void ShowRecipe();
    void ShowSteps(int selected);
    void RecipeChanged();
    void ChooseSaved(int index);
    void SaveAs();
    void DeleteSaved();
    void FillSaved(const std::string& selected);
    void ApplyClicked();
    void ShowStatus();
    int SelectedStep() const;

    engine::recipes::Recipe recipe_;
    platform::RecipeStore* store_;
    Dialogs& dialogs_;
    bool applyWaiting_ = false;
    RecipePreviewModel* preview_ = nullptr;
    StepEditor* editor_ = nullptr;
    QListWidget* steps_ = nullptr;
    QComboBox* saved_ = nullptr;
    QSpinBox* start_ = nullptr;
    QSpinBox* step_ = nullptr;
    QSpinBox* width_ = nullptr;
    QComboBox* order_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* stopReading_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::vector<QPushButton*> stepButtons_;
};

} // namespace rules
