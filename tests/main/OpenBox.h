#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs what shows a message box, lets the test look at the box while it is open, then closes it with
// Escape. The timer fires inside the box's own event loop, so the box is open when it is found.
inline void LookAtOpenBox(const std::function<void()>& show, const std::function<void(QMessageBox&)>& look) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            poll.stop();
            look(*box);
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
    });
    poll.start(10);
    show();
}
