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

// A box belongs to the main window: the window manager keeps it above that window (and above anything
// else of the program that the window owns) and gives it the focus. It still stands in the middle of the
// screen, not of the window: the box, not the window, is what the user has to read.
class Box : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        // The box takes its final size here; it is placed before it is mapped, so it never jumps.
        QMessageBox::showEvent(event);
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
};

// The text is plain: a file name may hold anything that rich text would interpret.
void Prepare(QMessageBox& box, const QString& caption, const std::string& text) {
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text));
    // A screen reader reads the description when the box opens.
    box.setAccessibleDescription(box.text());
    box.setWindowModality(Qt::ApplicationModal);
}

// The system's reason for a failure, behind the box's "Show Details..." button.
void SetReason(QMessageBox& box, const std::string& reason) {
    if (!reason.empty())
        box.setDetailedText(QString::fromUtf8(reason));
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

    // The label's layout item is handed back to us: without this delete, every box would leak one.
    delete grid->replaceWidget(label, text);
    label->hide();
}

} // namespace

MessageBoxDialogs::MessageBoxDialogs(QString applicationTitle) : title_(std::move(applicationTitle)) {}

void MessageBoxDialogs::ShowMessage(const std::string& text) {
    ShowFailure(text, {});
}

void MessageBoxDialogs::ShowFailure(const std::string& text, const std::string& reason) {
    Box box(window_);
    Prepare(box, title_, text);
    SetReason(box, reason);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    // "Show Details..." is a second button; OK stays the default and the answer to Escape.
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    WrapAnywhere(box);
    box.exec();
}

bool MessageBoxDialogs::Confirm(const std::string& text) {
    Box box(window_);
    Prepare(box, QCoreApplication::translate("Dialogs", "Confirm"), text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    WrapAnywhere(box);
    return box.exec() == QMessageBox::Yes;
}

void Dialogs::ShowFailure(const std::string& text, const std::string& /*reason*/) {
    ShowMessage(text);
}

engine::FailureAnswer Dialogs::AskAfterFailure(const std::string& text, const std::string& reason) {
    ShowFailure(text, reason);
    return engine::FailureAnswer::GoOn;
}

engine::FailureAnswer MessageBoxDialogs::AskAfterFailure(const std::string& text, const std::string& reason) {
    Box box(window_);
    Prepare(box, title_, text);
    SetReason(box, reason);
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
