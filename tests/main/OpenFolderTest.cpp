// Opening a folder from outside: the command line, which folder a path given opens, and drops from a
// file manager.
#include "FormFixture.h"
#include "main/CommandLine.h"
#include "main/FolderDrop.h"
#include "main/FolderToOpen.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

struct ParseCase {
    const char* name;
    std::vector<std::string> arguments;
    CommandLine::Request request;
    std::string folder;
    const char* textStart;
};

// Failure reports name the case, never its bytes.
void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, GivesTheRequestTheFolderAndTheText) {
    const ParseCase& c = GetParam();
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.request, c.request);
    EXPECT_EQ(line.folder, c.folder);
    if (*c.textStart == '\0') {
        EXPECT_TRUE(line.text.isEmpty()) << line.text.toStdString();
    } else {
        EXPECT_TRUE(line.text.startsWith(QString::fromUtf8(c.textStart))) << line.text.toStdString();
    }
    // An error is one line, ready for standard error.
    if (c.request == CommandLine::Request::Refuse) {
        EXPECT_FALSE(line.text.contains(QLatin1Char('\n'))) << line.text.toStdString();
    }
}

using enum CommandLine::Request;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arguments, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{"Nothing", {"/usr/bin/Quillmap"}, Run, "", ""},
        ParseCase{"AFolder", {"Quillmap", "Pictures/2024"}, Run, "Pictures/2024", ""},
        // A folder whose name is not UTF-8 keeps its bytes.
        ParseCase{"BytesThatAreNotUtf8", {"Quillmap", "/tmp/caf\xE9"}, Run, "/tmp/caf\xE9", ""},
        ParseCase{"AFolderThatLooksLikeAnOption", {"Quillmap", "--", "-x"}, Run, "-x", ""},
        ParseCase{"ToolkitOptionsPass", {"Quillmap", "-style", "fusion", "/tmp"}, Run, "/tmp", ""},
        ParseCase{"Help", {"Quillmap", "--help"}, ShowHelp, "", "Usage: Quillmap [options] [FOLDER]"},
        ParseCase{"ShortHelp", {"/opt/bin/Quillmap", "-h"}, ShowHelp, "", "Usage: Quillmap"},
        ParseCase{"Version", {"Quillmap", "--version"}, ShowVersion, "", "Quillmap 1."},
        ParseCase{"UnknownOption", {"Quillmap", "--frobnicate"}, Refuse, "", "Quillmap: Unknown option 'frobnicate'."},
        ParseCase{"UnknownOptionBesideAFolder", {"Quillmap", "/tmp", "-q"}, Refuse, "", "Quillmap: Unknown option 'q'."},
        ParseCase{"Undo", {"Quillmap", "--undo"}, Undo, "", ""},
        ParseCase{"UndoWithAFolder", {"Quillmap", "--undo", "/tmp"}, Refuse, "", "Quillmap: --undo takes no folder"},
        ParseCase{"TwoFolders", {"Quillmap", "/tmp", "/var"}, Refuse, "", "Quillmap: only one folder"},
        ParseCase{"Recipe", {"Quillmap", "--recipe", "numbers", "/tmp"}, Recipe, "/tmp", ""},
        ParseCase{"RecipeApplied", {"Quillmap", "/tmp", "--apply", "--recipe=r.json"}, Recipe, "/tmp", ""},
        ParseCase{"RecipeWithoutAFolder", {"Quillmap", "--recipe", "r.json"}, Refuse, "", "Quillmap: --recipe needs exactly one FOLDER"},
        ParseCase{"RecipeWithTwoFolders", {"Quillmap", "--recipe", "r.json", "/tmp", "/var"}, Refuse, "", "Quillmap: --recipe needs exactly one FOLDER"},
        ParseCase{"RecipeWithoutItsFile", {"Quillmap", "/tmp", "--recipe"}, Refuse, "", "Quillmap: Missing value after '--recipe'."},
        ParseCase{"TwoRecipes", {"Quillmap", "--recipe", "a", "--recipe", "b", "/tmp"}, Refuse, "", "Quillmap: only one recipe"},
        ParseCase{"RecipeAndUndo", {"Quillmap", "--undo", "--recipe", "a", "/tmp"}, Refuse, "", "Quillmap: --recipe and --undo"},
        ParseCase{"ApplyAlone", {"Quillmap", "--apply", "/tmp"}, Refuse, "", "Quillmap: --apply needs --recipe"}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ParseRecipeLine, KeepsTheRecipesBytesAndWhetherToApply) {
    const struct {
        const char* label;
        std::vector<std::string> arguments;
        std::string recipe;
        bool apply;
    } cases[] = {
        {"a saved recipe's name",
         {"Quillmap", "--recipe", "Holiday photos", "/tmp"},
         "Holiday photos",
         false},
        {"a path that is not UTF-8",
         {"Quillmap", "--apply", "--recipe", "/tmp/r\xE9.json", "/tmp"},
         "/tmp/r\xE9.json",
         true},
        {"the folder named like the recipe", {"Quillmap", "--recipe", "same", "same"}, "same", false},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.request, CommandLine::Request::Recipe) << c.label;
        EXPECT_EQ(line.recipe, c.recipe) << c.label;
        EXPECT_EQ(line.apply, c.apply) << c.label;
    }
}

// The folders and files the argument cases point at, in a scratch folder that stands for the current one.
class FolderToOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        here_.AddFolder("photos/2024");
        here_.Write("photos/2024/img.jpg", "x");
        std::filesystem::create_symlink(here_.Sub("photos"), here_.Sub("link"));
        std::filesystem::create_symlink(here_.Sub("nowhere"), here_.Sub("photos/broken"));
    }
    std::string At(const std::string& relative) const { return here_.Sub(relative); }
    ScratchFolder here_;
};

TEST_F(FolderToOpenTest, ChoosesTheFolderTheArgumentMeans) {
    const struct {
        std::string argument;
        std::string folder;
    } cases[] = {
        {"", ""},
        {"photos", At("photos")},
        {"photos/2024/", At("photos/2024")},
        {"./photos/../photos/2024", At("photos/2024")},
        {At("photos"), At("photos")},
        // A link to a folder is opened as the link, the way the user reached it.
        {"link", At("link")},
        {"photos/2024/img.jpg", At("photos/2024")},
        {"photos/broken", At("photos")},
        // Kept as it is: the tree selects its deepest existing folder.
        {"photos/missing/deeper", At("photos/missing/deeper")},
        {"/", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderToOpen(c.argument, here_.Name()), c.folder) << "argument " << c.argument;
}

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
