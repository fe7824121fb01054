#pragma once

#include "engine/batch/BatchPrompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

// The two message boxes of the window. Handlers talk to this interface only, so tests can answer the
// boxes from a script instead of a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The main window: every box is modal to it and stacked above it. Told by the window itself.
    virtual void SetWindow(QWidget* /*window*/) {}
    // The plain message: text, no icon, one OK button, the application title as caption.
    virtual void ShowMessage(const std::string& text) = 0;
    // The confirmation: question icon, caption "Confirm", Yes (default) and No (also Escape); true is Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // A failed rename: the plain message, with the reason behind "Show Details...".
    virtual void ShowFailure(const std::string& text, const std::string& reason);
    // A failed rename while more renames are to come: the failure box with, beside OK, "Skip All" and
    // "Stop". Without its own box, the plain message and OK.
    virtual engine::FailureAnswer AskAfterFailure(const std::string& text, const std::string& reason = {});
};

// The object name of the text inside a real box: a read-only view that wraps a long path anywhere.
inline constexpr char MessageTextName[] = "messageText";

// The real boxes: modal to the main window once it is told, stacked above it, and centred on the screen.
class MessageBoxDialogs : public Dialogs {
public:
    explicit MessageBoxDialogs(QString applicationTitle);
    void SetWindow(QWidget* window) override { window_ = window; }
    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowFailure(const std::string& text, const std::string& reason) override;
    engine::FailureAnswer AskAfterFailure(const std::string& text, const std::string& reason = {}) override;

private:
    QString title_;
    QPointer<QWidget> window_;
};

// The application title: the program file's name without its folder, cut before its first dot, every
// character after the first in lower case. It captions the plain message box.
QString ApplicationTitle(const QString& programFilePath);
