// The command line: which request it makes, and which folder a FOLDER argument opens.
#include "main/CommandLine.h"

#include "FormFixture.h"

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

INSTANTIATE_TEST_SUITE_P(
    Arguments, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{"Nothing", {"/usr/bin/Quillmap"}, CommandLine::Request::Run, "", ""},
        ParseCase{"AFolder", {"Quillmap", "Pictures/2024"}, CommandLine::Request::Run, "Pictures/2024", ""},
        // A folder whose name is not UTF-8 keeps its bytes.
        ParseCase{"BytesThatAreNotUtf8",
                  {"Quillmap", "/tmp/caf\xE9"},
                  CommandLine::Request::Run,
                  "/tmp/caf\xE9",
                  ""},
        ParseCase{
            "AFolderThatLooksLikeAnOption", {"Quillmap", "--", "-x"}, CommandLine::Request::Run, "-x", ""},
        ParseCase{"ToolkitOptionsPass",
                  {"Quillmap", "-style", "fusion", "/tmp"},
                  CommandLine::Request::Run,
                  "/tmp",
                  ""},
        ParseCase{"Help",
                  {"Quillmap", "--help"},
                  CommandLine::Request::ShowHelp,
                  "",
                  "Usage: Quillmap [options] [FOLDER]"},
        ParseCase{
            "ShortHelp", {"/opt/bin/Quillmap", "-h"}, CommandLine::Request::ShowHelp, "", "Usage: Quillmap"},
        ParseCase{"Version", {"Quillmap", "--version"}, CommandLine::Request::ShowVersion, "", "Quillmap 1."},
        ParseCase{"UnknownOption",
                  {"Quillmap", "--frobnicate"},
                  CommandLine::Request::Refuse,
                  "",
                  "Quillmap: Unknown option 'frobnicate'."},
        ParseCase{"UnknownOptionBesideAFolder",
                  {"Quillmap", "/tmp", "-q"},
                  CommandLine::Request::Refuse,
                  "",
                  "Quillmap: Unknown option 'q'."},
        ParseCase{"TwoFolders",
                  {"Quillmap", "/tmp", "/var"},
                  CommandLine::Request::Refuse,
                  "",
                  "Quillmap: only one folder"}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

// The folders and files the argument cases point at, in a scratch folder that stands for the current one.
class StartFolderTest : public ::testing::Test {
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

TEST_F(StartFolderTest, ChoosesTheFolderTheArgumentMeans) {
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
        EXPECT_EQ(StartFolder(c.argument, here_.Name()), c.folder) << "argument " << c.argument;
}

using StartFolderWindow = FormTest;

TEST_F(StartFolderWindow, IsListedInPlaceOfTheRememberedFolder) {
    folder_.AddFolder("other");
    folder_.Write("other/given.txt", "x");
    OpenListing({"remembered.txt"});
    Close();

    Open(StartFolder("other/missing/deeper", folder_.Name()));
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Sub("other"));
    EXPECT_EQ(OldNames(), std::vector<std::string>{"given.txt"});
    EXPECT_TRUE(dialogs_.None());
}

} // namespace
