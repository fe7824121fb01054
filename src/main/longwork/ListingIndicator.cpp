#include "ListingIndicator.h"

#include "main/ControlNames.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr int ShowAfterMs = 500;
constexpr int TickMs = 100;

} // namespace

ListingIndicator::ListingIndicator(QWidget* window, std::function<std::size_t()> readSoFar,
                                   std::function<void()> cancel)
    : QFrame(window), readSoFar_(std::move(readSoFar)) {
    setObjectName(QLatin1String(names::pnlListing));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    text_ = new QLabel(this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QLatin1String(names::btnCancelListing));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, [cancel = std::move(cancel)] { cancel(); });
    showLater_.setSingleShot(true);
    connect(&showLater_, &QTimer::timeout, this, [this] {
        ShowCount();
        show();
        raise();
        tick_.start(TickMs);
    });
    connect(&tick_, &QTimer::timeout, this, &ListingIndicator::ShowCount);
    hide();
}

void ListingIndicator::Begin(const QRect& area) {
    const QSize size(std::min(area.width() - 16, 360), 48);
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    showLater_.start(ShowAfterMs);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void ListingIndicator::End() {
    showLater_.stop();
    tick_.stop();
    hide();
    QGuiApplication::restoreOverrideCursor();
}

void ListingIndicator::ShowCount() {
    text_->setText(QStringLiteral("Reading the folder: %1 files so far")
                       .arg(QLocale().toString(static_cast<qulonglong>(readSoFar_()))));
}
