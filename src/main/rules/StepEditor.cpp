#include "StepEditor.h"

#include "NamedControl.h"
#include "RulesNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace rules {
namespace {

using namespace engine::recipes;

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The items are marked for translation where they are listed.
QComboBox* Choices(const char* name, std::initializer_list<const char*> items) {
    auto* box = Named(new QComboBox, name);
    for (const char* item : items)
        box->addItem(StepEditor::tr(item));
    return box;
}

QSpinBox* Number(const char* name, int minimum, int maximum) {
    auto* spin = Named(new QSpinBox, name);
    spin->setRange(minimum, maximum);
    return spin;
}

QString ScopeWords(Scope scope) {
    switch (scope) {
    case Scope::Whole:
        return {};
    case Scope::Name:
        return StepEditor::tr(" (name)");
    case Scope::Extension:
        return StepEditor::tr(" (extension)");
    }
    return {};
}

// The letter case a summary names, in the recipe's own words.
QString CaseWord(LetterCase to) {
    switch (to) {
    case LetterCase::Lower:
        return StepEditor::tr("lower");
    case LetterCase::Upper:
        return StepEditor::tr("upper");
    case LetterCase::Title:
        return StepEditor::tr("title");
    case LetterCase::Sentence:
        return StepEditor::tr("sentence");
    }
    return {};
}

Scope ScopeOf(const Step& step) {
    return std::visit([](const auto& kind) { return kind.scope; }, step);
}

} // namespace

StepEditor::StepEditor(QWidget* parent) : QWidget(parent) {
    pages_ = new QStackedWidget(this);
    pages_->addWidget(ReplacePage());
    pages_->addWidget(CasePage());
    pages_->addWidget(InsertPage());
    pages_->addWidget(RemovePage());
    scope_ = Choices(rulesnames::cmbScope, {QT_TRANSLATE_NOOP("rules::StepEditor", "whole name"),
                                            QT_TRANSLATE_NOOP("rules::StepEditor", "name without extension"),
                                            QT_TRANSLATE_NOOP("rules::StepEditor", "extension")});
    connect(scope_, &QComboBox::currentIndexChanged, this, &StepEditor::Report);
    auto* scopeRow = new QFormLayout;
    scopeRow->addRow(tr("Works on"), scope_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    layout->addLayout(scopeRow);
    Show(nullptr);
}

QWidget* StepEditor::ReplacePage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    find_ = Named(new QLineEdit, rulesnames::edtFind);
    with_ = Named(new QLineEdit, rulesnames::edtWith);
    regex_ = Named(new QCheckBox(tr("Regular expression ($1..$9 in With)")), rulesnames::chkRegex);
    ignoreCase_ = Named(new QCheckBox(tr("Ignore letter case")), rulesnames::chkIgnoreCase);
    all_ = Named(new QCheckBox(tr("Every occurrence")), rulesnames::chkAll);
    form->addRow(tr("Find"), find_);
    form->addRow(tr("Replace with"), with_);
    form->addRow(regex_);
    form->addRow(ignoreCase_);
    form->addRow(all_);
    for (QLineEdit* field : {find_, with_})
        connect(field, &QLineEdit::textChanged, this, &StepEditor::Report);
    for (QCheckBox* box : {regex_, ignoreCase_, all_})
        connect(box, &QCheckBox::toggled, this, &StepEditor::Report);
    return page;
}

QWidget* StepEditor::CasePage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    case_ = Choices(rulesnames::cmbCase, {QT_TRANSLATE_NOOP("rules::StepEditor", "lower"),
                                          QT_TRANSLATE_NOOP("rules::StepEditor", "UPPER"),
                                          QT_TRANSLATE_NOOP("rules::StepEditor", "Title Case"),
                                          QT_TRANSLATE_NOOP("rules::StepEditor", "Sentence case")});
    form->addRow(tr("Letter case"), case_);
    connect(case_, &QComboBox::currentIndexChanged, this, &StepEditor::Report);
    return page;
}

QWidget* StepEditor::InsertPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    text_ = Named(new QLineEdit, rulesnames::edtText);
    text_->setToolTip(tr("{n} the counter, {name} the old name, {ext} its extension, {{ and }} a brace"));
    at_ = Choices(rulesnames::cmbAt, {QT_TRANSLATE_NOOP("rules::StepEditor", "at the start"),
                                      QT_TRANSLATE_NOOP("rules::StepEditor", "at the end"),
                                      QT_TRANSLATE_NOOP("rules::StepEditor", "before character")});
    // Negative positions count from the end; 0 is no position.
    position_ = Number(rulesnames::spnAt, -9999, 9999);
    form->addRow(tr("Text"), text_);
    form->addRow(tr("Where"), at_);
    form->addRow(tr("Character"), position_);
    connect(text_, &QLineEdit::textChanged, this, &StepEditor::Report);
    connect(at_, &QComboBox::currentIndexChanged, this, [this](int index) {
        position_->setEnabled(index == static_cast<int>(InsertAt::Kind::Position));
        Report();
    });
    connect(position_, &QSpinBox::valueChanged, this, &StepEditor::Report);
    return page;
}

QWidget* StepEditor::RemovePage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    from_ = Number(rulesnames::spnFrom, 1, 9999);
    count_ = Number(rulesnames::spnCount, 0, 9999);
    fromEnd_ = Named(new QCheckBox(tr("Count from the end")), rulesnames::chkFromEnd);
    form->addRow(tr("From character"), from_);
    form->addRow(tr("Characters"), count_);
    form->addRow(fromEnd_);
    for (QSpinBox* spin : {from_, count_})
        connect(spin, &QSpinBox::valueChanged, this, &StepEditor::Report);
    connect(fromEnd_, &QCheckBox::toggled, this, &StepEditor::Report);
    return page;
}

void StepEditor::Report() {
    if (!showing_)
        emit Changed();
}

void StepEditor::Show(const Step* step) {
    const QScopedValueRollback showing(showing_, true);
    setEnabled(step != nullptr);
    if (!step)
        return;
    pages_->setCurrentIndex(static_cast<int>(step->index()));
    scope_->setCurrentIndex(static_cast<int>(ScopeOf(*step)));
    if (const auto* replace = std::get_if<ReplaceStep>(step)) {
        find_->setText(FieldText(replace->find));
        with_->setText(FieldText(replace->with));
        regex_->setChecked(replace->regex);
        ignoreCase_->setChecked(replace->ignoreCase);
        all_->setChecked(replace->all);
    } else if (const auto* letters = std::get_if<CaseStep>(step)) {
        case_->setCurrentIndex(static_cast<int>(letters->to));
    } else if (const auto* insert = std::get_if<InsertStep>(step)) {
        text_->setText(FieldText(insert->text));
        at_->setCurrentIndex(static_cast<int>(insert->at.kind));
        position_->setValue(insert->at.position);
        position_->setEnabled(insert->at.kind == InsertAt::Kind::Position);
    } else if (const auto* remove = std::get_if<RemoveStep>(step)) {
        from_->setValue(remove->from);
        count_->setValue(remove->count);
        fromEnd_->setChecked(remove->fromEnd);
    }
}

Step StepEditor::Current() const {
    const auto scope = static_cast<Scope>(scope_->currentIndex());
    switch (pages_->currentIndex()) {
    case 1:
        return CaseStep{static_cast<LetterCase>(case_->currentIndex()), scope};
    case 2:
        return InsertStep{Utf8(text_->text()),
                          {static_cast<InsertAt::Kind>(at_->currentIndex()), position_->value()},
                          scope};
    case 3:
        return RemoveStep{from_->value(), count_->value(), fromEnd_->isChecked(), scope};
    default:
        return ReplaceStep{Utf8(find_->text()),      Utf8(with_->text()), regex_->isChecked(),
                           ignoreCase_->isChecked(), all_->isChecked(),   scope};
    }
}

void StepEditor::FocusFirstField() {
    switch (pages_->currentIndex()) {
    case 1:
        case_->setFocus();
        break;
    case 2:
        text_->setFocus();
        break;
    case 3:
        from_->setFocus();
        break;
    default:
        find_->setFocus();
        break;
    }
}

QString StepSummary(const Step& step) {
    const QString scope = ScopeWords(ScopeOf(step));
    if (const auto* replace = std::get_if<ReplaceStep>(&step)) {
        return (replace->regex ? StepEditor::tr("Replace pattern \"%1\" with \"%2\"%3")
                               : StepEditor::tr("Replace \"%1\" with \"%2\"%3"))
            .arg(FieldText(replace->find), FieldText(replace->with), scope);
    }
    if (const auto* letters = std::get_if<CaseStep>(&step)) {
        return StepEditor::tr("Letter case %1%2").arg(CaseWord(letters->to), scope);
    }
    if (const auto* insert = std::get_if<InsertStep>(&step)) {
        const QString where = insert->at.kind == InsertAt::Kind::Start ? StepEditor::tr("at the start")
                              : insert->at.kind == InsertAt::Kind::End
                                  ? StepEditor::tr("at the end")
                                  : StepEditor::tr("before character %1").arg(insert->at.position);
        return StepEditor::tr("Insert \"%1\" %2%3").arg(FieldText(insert->text), where, scope);
    }
    const auto& remove = std::get<RemoveStep>(step);
    return (remove.fromEnd ? StepEditor::tr("Remove %1 from character %2 from the end%3")
                           : StepEditor::tr("Remove %1 from character %2%3"))
        .arg(QString::number(remove.count), QString::number(remove.from), scope);
}

} // namespace rules
