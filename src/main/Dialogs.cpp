#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace {

// Without a parent a box is centred on the screen and application modal. The text is plain: a file name
// may hold anything that rich text would interpret.
void Prepare(QMessageBox& box, const QString& caption, const std::string& text) {
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text));
    // A screen reader reads the description when the box opens.
    box.setAccessibleDescription(box.text());
    box.setWindowModality(Qt::ApplicationModal);
}

// The widest a box's text grows before it wraps, as the toolkit's own boxes do.
int WrapWidth(const QMessageBox& box) {
    const QScreen* screen = box.screen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    return std::min(screenWidth / 2, 500);
}

// A box's label wraps only between words, so a long path is cut off at the box's edge, and with it the
// file's name. The text is shown instead by a read-only text view that wraps between words where it can
// and anywhere where it must: the whole text stays visible and can be selected and copied.
void WrapAnywhere(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!label || !grid)
        return;
    auto* text = new QTextEdit(&box);
    text->setObjectName(QLatin1String(MessageTextName));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFocusPolicy(Qt::ClickFocus);
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->viewport()->setAutoFillBackground(false);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setPlainText(box.text());
    text->setAccessibleName(box.text());

    // As wide as the longest line needs, up to the wrap width; as high as the wrapped text.
    QTextDocument* document = text->document();
    document->setDocumentMargin(0);
    int natural = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        natural = std::max(natural, text->fontMetrics().horizontalAdvance(line) + 1);
    const int width = std::min(natural, WrapWidth(box));
    text->setLineWrapMode(QTextEdit::FixedPixelWidth);
    text->setLineWrapColumnOrWidth(width);
    text->setFixedSize(width, static_cast<int>(std::ceil(document->size().height())));

    grid->replaceWidget(label, text);
    label->hide();
}

} // namespace

MessageBoxDialogs::MessageBoxDialogs(QString applicationTitle) : title_(std::move(applicationTitle)) {}

void MessageBoxDialogs::ShowMessage(const std::string& text) {
    QMessageBox box;
    Prepare(box, title_, text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    WrapAnywhere(box);
    box.exec();
}

bool MessageBoxDialogs::Confirm(const std::string& text) {
    QMessageBox box;
    Prepare(box, QCoreApplication::translate("Dialogs", "Confirm"), text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    WrapAnywhere(box);
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
    QPushButton* skipAll =
        box.addButton(QCoreApplication::translate("Dialogs", "Skip All"), QMessageBox::AcceptRole);
    QPushButton* stop =
        box.addButton(QCoreApplication::translate("Dialogs", "Stop"), QMessageBox::RejectRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    WrapAnywhere(box);
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
