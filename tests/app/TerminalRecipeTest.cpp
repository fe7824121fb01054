// "Quillmap --recipe FILE FOLDER [--apply]" on real temporary folders: the new names it shows, what it
// renames, the order that lets a chain through, the cycle it leaves alone, and the undo of what it did.
#include "app/TerminalRecipe.h"

#include "RecipeExamples.h"
#include "RowNames.h"
#include "ScratchFolder.h"
#include "app/TerminalUndo.h"
#include "engine/names/ShownName.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/metadata/LibraryFactsReader.h"
#include "platform/settings/RecipeStore.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using rownames::PrintTo;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class TerminalRecipeTest : public ::testing::Test {
protected:
    // A recipe file beside the folder, not in it: the folder holds only the files to rename.
    std::string RecipeFile(const std::string& text) {
        const std::string name = "recipe" + std::to_string(++recipes_) + ".json";
        place_.Write(name, text);
        return place_.Sub(name);
    }
    Outcome Recipe(const std::string& recipe, bool apply = false, std::string folder = {}) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = TerminalRecipe({recipe, folder.empty() ? folder_.Name() : folder, apply},
                                        {files_, files_, journal_, store_, facts_}, out, err);
        return {code, out.str(), err.str()};
    }
    // Every file's content is its first name, so a test can tell which file went where.
    void Files(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            folder_.Write(name, name);
    }

    ScratchFolder folder_;
    ScratchFolder place_;
    int recipes_ = 0;
    platform::PosixFileSystem files_;
    platform::JournalFolder journal_{place_.Sub("state/journals")};
    platform::RecipeStore store_{place_.Sub("recipes")};
    platform::metadata::LibraryFactsReader facts_;
};

class RecipeExamplesOnTheCommandLine : public TerminalRecipeTest,
                                       public ::testing::WithParamInterface<RecipeExample> {};

TEST_P(RecipeExamplesOnTheCommandLine, PrintsALineForEveryFileTheRecipeRenames) {
    const RecipeExample& example = GetParam();
    Files(example.files);
    std::string expected;
    bool allDone = true;
    for (std::size_t row = 0; row < example.files.size(); ++row) {
        const engine::recipes::RowMark mark = example.marks[row];
        if (mark == engine::recipes::RowMark::Unchanged)
            continue;
        allDone = allDone && mark == engine::recipes::RowMark::None;
        expected += engine::ShownName(example.files[row]) + "\t" + engine::ShownName(example.newNames[row]);
        if (mark != engine::recipes::RowMark::None)
            expected += "\t" + engine::recipes::MarkText(mark);
        expected += "\n";
    }
    const Outcome run = Recipe(RecipeFile(example.recipe));
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, allDone ? RecipeAllDone : RecipeSomeNotDone);
    // A dry run touches nothing.
    EXPECT_EQ(folder_.Entries().size(), example.files.size());
}

INSTANTIATE_TEST_SUITE_P(Table, RecipeExamplesOnTheCommandLine, ::testing::ValuesIn(RecipeExamples()),
                         rownames::RowLabel());

TEST_F(TerminalRecipeTest, StandInsShowTabsAndBytesThatAreNotUtf8) {
    Files({"caf\xE9.txt"});
    const Outcome run = Recipe(RecipeFile(R"({"steps": [{"insert": {"text": "x"}}]})"));
    EXPECT_EQ(run.out, "caf\\xE9.txt\txcaf\\xE9.txt\n");
    EXPECT_EQ(run.exitCode, RecipeAllDone);
}

TEST_F(TerminalRecipeTest, SavedRecipeIsFoundByItsName) {
    Files({"a.txt"});
    ASSERT_EQ(store_.Save("upper", R"({"steps": [{"case": {"to": "upper"}}]})"), "");
    const Outcome run = Recipe("upper");
    EXPECT_EQ(run.out, "a.txt\tA.TXT\n");
    EXPECT_EQ(run.exitCode, RecipeAllDone);
}

TEST_F(TerminalRecipeTest, BadRecipeOrFolderIsOneLineOnStandardErrorAndExitTwo) {
    Files({"a.txt"});
    const std::string good = RecipeFile(R"({"steps": []})");
    place_.AddFolder("a folder");
    const struct {
        const char* label;
        std::string recipe;
        std::string folder;
        const char* says;
    } cases[] = {
        {"no such recipe",
         "nowhere",
         {},
         "There is no recipe file nowhere and no saved recipe of that name."},
        {"a folder for a recipe", place_.Sub("a folder"), {}, "There is no recipe file"},
        {"not JSON", RecipeFile("{steps"), {}, "cannot be used: "},
        {"unknown key", RecipeFile(R"({"steps": [{"case": {"to": "lower", "colour": 1}}]})"), {}, "Step 1"},
        {"bad pattern",
         RecipeFile(R"({"steps": [{"replace": {"find": "(", "with": "", "regex": true}}]})"),
         {},
         "Step 1"},
        {"no such folder", good, folder_.Sub("missing"), "cannot be read"},
        {"a file for a folder", good, folder_.Sub("a.txt"), "cannot be read"},
    };
    for (const auto& c : cases) {
        const Outcome run = Recipe(c.recipe, true, c.folder);
        EXPECT_EQ(run.exitCode, RecipeRefused) << c.label;
        EXPECT_EQ(run.out, "") << c.label;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.label << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.label << ": " << run.err;
    }
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"a.txt"});
}

// 1 becomes 2, 2 becomes 3, 3 becomes 4: each rename waits for the file whose name it takes.
constexpr char NextNumber[] =
    R"({"counter": {"start": 2}, "steps": [{"replace": {"find": "^.*$", "with": "{n}", "regex": true}}]})";

TEST_F(TerminalRecipeTest, ApplyRenamesAChainInTheOrderThatFreesEachNameAndUndoPutsItBack) {
    Files({"1", "2", "3"});
    const Outcome run = Recipe(RecipeFile(NextNumber), true);
    EXPECT_EQ(run.exitCode, RecipeAllDone) << run.err;
    EXPECT_EQ(run.out, "3\t4\n2\t3\n1\t2\nRenamed 3 files in " + folder_.Name() + ".\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_EQ(folder_.Read("4"), "3");
    EXPECT_EQ(folder_.Read("2"), "1");

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(TerminalUndo(journal_, files_, out, err), 0) << err.str();
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(folder_.Read("1"), "1");
    EXPECT_EQ(folder_.Read("3"), "3");
}

TEST_F(TerminalRecipeTest, ApplyLeavesACycleAloneAndSaysSo) {
    // 1 and 2 swap names, which no rename can do without a third name; 3 becomes 0 on its own.
    Files({"1", "2", "3"});
    const Outcome run = Recipe(RecipeFile(R"({"counter": {"start": 2, "step": -1},
                       "steps": [{"replace": {"find": "^.*$", "with": "{n}", "regex": true}}]})"),
                               true);
    EXPECT_EQ(run.exitCode, RecipeSomeNotDone);
    EXPECT_EQ(run.out, "3\t0\nRenamed 1 file in " + folder_.Name() + ".\n");
    EXPECT_EQ(run.err, "1\t2\ta cycle of renames, left alone\n2\t1\ta cycle of renames, left alone\n");
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(folder_.Read("1"), "1");
}

TEST_F(TerminalRecipeTest, ApplyRenamesOnlyWhatNothingStandsInTheWayOf) {
    Files({"a.txt", "b.txt", "c.txt"});
    // a.txt would take b.txt's name, which stays; c.txt is free to go.
    const Outcome run =
        Recipe(RecipeFile(R"({"steps": [{"replace": {"find": "^a", "with": "b", "regex": true}},
                                                     {"replace": {"find": "c", "with": "d"}}]})"),
               true);
    EXPECT_EQ(run.exitCode, RecipeSomeNotDone);
    EXPECT_EQ(run.out, "c.txt\td.txt\nRenamed 1 file in " + folder_.Name() + ".\n");
    EXPECT_EQ(run.err, "a.txt\tb.txt\t" +
                           engine::recipes::MarkText(engine::recipes::RowMark::TakenByUnrenamed) + "\n");
    EXPECT_EQ(folder_.Read("b.txt"), "b.txt");
    EXPECT_EQ(folder_.Read("a.txt"), "a.txt");
}

TEST_F(TerminalRecipeTest, ApplyWithoutAJournalRenamesNothing) {
    Files({"a"});
    // The journal's folder cannot be made: a file stands where it would go.
    place_.Write("state", "");
    const Outcome run = Recipe(RecipeFile(R"({"steps": [{"insert": {"text": "x"}}]})"), true);
    EXPECT_EQ(run.exitCode, RecipeSomeNotDone);
    EXPECT_NE(run.err, "");
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"a"});
}

// The program itself, as a user runs it where there is no display at all.
TEST_F(TerminalRecipeTest, ProgramRunsWithoutADisplayAndItsApplyIsUndone) {
    Files({"1", "2"});
    ScratchFolder home;
    platform::RecipeStore saved(home.Sub("config/TitleShaperWorkshop/recipes"));
    ASSERT_EQ(saved.Save("next", NextNumber), "");
    const auto program = [&](const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home.Sub("config")));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString(home.Sub("state")));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUILLMAP_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(10000));
        return Outcome{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                       process.readAllStandardOutput().toStdString(),
                       process.readAllStandardError().toStdString()};
    };
    const QString folder = QString::fromStdString(folder_.Name());
    Outcome run = program({QStringLiteral("--recipe"), QStringLiteral("next"), folder});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\t2\n2\t3\n");
    run = program({QStringLiteral("--recipe"), QStringLiteral("next"), QStringLiteral("--apply"), folder});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"2", "3"}));
    run = program({QStringLiteral("--undo")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"1", "2"}));
    run = program({QStringLiteral("--apply"), folder});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--apply needs --recipe"), std::string::npos) << run.err;
}

} // namespace
