#include "main/layout/InfoPanel.h"

#include "main/layout/WindowLook.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace {

namespace n = layout::info_names;

constexpr std::array<const char*, 4> kButtons{n::btnInfoHelp, n::btnInfoAbout, n::btnInfoPro, n::btnInfoPay};
constexpr std::array<const char*, 4> kPages{n::memInfoHelp, n::memInfoAbout, n::memInfoPro, n::memInfoPay};

class InfoPanelTest : public testing::Test {
protected:
    InfoPanelTest() {
        window_.resize(layout::InfoPanel::DesignSize);
        layout::ApplyWindowLook(&window_);
        panel_ = new layout::InfoPanel(
            &window_, QStringLiteral("/home/someone/.config/Harbeck/TitleShaperWorkshop.conf"));
        window_.show();
    }

    template <typename T = QWidget> T* Find(const char* name) {
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
            if (Find(page)->isVisibleTo(panel_))
                visible.emplace_back(page);
        }
        return visible;
    }

    QWidget window_;
    layout::InfoPanel* panel_;
};

// Exactly one page shows at a time, and the panel opens on Help whatever page was shown last.
TEST_F(InfoPanelTest, EachButtonShowsItsOwnPageAndOpeningShowsHelp) {
    EXPECT_FALSE(panel_->isVisible());
    panel_->Open();
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{n::memInfoHelp});
    for (std::size_t i : {1, 3, 2, 0, 3}) {
        Click(kButtons[i]);
        EXPECT_EQ(VisiblePages(), std::vector<std::string>{kPages[i]}) << kButtons[i];
    }
    Click(n::btnInfoDone);
    EXPECT_FALSE(panel_->isVisible());
    panel_->Open();
    EXPECT_TRUE(panel_->isVisible());
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{n::memInfoHelp});
}

// No page takes typing. Only the About page scrolls; every other page shows its whole text at the
// smallest window size.
TEST_F(InfoPanelTest, PagesAreReadOnlyAndOnlyAboutScrolls) {
    panel_->Open();
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        SCOPED_TRACE(kPages[i]);
        Click(kButtons[i]);
        auto* page = Find<QPlainTextEdit>(kPages[i]);
        const QString before = page->toPlainText();
        EXPECT_FALSE(before.isEmpty());
        page->setFocus();
        QTest::keyClicks(page, "typed");
        QTest::keyClick(page, Qt::Key_Backspace);
        QTest::keyClick(page, Qt::Key_Delete);
        EXPECT_EQ(page->toPlainText(), before);
        if (std::string(kPages[i]) == n::memInfoAbout) {
            EXPECT_EQ(page->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        } else {
            EXPECT_EQ(page->verticalScrollBar()->maximum(), 0);
        }
    }
    // The measure itself: a page that is too long does report a range to scroll.
    auto* help = Find<QPlainTextEdit>(n::memInfoHelp);
    Click(n::btnInfoHelp);
    help->setPlainText(QString("line\n").repeated(60));
    QCoreApplication::processEvents();
    EXPECT_GT(help->verticalScrollBar()->maximum(), 0);
}

TEST_F(InfoPanelTest, ResizedWhileClosedIsLaidOutWhenOpened) {
    panel_->resize(900, 600);
    panel_->Open();
    QCoreApplication::processEvents();
    EXPECT_EQ(Find(n::memInfoHelp)->geometry(), QRect(65, 88, 769, 458));
    EXPECT_EQ(Find(n::Panel2)->geometry(), QRect(272, 24, 356, 41));
    EXPECT_EQ(Find(n::btnInfoDone)->geometry(), QRect(412, 561, 75, 25));
}

// Every page button's caption leaves its margins free within the button at the design size.
TEST_F(InfoPanelTest, PageButtonCaptionsKeepTheirMargins) {
    for (const char* name : kButtons) {
        SCOPED_TRACE(name);
        auto* button = Find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(75, 25));
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) +
                      2 * (frame + layout::CaptionMargin),
                  button->width());
    }
}

} // namespace
