// "Copy", "Paste" and "Duiplicate" on the system clipboard.
#include "FormFixture.h"
#include "engine/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class Clipboard : public FormTest {
protected:
    void ListThree() {
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            folder_.Add(name);
        Open();
        ListFiles();
    }
    static void Put(const QByteArray& text) {
        auto data = std::make_unique<QMimeData>();
        data->setData(QStringLiteral("text/plain"), text);
        QGuiApplication::clipboard()->setMimeData(data.release());
    }
    static QByteArray Held() {
        return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
    }
};

TEST_F(Clipboard, CopyThenPasteGivesEveryFileItsOwnName) {
    ListThree();
    Click(names::btnCopy);
    EXPECT_EQ(Held(), "a.txt\r\nb.txt\r\nc.txt\r\n");
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), OldNames());
    EXPECT_TRUE(dialogs_.Boxes().empty());
}

struct PasteRow {
    const char* test;
    QByteArray text;
    std::vector<std::string> newNames; // for the files a.txt, b.txt, c.txt
};

class Paste : public Clipboard, public ::testing::WithParamInterface<PasteRow> {};

TEST_P(Paste, FillsTheNewNamesOnlyWhenThereAreEnoughLines) {
    ListThree();
    Put(GetParam().text);
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), GetParam().newNames);
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Paste,
    ::testing::Values(PasteRow{"ExactlyNWithFinalBreak", "1\r\n2\r\n3\r\n", {"1", "2", "3"}},
                      PasteRow{
                          "MoreLinesThanFiles", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", {"1", "2", "3"}},
                      PasteRow{"OneLineTooFew", "1\r\n2\r\n", {"", "", ""}},
                      PasteRow{"AnEmptyLineIsABlankName", "1\r\n\r\n3\r\n", {"1", "", "3"}}),
    [](const auto& info) { return std::string(info.param.test); });

TEST_F(Clipboard, ANameWithALineBreakIsRefusedAndTheClipboardKept) {
    folder_.Add("a.txt");
    folder_.Add("two\nlines.txt");
    Open();
    ListFiles();
    Put("before");
    Click(names::btnCopy);
    EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{engine::LineBreakMessage("two\nlines.txt")});
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

TEST_F(Clipboard, NamesThatAreNotUtf8TravelAsTheirBytes) {
    folder_.Add("caf\xE9.txt");
    Open();
    ListFiles();
    Click(names::btnCopy);
    EXPECT_EQ(Held(), "caf\xE9.txt\r\n");
    Click(names::btnPaste);
    EXPECT_EQ(NewNames(), std::vector<std::string>{"caf\xE9.txt"});
}

TEST_F(Clipboard, DuiplicateCopiesEveryOldNameAndEditsStayInTheirCell) {
    ListThree();
    Click(names::rdbManual);
    Click(names::btnCopyOver);
    EXPECT_EQ(NewNames(), OldNames());
    EditCell(1, 2, "x.txt");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"a.txt", "x.txt", "c.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

} // namespace
