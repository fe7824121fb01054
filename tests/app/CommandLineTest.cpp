// Reading the command line: the request, the folder and the text to print.
#include "app/CommandLine.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

struct ParseCase {
    const char* label;
    std::vector<std::string> arguments;
    CommandLine::Request request;
    std::string folder;
    const char* textStart;
};

// Failure reports name the case, never its bytes.
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
    rownames::RowLabel());
// clang-format on

// A mistyped option is refused on one line that tells where the options are listed.
TEST(ParseCommandLineRefusal, EndsWithAPointerToTheHelp) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {"unknown long option",
         {"Quillmap", "--frobnicate"},
         "Quillmap: Unknown option 'frobnicate'. (try 'Quillmap --help')"},
        {"unknown short option beside a folder",
         {"/usr/bin/Quillmap", "/tmp", "-q"},
         "Quillmap: Unknown option 'q'. (try 'Quillmap --help')"},
        {"toolkit option without its value",
         {"Quillmap", "-style"},
         "Quillmap: Missing value after '-style'. (try 'Quillmap --help')"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.request, CommandLine::Request::Refuse) << c.name;
        EXPECT_EQ(line.text.toStdString(), c.line) << c.name;
    }
}

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

} // namespace
