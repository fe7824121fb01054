#include "BatchProgressDialog.h"

#include "main/ControlNames.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

BatchProgressDialog::BatchProgressDialog(QWidget* window, Wording wording)
    : QDialog(window), wording_(wording) {
    setObjectName(QLatin1String(names::dlgProgress));
    setWindowTitle(window ? window->windowTitle() : QString());
    setWindowModality(Qt::WindowModal);
    text_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    stop_ = new QPushButton(QStringLiteral("Stop"), this);
    stop_->setObjectName(QLatin1String(names::btnStop));
    stop_->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addWidget(stop_, 0, Qt::AlignRight);
    setMinimumWidth(320);
    connect(stop_, &QPushButton::clicked, this, &BatchProgressDialog::reject);
    SetProgress(0, -1);
}

void BatchProgressDialog::SetProgress(int tried, int total) {
    if (stopRequested_)
        return;
    if (total < 0) {
        // The snapshot and the clash check of a big batch take a moment before the first rename.
        text_->setText(QStringLiteral("Preparing to rename..."));
        bar_->setRange(0, 0);
        return;
    }
    text_->setText((wording_ == Wording::RenamingBack ? QStringLiteral("Renaming %1 of %2 back")
                                                      : QStringLiteral("Renaming %1 of %2"))
                       .arg(tried)
                       .arg(total));
    bar_->setRange(0, std::max(total, 1));
    bar_->setValue(tried);
}

void BatchProgressDialog::reject() {
    // The batch ends between two renames; until it has, the dialog says so instead of vanishing.
    if (stopRequested_)
        return;
    stopRequested_ = true;
    stop_->setEnabled(false);
    text_->setText(QStringLiteral("Stopping..."));
    emit Stop();
}
