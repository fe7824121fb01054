#pragma once

#include <QLineEdit>
#include <string>

// An entry field that reports when the user leaves it. The report comes after the field has handled the
// focus loss itself, so a handler that hands the focus back finds the field in a settled state. Losing the
// focus because another window (a message box, a menu) became active is not leaving the field.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void Exit();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// A field's text as the engine takes it: UTF-8, converted the one way the window converts every text, so
// that what a check finds in it is what the message about it shows.
inline std::string Utf8Of(const QString& text) {
    return text.toUtf8().toStdString();
}
