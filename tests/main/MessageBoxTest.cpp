// The real message boxes, inspected while they are open and answered with the keyboard.
#include "main/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
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

// Runs `answer` on the next message box to open. Timers fire only inside the box's own event loop, so the
// box is open when the first one finds it.
void WhenBoxOpens(const std::function<void(QMessageBox&)>& answer) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            timer->stop();
            timer->deleteLater();
            answer(*box);
            return;
        }
    });
    timer->start(10);
}

class MessageBoxes : public ::testing::Test {
protected:
    // Runs a box with an answer scheduled, and returns what the box looked like.
    SeenBox Run(Qt::Key key, const std::function<void()>& show) {
        auto seen = std::make_shared<SeenBox>();
        WhenBoxOpens([seen, key](QMessageBox& box) {
            QPushButton* chosen = box.defaultButton();
            *seen = {box.windowTitle(),
                     box.text(),
                     box.icon(),
                     box.standardButtons(),
                     chosen ? box.standardButton(chosen) : QMessageBox::NoButton,
                     box.isModal(),
                     box.textFormat()};
            QTest::keyClick(&box, key);
        });
        show();
        return *seen;
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

// Clicks the button of the next message box whose caption is `caption` ("" for its OK button).
void ClickWhenOpen(const QString& caption) {
    WhenBoxOpens([caption](QMessageBox& box) {
        QAbstractButton* chosen = box.button(QMessageBox::Ok);
        for (QAbstractButton* button : box.buttons())
            if (button->text() == caption)
                chosen = button;
        chosen->click();
    });
}

TEST_F(MessageBoxes, TheFailureBoxOffersSkipAllAndStopBesideOk) {
    const struct {
        const char* caption;
        engine::FailureAnswer answer;
    } cases[] = {
        {"", engine::FailureAnswer::GoOn},
        {"Skip All", engine::FailureAnswer::SkipAll},
        {"Stop", engine::FailureAnswer::Stop},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        ClickWhenOpen(QString::fromUtf8(c.caption));
        EXPECT_EQ(dialogs_.AskAfterFailure("Error renaming file /tmp/a"), c.answer);
    }
    // Escape answers OK, as it does in the plain message.
    engine::FailureAnswer answer = engine::FailureAnswer::Stop;
    const SeenBox box =
        Run(Qt::Key_Escape, [&] { answer = dialogs_.AskAfterFailure("Error renaming file /a"); });
    EXPECT_EQ(answer, engine::FailureAnswer::GoOn);
    EXPECT_EQ(box.caption, "Quillmap");
    EXPECT_EQ(box.text, "Error renaming file /a");
    EXPECT_EQ(box.defaultButton, QMessageBox::Ok);
}

} // namespace
