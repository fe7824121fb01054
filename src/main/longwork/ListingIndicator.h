#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;

// Shown over the grid while a folder is read for longer than half a second: how many files have been read
// so far, and "Cancel", which keeps the listing the grid had.
class ListingIndicator : public QFrame {
    Q_OBJECT
public:
    // `readSoFar` gives the count to show; `cancel` calls the read off.
    ListingIndicator(QWidget* window, std::function<std::size_t()> readSoFar, std::function<void()> cancel);

    // Over `area`: starts the wait for a long read, and ends it.
    void Begin(const QRect& area);
    void End();

private:
    void ShowCount();

    std::function<std::size_t()> readSoFar_;
    QTimer showLater_;
    QTimer tick_;
    QLabel* text_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
