#include "main/InfoPanel.h"
#include "main/WindowLook.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <ostream>

namespace {

namespace n = layout::info_names;

constexpr std::array<const char*, 4> kPages{n::memInfoHelp, n::memInfoAbout, n::memInfoPro, n::memInfoPay};

class InfoPanelTest : public testing::Test {
protected:
    InfoPanelTest() {
        window_.resize(layout::InfoPanel::DesignSize);
        layout::ApplyWindowLook(&window_);
        panel_ = new layout::InfoPanel(&window_);
        window_.show();
    }

    template <typename T> T* Find(const char* name) {
        T* found = window_.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Pages seen by the user: the panel itself may be closed, so visibility is taken relative to it.
    std::vector<std::string> VisiblePages() {
        std::vector<std::string> visible;
        for (const char* page : kPages) {
            if (Find<QPlainTextEdit>(page)->isVisibleTo(panel_))
                visible.emplace_back(page);
        }
        return visible;
    }

    QWidget window_;
    layout::InfoPanel* panel_;
};

TEST_F(InfoPanelTest, IsClosedAtStartAndOpensOnTheHelpPage) {
    EXPECT_FALSE(panel_->isVisible());
    panel_->Open();
    EXPECT_TRUE(panel_->isVisible());
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{n::memInfoHelp});
}

TEST_F(InfoPanelTest, OpensOnHelpWhateverPageWasShownLast) {
    panel_->Open();
    Click(n::btnInfoPay);
    Click(n::btnInfoDone);
    EXPECT_FALSE(panel_->isVisible());
    // Done leaves the pages as they were.
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{n::memInfoPay});

    panel_->Open();
    EXPECT_TRUE(panel_->isVisible());
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{n::memInfoHelp});
}

TEST_F(InfoPanelTest, OpeningLiftsThePanelAboveControlsCreatedAfterIt) {
    auto* later = new QWidget(&window_);
    later->setGeometry(0, 0, 700, 479);
    later->show();
    panel_->Open();
    QWidget* seen = window_.childAt(350, 240);
    EXPECT_TRUE(seen == panel_ || panel_->isAncestorOf(seen));
}

struct PageButtonCase {
    const char* button;
    const char* page;
};

void PrintTo(const PageButtonCase& row, std::ostream* out) {
    *out << row.button;
}

class InfoPageButtonTest : public InfoPanelTest, public testing::WithParamInterface<PageButtonCase> {};

TEST_P(InfoPageButtonTest, ShowsExactlyItsOwnPageFromEveryOtherPage) {
    panel_->Open();
    for (const char* before : {n::btnInfoHelp, n::btnInfoAbout, n::btnInfoPro, n::btnInfoPay}) {
        Click(before);
        Click(GetParam().button);
        EXPECT_EQ(VisiblePages(), std::vector<std::string>{GetParam().page}) << "after " << before;
        EXPECT_TRUE(panel_->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, InfoPageButtonTest,
                         testing::Values(PageButtonCase{n::btnInfoHelp, n::memInfoHelp},
                                         PageButtonCase{n::btnInfoAbout, n::memInfoAbout},
                                         PageButtonCase{n::btnInfoPro, n::memInfoPro},
                                         PageButtonCase{n::btnInfoPay, n::memInfoPay}));

TEST_F(InfoPanelTest, PagesCannotBeEdited) {
    panel_->Open();
    const std::array<const char*, 4> buttons{n::btnInfoHelp, n::btnInfoAbout, n::btnInfoPro, n::btnInfoPay};
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        Click(buttons[i]);
        auto* page = Find<QPlainTextEdit>(kPages[i]);
        const QString before = page->toPlainText();
        EXPECT_FALSE(before.isEmpty()) << kPages[i];
        page->setFocus();
        QTest::keyClicks(page, "typed");
        QTest::keyClick(page, Qt::Key_Backspace);
        QTest::keyClick(page, Qt::Key_Delete);
        QTest::keyClick(page, Qt::Key_Return);
        EXPECT_EQ(page->toPlainText(), before) << kPages[i];
    }
}

TEST_F(InfoPanelTest, OnlyTheAboutPageHasAScrollBar) {
    for (const char* page : kPages) {
        const bool about = std::string(page) == n::memInfoAbout;
        EXPECT_EQ(Find<QPlainTextEdit>(page)->verticalScrollBarPolicy(),
                  about ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff)
            << page;
    }
}

// A page without a scroll bar must show all of its text at the smallest window size.
TEST_F(InfoPanelTest, PagesWithoutScrollBarShowTheirWholeText) {
    panel_->Open();
    const std::array<const char*, 3> buttons{n::btnInfoHelp, n::btnInfoPro, n::btnInfoPay};
    const std::array<const char*, 3> pages{n::memInfoHelp, n::memInfoPro, n::memInfoPay};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        Click(buttons[i]);
        auto* page = Find<QPlainTextEdit>(pages[i]);
        EXPECT_EQ(page->verticalScrollBar()->maximum(), 0) << pages[i];
    }
    // The measure itself: a page that is too long does report a range to scroll.
    auto* help = Find<QPlainTextEdit>(n::memInfoHelp);
    Click(n::btnInfoHelp);
    help->setPlainText(QString("line\n").repeated(60));
    QCoreApplication::processEvents();
    EXPECT_GT(help->verticalScrollBar()->maximum(), 0);
}

TEST_F(InfoPanelTest, PagesStretchAndButtonsKeepTheirRelativeCentre) {
    panel_->Open();
    panel_->resize(800, 579);
    QCoreApplication::processEvents();
    for (const char* page : kPages)
        EXPECT_EQ(Find<QWidget>(page)->geometry(), QRect(65, 88, 669, 437)) << page;
    EXPECT_EQ(Find<QWidget>(n::Panel2)->geometry(), QRect(222, 24, 356, 41));
    EXPECT_EQ(Find<QWidget>(n::btnInfoDone)->geometry(), QRect(362, 540, 75, 25));
    EXPECT_EQ(Find<QWidget>(n::btnInfoPay)->geometry(), QRect(272, 8, 75, 25));

    panel_->resize(layout::InfoPanel::DesignSize);
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QWidget>(n::memInfoAbout)->geometry(), QRect(65, 88, 569, 337));
    EXPECT_EQ(Find<QWidget>(n::Panel2)->geometry(), QRect(172, 24, 356, 41));
    EXPECT_EQ(Find<QWidget>(n::btnInfoDone)->geometry(), QRect(312, 440, 75, 25));
}

TEST_F(InfoPanelTest, ResizedWhileClosedIsLaidOutWhenOpened) {
    panel_->resize(900, 600);
    panel_->Open();
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QWidget>(n::memInfoHelp)->geometry(), QRect(65, 88, 769, 458));
    EXPECT_EQ(Find<QWidget>(n::btnInfoDone)->geometry(), QRect(412, 561, 75, 25));
}

} // namespace
