#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The window-modal progress of a long Go, "Renaming k of n", or of a long undo, "Renaming k of n back",
// with a bar and "Stop". Stop, Escape and the dialog's close button all ask the work to stop; the dialog
// itself stays until the work has ended.
class BatchProgressDialog : public QDialog {
    Q_OBJECT
public:
    enum class Wording { Renaming, RenamingBack };
    explicit BatchProgressDialog(QWidget* window, Wording wording = Wording::Renaming);

    // `tried` renames of `total`; a total below 0 while the batch is still being prepared.
    void SetProgress(int tried, int total);
    bool StopRequested() const { return stopRequested_; }

signals:
    void Stop();

protected:
    void reject() override;

private:
    Wording wording_;
    bool stopRequested_ = false;
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* stop_ = nullptr;
};
