// A folder that takes long to read: the indicator over the grid, Cancel, and another folder chosen meanwhile.
#include "FormFixture.h"
#include "PausingWork.h"
#include "WhileHeld.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <functional>

namespace {

class LongListing : public FormTest {
protected:
    // Lists a.txt and b.txt and types a new name for a.txt; the folder "big" will be held while read.
    void OpenWithTypedName() {
        folder_.AddFolder("big");
        folder_.Write("big/c.txt", "x");
        lister_ = &held_;
        OpenListing({"a.txt", "b.txt"});
        EditNewName(1, "typed.txt");
    }
    // Selects "big", and runs `whileHeld` once its read is held and the indicator is shown.
    void SelectBigAndWhileHeld(const std::function<void(QWidget& indicator)>& whileHeld) {
        StartAndWhileHeld(
            *form_, names::pnlListing, held_.gate, [this] { SelectFolder(folder_.Sub("big")); }, whileHeld);
    }

    fakes::PausingLister held_{files_, folder_.Sub("big"), 12345};
};

TEST_F(LongListing, CancelKeepsTheGridAndItsNewNames) {
    OpenWithTypedName();
    QString shown;
    bool treeUsable = false;
    bool goLocked = false;
    SelectBigAndWhileHeld([&](QWidget& indicator) {
        shown = indicator.findChild<QLabel*>()->text();
        treeUsable = Tree()->isEnabled();
        goLocked = !Find(names::btnGo)->isEnabled();
        QTest::mouseClick(indicator.findChild<QPushButton*>(QLatin1String(names::btnCancelListing)),
                          Qt::LeftButton);
    });
    EXPECT_EQ(shown, "Reading the folder: " + QLocale().toString(12345) + " files so far");
    EXPECT_TRUE(treeUsable);
    EXPECT_TRUE(goLocked);
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"typed.txt", ""}));
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(Find(names::btnGo)->isEnabled());
    EXPECT_FALSE(Find(names::pnlListing)->isVisible());
}

TEST_F(LongListing, AnotherFolderChosenDuringAReadIsListedInstead) {
    folder_.AddFolder("small");
    folder_.Write("small/s.txt", "x");
    OpenWithTypedName();
    SelectBigAndWhileHeld([&](QWidget&) { SelectFolder(folder_.Sub("small")); });
    EXPECT_EQ(OldNames(), std::vector<std::string>{"s.txt"});
    EXPECT_TRUE(dialogs_.messages.empty());
}

} // namespace
