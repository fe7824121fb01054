#include "Dialogs.h"

#include <QFileInfo>
#include <QMessageBox>

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

QString ApplicationTitle(const QString& programFilePath) {
    const QString name = QFileInfo(programFilePath).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    if (stem.isEmpty())
        return stem;
    // The first character stays as it is, even when it takes two UTF-16 units.
    const qsizetype first = stem.front().isHighSurrogate() ? 2 : 1;
    return stem.left(first) + stem.mid(first).toLower();
}
