// The real message boxes, inspected while they are open and answered with the keyboard.
#include "main/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modal = false;
    Qt::TextFormat format = Qt::AutoText;
};

class MessageBoxes : public ::testing::Test {
protected:
    // Runs a box with an answer scheduled, and returns what the box looked like.
    SeenBox Run(Qt::Key key, const std::function<void()>& show) {
        SeenBox seen;
        RunLooking(key, show, [&seen](QMessageBox& box) {
            QPushButton* chosen = box.defaultButton();
            seen = {box.windowTitle(),
                    box.text(),
                    box.icon(),
                    box.standardButtons(),
                    chosen ? box.standardButton(chosen) : QMessageBox::NoButton,
                    box.isModal(),
                    box.textFormat()};
        });
        return seen;
    }
    // Runs a box, lets the test look at it while it is open, then answers it with the key. Timers fire only
    // inside the box's own event loop, so the box is open when the first one finds it.
    static void RunLooking(Qt::Key key, const std::function<void()>& show,
                           const std::function<void(QMessageBox&)>& look) {
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, key, &look] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (!box || !box->isVisible())
                    continue;
                timer->stop();
                timer->deleteLater();
                look(*box);
                QTest::keyClick(box, key);
                return;
            }
        });
        timer->start(10);
        show();
    }
    MessageBoxDialogs dialogs_{QStringLiteral("Quillmap")};
};

TEST_F(MessageBoxes, ThePlainMessageHasTheTitleNoIconAndOk) {
    const SeenBox box =
        Run(Qt::Key_Return, [&] { dialogs_.ShowMessage("Error renaming file /tmp/<b>a</b>"); });
    EXPECT_EQ(box.caption, "Quillmap");
    // A name that looks like markup is shown as it is.
    EXPECT_EQ(box.text, "Error renaming file /tmp/<b>a</b>");
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(box.modal);
}

TEST_F(MessageBoxes, TheConfirmationDefaultsToYesAndEscapeAnswersNo) {
    bool answer = false;
    const SeenBox box = Run(Qt::Key_Return, [&] { answer = dialogs_.Confirm("clash"); });
    EXPECT_TRUE(answer);
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.defaultButton, QMessageBox::Yes);
    EXPECT_TRUE(box.modal);

    Run(Qt::Key_Escape, [&] { answer = dialogs_.Confirm("clash"); });
    EXPECT_FALSE(answer);
}

// A path longer than the box wraps within it, so the file's name at its end stays in sight, and the
// whole text can still be selected and copied.
TEST_F(MessageBoxes, ALongPathWrapsAnywhereWithinTheBox) {
    const std::string message =
        "Error renaming file /media/usb/" + std::string(150, 'd') + "/the-file-that-matters.jpg";
    bool looked = false;
    RunLooking(
        Qt::Key_Return, [&] { dialogs_.ShowMessage(message); },
        [&](QMessageBox& box) {
            auto* text = box.findChild<QTextEdit*>(QLatin1String(MessageTextName));
            ASSERT_NE(text, nullptr);
            looked = true;
            EXPECT_EQ(text->toPlainText().toStdString(), message);
            text->selectAll();
            text->copy();
            EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), message);
            const QRect place(text->mapTo(&box, QPoint(0, 0)), text->size());
            EXPECT_TRUE(box.rect().contains(place)) << "the text runs past the box";
            // Three lines at least: the words, then the path broken inside itself; but no narrow column.
            const int line = text->fontMetrics().lineSpacing();
            const int width = text->fontMetrics().horizontalAdvance(QString::fromStdString(message));
            EXPECT_GE(place.height(), 3 * line);
            EXPECT_GE(place.width(), width / 4);
            EXPECT_LE(place.height(), (width / place.width() + 3) * line);
        });
    EXPECT_TRUE(looked);
}

TEST_F(MessageBoxes, TheFailureBoxOffersSkipAllAndStopBesideOk) {
    using engine::FailureAnswer;
    const struct {
        const char* button; // clicked before the key is sent; "" for OK, nullptr for none
        Qt::Key key;        // a space, sent to the box itself, does nothing
        FailureAnswer answer;
    } cases[] = {
        {"", Qt::Key_Space, FailureAnswer::GoOn},
        {"Skip All", Qt::Key_Space, FailureAnswer::SkipAll},
        {"Stop", Qt::Key_Space, FailureAnswer::Stop},
        {nullptr, Qt::Key_Escape, FailureAnswer::GoOn}, // as in the plain message
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button ? c.button : "Escape");
        FailureAnswer answer = c.answer == FailureAnswer::Stop ? FailureAnswer::GoOn : FailureAnswer::Stop;
        RunLooking(
            c.key, [&] { answer = dialogs_.AskAfterFailure("Error renaming file /tmp/a"); },
            [&](QMessageBox& box) {
                EXPECT_EQ(box.windowTitle(), "Quillmap");
                EXPECT_EQ(box.text(), "Error renaming file /tmp/a");
                EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
                QAbstractButton* chosen = box.button(QMessageBox::Ok);
                for (QAbstractButton* button : box.buttons())
                    if (c.button && button->text() == QString::fromUtf8(c.button))
                        chosen = button;
                if (c.button)
                    chosen->click();
            });
        EXPECT_EQ(answer, c.answer);
    }
}

} // namespace
