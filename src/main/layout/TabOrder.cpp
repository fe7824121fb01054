#include "TabOrder.h"

namespace layout {

void SetTabChain(const std::vector<QWidget*>& chain) {
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

namespace {

void FollowCheck(QRadioButton* button, bool checked) {
    button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

void TabStopOnCheckedOnly(std::initializer_list<QRadioButton*> buttons) {
    for (QRadioButton* button : buttons) {
        FollowCheck(button, button->isChecked());
        QObject::connect(button, &QRadioButton::toggled, button,
                         [button](bool checked) { FollowCheck(button, checked); });
    }
}

} // namespace layout
