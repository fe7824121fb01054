#include "main/TabOrder.h"

#include <vector>

namespace layout {

void SetTabChain(std::initializer_list<QWidget*> chain) {
    const std::vector<QWidget*> controls(chain);
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
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
