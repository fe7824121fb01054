// The program from a terminal speaks the user's language: its own refusals, the recipe's and the undo's
// messages that the engine words, and English exactly as before where English is asked for.
#include "ScratchFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace {

struct LanguageCase {
    const char* name;
    QStringList arguments; // "FOLDER" and "RECIPE" stand for a folder and a recipe file of the test's
    int exitCode;
    std::string german;
    std::string english;
};

void PrintTo(const LanguageCase& row, std::ostream* out) {
    *out << row.name;
}

struct Outcome {
    int exitCode = -1;
    std::string output; // standard output and error together
};

class TerminalLanguageTest : public testing::TestWithParam<LanguageCase> {
protected:
    TerminalLanguageTest() {
        work_.AddFolder("files");
        work_.Write("files/a.txt", "x");
        // A letter case step whose case is a number, not one of its words.
        work_.Write("bad.json", R"({"steps": [{"case": {"to": 3}}]})");
    }

    Outcome Program(const QString& language) const {
        QStringList arguments = GetParam().arguments;
        arguments.replaceInStrings(QStringLiteral("FOLDER"), QString::fromStdString(work_.Sub("files")));
        arguments.replaceInStrings(QStringLiteral("RECIPE"), QString::fromStdString(work_.Sub("bad.json")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(work_.Sub("config")));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString(work_.Sub("state")));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(QUILLMAP_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(10000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAll().toStdString()};
    }

    ScratchFolder work_;
};

TEST_P(TerminalLanguageTest, GermanWhereGermanIsAskedForAndEnglishOtherwise) {
    const Outcome german = Program(QStringLiteral("de"));
    EXPECT_EQ(german.exitCode, GetParam().exitCode) << german.output;
    EXPECT_NE(german.output.find(GetParam().german), std::string::npos) << german.output;
    const Outcome english = Program(QStringLiteral("en"));
    EXPECT_EQ(english.exitCode, GetParam().exitCode) << english.output;
    EXPECT_NE(english.output.find(GetParam().english), std::string::npos) << english.output;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Messages, TerminalLanguageTest,
    testing::Values(
        LanguageCase{"ApplyWithoutARecipe", {"--apply", "FOLDER"}, 2,
                     ": --apply braucht --recipe DATEI ORDNER; siehe --help.",
                     ": --apply needs --recipe FILE FOLDER; see --help."},
        LanguageCase{"NoSuchRecipe", {"--recipe", "no-such-recipe", "FOLDER"}, 2,
                     "Es gibt weder eine Rezeptdatei no-such-recipe noch ein gespeichertes Rezept dieses Namens.",
                     "There is no recipe file no-such-recipe and no saved recipe of that name."},
        LanguageCase{"RecipeRefusedByTheEngine", {"--recipe", "RECIPE", "FOLDER"}, 2,
                     "ist nicht verwendbar: Schritt 1 (case): \"to\" muss eines von diesen sein: lower, upper, "
                     "title, sentence.",
                     "cannot be used: Step 1 (case): \"to\" must be one of lower, upper, title, sentence."},
        LanguageCase{"NothingToUndo", {"--undo"}, 2,
                     "Es gibt nichts rückgängig zu machen.",
                     "Nothing to undo."}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
