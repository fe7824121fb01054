#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The window-modal progress of a long Go: "Renaming k of n", a bar, and "Stop". Stop, Escape and the
// dialog's close button all ask the batch to stop; the dialog itself stays until the batch has ended.
class BatchProgressDialog : public QDialog {
    Q_OBJECT
public:
    BatchProgressDialog(QWidget* window, int total);

    void SetTried(int tried);
    bool StopRequested() const { return stopRequested_; }

signals:
    void Stop();

protected:
    void reject() override;

private:
    int total_;
    bool stopRequested_ = false;
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* stop_ = nullptr;
};
