// "Copy" and "Paste" on the system clipboard.
#include "FormFixture.h"
#include "engine/grid/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class Clipboard : public FormTest {
protected:
    static void Put(const QByteArray& text) {
        auto data = std::make_unique<QMimeData>();
        data->setData(QStringLiteral("text/plain"), text);
        QGuiApplication::clipboard()->setMimeData(data.release());
    }
    static QByteArray Held() {
        return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
    }
};

// A name that is not valid UTF-8 travels as its bytes.
TEST_F(Clipboard, CopyThenPasteGivesEveryFileItsOwnName) {
    OpenListing({"a.txt", "b.txt", "caf\xE9.txt"});
    Click(names::btnCopy);
    const QByteArray copied = Held();
    EXPECT_EQ(copied, "a.txt\r\nb.txt\r\ncaf\xE9.txt\r\n");
    // One line too few fills nothing.
    Put("1\r\n2\r\n");
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"", "", ""}));
    Put(copied);
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"a.txt", "b.txt", "caf\xE9.txt"}));
    EXPECT_TRUE(dialogs_.None());
}

TEST_F(Clipboard, ANameWithALineBreakIsRefusedAndTheClipboardKept) {
    OpenListing({"a.txt", "two\nlines.txt"});
    Put("before");
    Click(names::btnCopy);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{engine::LineBreakMessage("two\nlines.txt")});
    EXPECT_EQ(Held(), "before");
}

TEST_F(Clipboard, AnEmptyFolderLeavesTheClipboardAlone) {
    Open();
    ListFiles();
    Put("before");
    Click(names::btnCopy);
    EXPECT_EQ(Held(), "before");
    Click(names::btnPaste);
    EXPECT_EQ(Grid()->model()->rowCount(), 0);
}

// Before the first listing the grid's one blank row is no file: the clipboard buttons change nothing.
TEST_F(Clipboard, NothingListedYetLeavesTheClipboardAndTheGridAlone) {
    Open();
    Put("before\r\n");
    Click(names::btnCopy);
    EXPECT_EQ(Held(), "before\r\n");
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), std::vector<std::string>{""});
    Click(names::rdbManual);
    Click(names::btnCopyOver);
    EXPECT_EQ(NewNames(), std::vector<std::string>{""});
    EXPECT_TRUE(dialogs_.None());
}

} // namespace
