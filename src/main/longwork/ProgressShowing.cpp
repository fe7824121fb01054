#include "ProgressShowing.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

constexpr std::chrono::milliseconds HalfASecond{500};

} // namespace

bool ProgressDue(std::chrono::milliseconds worked, std::chrono::milliseconds renaming, int done, int total) {
    if (worked < HalfASecond)
        return false;
    if (total < 0 || done <= 0 || renaming.count() <= 0)
        return true;
    const auto left = renaming * (total - done) / done;
    return left >= HalfASecond;
}

ProgressShowing::ProgressShowing(QWidget& dialog, std::function<bool(std::chrono::milliseconds)> due,
                                 std::function<Clock::time_point()> now)
    : dialog_(dialog), due_(std::move(due)), now_(std::move(now)), since_(now_()) {
    qApp->installEventFilter(this);
}

ProgressShowing::~ProgressShowing() {
    qApp->removeEventFilter(this);
}

std::chrono::milliseconds ProgressShowing::Worked() const {
    const Clock::duration running = open_.empty() ? now_() - since_ : Clock::duration{};
    return std::chrono::duration_cast<std::chrono::milliseconds>(before_ + running);
}

void ProgressShowing::Tick() {
    if (open_.empty() && !dialog_.isVisible() && due_(Worked()))
        dialog_.show();
}

bool ProgressShowing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || window == &dialog_ || !window->isWindow())
        return false;
    const auto found = std::find(open_.begin(), open_.end(), watched);
    if (event->type() == QEvent::Show && found == open_.end() && window->isModal()) {
        // The first box stops the clock; the dialog leaves the screen so that it cannot cover the box or
        // take its focus.
        if (open_.empty())
            before_ += now_() - since_;
        open_.emplace_back(watched);
        dialog_.hide();
    } else if (event->type() == QEvent::Hide && found != open_.end()) {
        open_.erase(found);
        // A box deleted without being hidden leaves only an empty pointer behind.
        std::erase_if(open_, [](const QPointer<QObject>& box) { return box.isNull(); });
        if (open_.empty())
            since_ = now_();
    }
    return false;
}
