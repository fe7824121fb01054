#include "RulesDialog.h"

#include "NamedControl.h"
#include "RecipePreviewModel.h"
#include "RulesNames.h"
#include "StepEditor.h"
#include "engine/recipes/RecipeJson.h"
#include "main/Dialogs.h"
#include "platform/settings/RecipeStore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace rules {
namespace {

using namespace engine::recipes;

QPushButton* Button(const QString& caption, const char* name) {
    return Named(new QPushButton(caption), name);
}

// The counter's fields hold what a person types; a recipe written by hand may hold more and is cut to fit.
int Clamped(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -999999999, 999999999));
}

} // namespace

RulesDialog::RulesDialog(std::shared_ptr<const std::vector<std::string>> oldNames, const std::string& folder,
                         const Recipe& recipe, platform::RecipeStore* store, Dialogs& dialogs,
                         QWidget* parent, platform::metadata::FileFactsReader* files)
    : QDialog(parent), recipe_(recipe), store_(store), dialogs_(dialogs) {
    setObjectName(QLatin1String(rulesnames::dlgRules));
    setWindowTitle(tr("Rules"));
    preview_ = new RecipePreviewModel(std::move(oldNames), folder, this, files);

    table_ = Named(new QTableView, rulesnames::grdPreview);
    table_->setModel(preview_);
    // A million rows: every row the same height, so the view never measures them.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(RecipePreviewModel::OldColumn, 200);
    table_->setColumnWidth(RecipePreviewModel::NewColumn, 200);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    status_ = Named(new QLabel, rulesnames::lblStatus);
    status_->setWordWrap(true);
    stopReading_ = Named(new QPushButton(tr("Cancel")), rulesnames::btnStopReading);
    stopReading_->setAccessibleName(tr("Stop reading the files"));
    stopReading_->hide();
    connect(stopReading_, &QPushButton::clicked, preview_, &RecipePreviewModel::StopReading);
    connect(preview_, &RecipePreviewModel::ReadProgress, this, &RulesDialog::ShowStatus);

    auto* buttons = new QDialogButtonBox;
    apply_ = Named(buttons->addButton(tr("Apply"), QDialogButtonBox::AcceptRole), rulesnames::btnApply);
    Named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), rulesnames::btnCancel);
    connect(apply_, &QPushButton::clicked, this, &RulesDialog::ApplyClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(preview_, &RecipePreviewModel::Worked, this, [this] {
        ShowStatus();
        if (applyWaiting_)
            accept();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(RecipesPart());
    left->addWidget(StepsPart(), 1);
    left->addWidget(CounterPart());
    auto* right = new QVBoxLayout;
    right->addWidget(table_, 1);
    auto* state = new QHBoxLayout;
    state->addWidget(status_, 1);
    state->addWidget(stopReading_);
    right->addLayout(state);
    auto* parts = new QHBoxLayout;
    parts->addLayout(left);
    parts->addLayout(right, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(parts, 1);
    whole->addWidget(buttons);
    resize(900, 600);

    ShowRecipe();
}

RulesDialog::~RulesDialog() = default;

QWidget* RulesDialog::RecipesPart() {
    auto* box = new QGroupBox(tr("Saved recipes"));
    saved_ = Named(new QComboBox, rulesnames::cmbRecipes);
    saved_->setMinimumContentsLength(16);
    auto* save = Button(tr("Save as..."), rulesnames::btnSaveRecipe);
    auto* remove = Button(tr("Delete"), rulesnames::btnDeleteRecipe);
    for (QWidget* control :
         {static_cast<QWidget*>(saved_), static_cast<QWidget*>(save), static_cast<QWidget*>(remove)})
        control->setEnabled(store_ != nullptr);
    connect(saved_, &QComboBox::currentIndexChanged, this, &RulesDialog::ChooseSaved);
    connect(save, &QPushButton::clicked, this, &RulesDialog::SaveAs);
    connect(remove, &QPushButton::clicked, this, &RulesDialog::DeleteSaved);
    auto* row = new QHBoxLayout(box);
    row->addWidget(saved_, 1);
    row->addWidget(save);
    row->addWidget(remove);
    FillSaved(store_ ? store_->LastUsed() : std::string());
    return box;
}

QWidget* RulesDialog::StepsPart() {
    auto* box = new QGroupBox(tr("Steps, in the order they work"));
    steps_ = Named(new QListWidget, rulesnames::lstSteps);
    editor_ = new StepEditor;
    connect(editor_, &StepEditor::Changed, this, &RulesDialog::StepEdited);
    connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
        editor_->Show(row >= 0 ? &recipe_.steps[static_cast<std::size_t>(row)] : nullptr);
        for (QPushButton* button : stepButtons_)
            button->setEnabled(row >= 0);
    });
    connect(steps_, &QListWidget::itemDoubleClicked, this, &RulesDialog::EditStep);

    auto* add = new QHBoxLayout;
    const auto addButton = [&](const QString& caption, const char* name, Step step) {
        auto* button = Button(caption, name);
        connect(button, &QPushButton::clicked, this, [this, step] { AddStep(step); });
        add->addWidget(button);
    };
    addButton(tr("Replace"), rulesnames::btnAddReplace, ReplaceStep{});
    addButton(tr("Case"), rulesnames::btnAddCase, CaseStep{});
    addButton(tr("Insert"), rulesnames::btnAddInsert, InsertStep{});
    addButton(tr("Remove"), rulesnames::btnAddRemove, engine::recipes::RemoveStep{1, 1});
    auto* change = new QHBoxLayout;
    const auto changeButton = [&](const QString& caption, const char* name, auto handler) {
        auto* button = Button(caption, name);
        connect(button, &QPushButton::clicked, this, handler);
        change->addWidget(button);
        stepButtons_.push_back(button);
    };
    changeButton(tr("Edit"), rulesnames::btnEditStep, [this] { EditStep(); });
    changeButton(tr("Delete"), rulesnames::btnRemoveStep, [this] { RemoveStep(); });
    changeButton(tr("Up"), rulesnames::btnStepUp, [this] { MoveStep(-1); });
    changeButton(tr("Down"), rulesnames::btnStepDown, [this] { MoveStep(1); });

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(tr("Add a step:")));
    layout->addLayout(add);
    layout->addWidget(steps_, 1);
    layout->addLayout(change);
    layout->addWidget(editor_);
    return box;
}

QWidget* RulesDialog::CounterPart() {
    auto* box = new QGroupBox(tr("Counter {n}"));
    start_ = Named(new QSpinBox, rulesnames::spnStart);
    step_ = Named(new QSpinBox, rulesnames::spnStep);
    for (QSpinBox* spin : {start_, step_})
        spin->setRange(-999999999, 999999999);
    width_ = Named(new QSpinBox, rulesnames::spnWidth);
    width_->setRange(1, 18);
    order_ = Named(new QComboBox, rulesnames::cmbOrder);
    order_->addItems(
        {tr("as listed"), tr("by name, numbers as numbers"), tr("by date modified"), tr("by date taken")});
    for (QSpinBox* spin : {start_, step_, width_})
        connect(spin, &QSpinBox::valueChanged, this, &RulesDialog::CounterEdited);
    connect(order_, &QComboBox::currentIndexChanged, this, &RulesDialog::CounterEdited);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Start"), start_);
    form->addRow(tr("Step"), step_);
    form->addRow(tr("Digits"), width_);
    form->addRow(tr("Order"), order_);
    return box;
}

void RulesDialog::ShowRecipe() {
    {
        const QSignalBlocker blockStart(start_), blockStep(step_), blockWidth(width_), blockOrder(order_);
        start_->setValue(Clamped(recipe_.counter.start));
        step_->setValue(Clamped(recipe_.counter.step));
        width_->setValue(std::clamp(recipe_.counter.width, 1, 18));
        order_->setCurrentIndex(static_cast<int>(recipe_.counter.order));
    }
    ShowSteps(recipe_.steps.empty() ? -1 : 0);
    RecipeChanged();
}

void RulesDialog::ShowSteps(int selected) {
    {
        const QSignalBlocker blocked(steps_);
        steps_->clear();
        for (const Step& step : recipe_.steps)
            steps_->addItem(StepSummary(step));
    }
    // Emits the row change even when the number stays, so the editor shows the step now there.
    steps_->setCurrentRow(-1);
    steps_->setCurrentRow(selected);
}

int RulesDialog::SelectedStep() const {
    return steps_->currentRow();
}

void RulesDialog::AddStep(Step step) {
    recipe_.steps.push_back(std::move(step));
    ShowSteps(static_cast<int>(recipe_.steps.size()) - 1);
    RecipeChanged();
    editor_->FocusFirstField();
}

void RulesDialog::EditStep() {
    if (SelectedStep() >= 0)
        editor_->FocusFirstField();
}

void RulesDialog::RemoveStep() {
    const int row = SelectedStep();
    if (row < 0)
        return;
    recipe_.steps.erase(recipe_.steps.begin() + row);
    ShowSteps(std::min(row, static_cast<int>(recipe_.steps.size()) - 1));
    RecipeChanged();
}

void RulesDialog::MoveStep(int by) {
    const int row = SelectedStep();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(recipe_.steps.size()))
        return;
    std::swap(recipe_.steps[static_cast<std::size_t>(row)], recipe_.steps[static_cast<std::size_t>(to)]);
    ShowSteps(to);
    RecipeChanged();
}

void RulesDialog::StepEdited() {
    const int row = SelectedStep();
    if (row < 0)
        return;
    recipe_.steps[static_cast<std::size_t>(row)] = editor_->Current();
    steps_->item(row)->setText(StepSummary(recipe_.steps[static_cast<std::size_t>(row)]));
    RecipeChanged();
}

void RulesDialog::CounterEdited() {
    recipe_.counter = {start_->value(), step_->value(), width_->value(),
                       static_cast<CounterOrder>(order_->currentIndex())};
    RecipeChanged();
}

void RulesDialog::RecipeChanged() {
    const std::string error = preview_->SetRecipe(recipe_);
    apply_->setEnabled(error.empty());
    ShowStatus();
}

void RulesDialog::ShowStatus() {
    status_->setText(preview_->Summary());
    stopReading_->setVisible(preview_->ReadingFiles());
}

void RulesDialog::FillSaved(const std::string& selected) {
    const QSignalBlocker blocked(saved_);
    saved_->clear();
    saved_->addItem(QString());
    if (!store_)
        return;
    for (const std::string& name : store_->Names())
        saved_->addItem(FieldText(name));
    saved_->setCurrentIndex(std::max(0, saved_->findText(FieldText(selected))));
}

void RulesDialog::ChooseSaved(int index) {
    if (index <= 0 || !store_)
        return;
    const std::string name = saved_->itemText(index).toStdString();
    std::string error;
    const std::optional<std::string> text = store_->Load(name, error);
    RecipeParse parse = text ? ParseRecipe(*text) : RecipeParse{std::nullopt, error};
    if (!parse.recipe) {
        dialogs_.ShowMessage(text
                                 ? tr("The recipe \"%1\" cannot be used: %2")
                                       .arg(QString::fromStdString(name), QString::fromStdString(parse.error))
                                       .toStdString()
                                 : error);
        return;
    }
    recipe_ = std::move(*parse.recipe);
    ShowRecipe();
    if (const std::string failed = store_->SetLastUsed(name); !failed.empty())
        dialogs_.ShowMessage(failed);
}

void RulesDialog::SaveAs() {
    if (!store_)
        return;
    bool ok = false;
    const QString typed = QInputDialog::getText(this, tr("Save recipe"), tr("Name of the recipe:"),
                                                QLineEdit::Normal, saved_->currentText(), &ok);
    if (!ok)
        return;
    const std::string name = typed.toStdString();
    if (const std::string problem = platform::RecipeNameProblem(name); !problem.empty()) {
        dialogs_.ShowMessage(problem);
        return;
    }
    const std::vector<std::string> names = store_->Names();
    if (std::find(names.begin(), names.end(), name) != names.end() &&
        !dialogs_.Confirm(tr("A recipe named \"%1\" is saved already. Replace it?").arg(typed).toStdString()))
        return;
    std::string error = store_->Save(name, RecipeToJson(recipe_));
    if (error.empty())
        error = store_->SetLastUsed(name);
    if (!error.empty())
        dialogs_.ShowMessage(error);
    FillSaved(name);
}

void RulesDialog::DeleteSaved() {
    if (!store_ || saved_->currentIndex() <= 0)
        return;
    const std::string name = saved_->currentText().toStdString();
    if (!dialogs_.Confirm(tr("Delete the saved recipe \"%1\"?").arg(saved_->currentText()).toStdString()))
        return;
    if (const std::string error = store_->Remove(name); !error.empty())
        dialogs_.ShowMessage(error);
    FillSaved({});
}

void RulesDialog::ApplyClicked() {
    // The window takes every row's new name at once; a million of them are worked out on the worker.
    if (preview_->Ready()) {
        accept();
        return;
    }
    applyWaiting_ = true;
    apply_->setEnabled(false);
}

std::vector<std::string> RulesDialog::TakeNewNames() {
    return preview_->TakeNewNames();
}

Recipe RulesDialog::StartingRecipe(platform::RecipeStore* store) {
    if (!store)
        return {};
    const std::string name = store->LastUsed();
    std::string error;
    const std::optional<std::string> text = name.empty() ? std::nullopt : store->Load(name, error);
    RecipeParse parse = text ? ParseRecipe(*text) : RecipeParse{};
    return parse.recipe.value_or(Recipe{});
}

} // namespace rules
