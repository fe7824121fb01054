#pragma once

#include "engine/recipes/Recipe.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

namespace rules {

// The fields of one step, a page for each kind of step and the scope below them. Every change a user
// makes is reported at once, so that the preview follows each keystroke.
class StepEditor : public QWidget {
    Q_OBJECT
public:
    explicit StepEditor(QWidget* parent = nullptr);

    // Shows a step's values without reporting a change; without a step the fields are disabled.
    void Show(const engine::recipes::Step* step);
    // The step as the fields now say.
    engine::recipes::Step Current() const;
    // Puts the keyboard focus into the first field of the step shown.
    void FocusFirstField();

signals:
    void Changed();

private:
    QWidget* ReplacePage();
    QWidget* CasePage();
    QWidget* InsertPage();
    QWidget* RemovePage();
    void Report();

    bool showing_ = false;
    QStackedWidget* pages_ = nullptr;
    QComboBox* scope_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLineEdit* with_ = nullptr;
    QCheckBox* regex_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    QCheckBox* all_ = nullptr;
    QComboBox* case_ = nullptr;
    QLineEdit* text_ = nullptr;
    QComboBox* at_ = nullptr;
    QSpinBox* position_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* count_ = nullptr;
    QCheckBox* fromEnd_ = nullptr;
};

// One line that tells what a step does, for the list of steps.
QString StepSummary(const engine::recipes::Step& step);

} // namespace rules
