// Opening a folder from outside: the folder given on the command line, and drops from a file manager.
#include "FormFixture.h"
#include "main/FolderDrop.h"
#include "platform/files/FolderToOpen.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

using StartFolderWindow = FormTest;

TEST_F(StartFolderWindow, IsListedInPlaceOfTheRememberedFolder) {
    folder_.AddFolder("other");
    folder_.Write("other/given.txt", "x");
    OpenListing({"remembered.txt"});
    Close();

    Open(FolderToOpen("other/missing/deeper", folder_.Name()));
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Sub("other"));
    EXPECT_EQ(OldNames(), std::vector<std::string>{"given.txt"});
    EXPECT_TRUE(dialogs_.None());
}

TEST(DroppedPath, IsTheFirstLocalPathAsBytes) {
    const struct {
        const char* name;
        QList<QUrl> urls;
        std::optional<std::string> path;
    } cases[] = {
        {"web only", {QUrl(QStringLiteral("https://example.org/a"))}, std::nullopt},
        {"first local one",
         {QUrl(QStringLiteral("https://example.org/a")), QUrl(QStringLiteral("file:///tmp/b c")),
          QUrl(QStringLiteral("file:///tmp/d"))},
         "/tmp/b c"},
        {"bytes that are not UTF-8", {QUrl(QStringLiteral("file:///tmp/caf%E9"))}, "/tmp/caf\xE9"},
    };
    for (const auto& c : cases) {
        QMimeData data;
        data.setUrls(c.urls);
        EXPECT_EQ(FolderDrop::DroppedPath(data), c.path) << c.name;
    }
}

using FolderDropWindow = FormTest;

// Dropped onto an entry field, a file opens its folder, and the field's text stays as it was.
TEST_F(FolderDropWindow, AFileDroppedAnywhereOpensItsFolder) {
    folder_.AddFolder("sub");
    folder_.Write("sub/dropped.txt", "x");
    OpenListing({"first.txt"});
    Click(names::rdbReplacer);
    auto* field = Find<QLineEdit>(names::edtWith);
    field->setText(QStringLiteral("kept"));

    QMimeData data;
    const QString dropped = QString::fromStdString(folder_.Sub("sub/dropped.txt"));
    // File managers give the path as text too, which an entry field alone would take.
    data.setUrls({QUrl::fromLocalFile(dropped)});
    data.setText(dropped);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);

    EXPECT_EQ(Tree()->SelectedPath(), folder_.Sub("sub"));
    EXPECT_EQ(OldNames(), std::vector<std::string>{"dropped.txt"});
    EXPECT_EQ(field->text().toStdString(), "kept");
    EXPECT_TRUE(dialogs_.None());
}

} // namespace
