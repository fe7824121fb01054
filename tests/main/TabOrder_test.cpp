#include "main/TabOrder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class TabOrderTest : public testing::Test {
protected:
    TabOrderTest() {
        // Created in another order than the one Tab is to follow.
        last_ = Make<QLineEdit>("last");
        r3_ = Make<QRadioButton>("r3");
        first_ = Make<QLineEdit>("first");
        r2_ = Make<QRadioButton>("r2");
        middle_ = Make<QLineEdit>("middle");
        r1_ = Make<QRadioButton>("r1");
        r1_->setChecked(true);
        layout::SetTabChain({first_, r1_, middle_, r2_, r3_, last_});
        layout::TabStopOnCheckedOnly({r1_, r2_, r3_});
        window_.show();
        QApplication::setActiveWindow(&window_);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    template <typename T> T* Make(const char* name) {
        auto* control = new T(&window_);
        control->setObjectName(name);
        return control;
    }

    // The controls Tab visits, starting at the first field, until it comes back there.
    std::vector<std::string> TabWalk() {
        first_->setFocus();
        std::vector<std::string> visited;
        for (int step = 0; step < 10; ++step) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || (step > 0 && focus == first_))
                break;
            visited.push_back(focus->objectName().toStdString());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return visited;
    }

    QWidget window_;
    QLineEdit* first_;
    QLineEdit* middle_;
    QLineEdit* last_;
    QRadioButton* r1_;
    QRadioButton* r2_;
    QRadioButton* r3_;
};

TEST_F(TabOrderTest, VisitsTheChainWithOnlyTheCheckedRadioButton) {
    EXPECT_EQ(TabWalk(), (std::vector<std::string>{"first", "r1", "middle", "last"}));
}

TEST_F(TabOrderTest, FollowsTheCheckedRadioButton) {
    QTest::mouseClick(r3_, Qt::LeftButton, Qt::NoModifier, QPoint(6, r3_->height() / 2));
    ASSERT_TRUE(r3_->isChecked());
    EXPECT_EQ(TabWalk(), (std::vector<std::string>{"first", "middle", "r3", "last"}));
}

TEST_F(TabOrderTest, MouseStillReachesUncheckedRadioButtons) {
    EXPECT_EQ(r2_->focusPolicy() & Qt::ClickFocus, Qt::ClickFocus);
    QTest::mouseClick(r2_, Qt::LeftButton, Qt::NoModifier, QPoint(6, r2_->height() / 2));
    EXPECT_TRUE(r2_->isChecked());
    EXPECT_TRUE(r2_->hasFocus());
}

} // namespace
