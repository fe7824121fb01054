#include "Dialogs.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Without a parent a box is centred on the screen and application modal. The text is plain: a file name
// may hold anything that rich text would interpret.
void Prepare(QMessageBox& box, const QString& caption, const std::string& text) {
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text));
    box.setWindowModality(Qt::ApplicationModal);
}

} // namespace

MessageBoxDialogs::MessageBoxDialogs(QString applicationTitle) : title_(std::move(applicationTitle)) {}

void MessageBoxDialogs::ShowMessage(const std::string& text) {
    QMessageBox box;
    Prepare(box, title_, text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool MessageBoxDialogs::Confirm(const std::string& text) {
    QMessageBox box;
    Prepare(box, QStringLiteral("Confirm"), text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

engine::FailureAnswer Dialogs::AskAfterFailure(const std::string& text) {
    ShowMessage(text);
    return engine::FailureAnswer::GoOn;
}

engine::FailureAnswer MessageBoxDialogs::AskAfterFailure(const std::string& text) {
    QMessageBox box;
    Prepare(box, title_, text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // OK stays the default and the answer to Escape, as in the plain message this box stands in for.
    QPushButton* skipAll = box.addButton(QStringLiteral("Skip All"), QMessageBox::AcceptRole);
    QPushButton* stop = box.addButton(QStringLiteral("Stop"), QMessageBox::RejectRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == skipAll)
        return engine::FailureAnswer::SkipAll;
    if (box.clickedButton() == stop)
        return engine::FailureAnswer::Stop;
    return engine::FailureAnswer::GoOn;
}

QString ApplicationTitle(const QString& programFilePath) {
    const QString name = QFileInfo(programFilePath).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    if (stem.isEmpty())
        return stem;
    // The first character stays as it is, even when it takes two UTF-16 units.
    const qsizetype first = stem.front().isHighSurrogate() ? 2 : 1;
    return stem.left(first) + stem.mid(first).toLower();
}
