// "Quillmap --undo" as a user runs it from a terminal, where there may be no display at all.
#include "app/TerminalUndo.h"

#include "AnswerYes.h"
#include "FakeFileSystem.h"
#include "MemoryJournalHistory.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class TerminalUndo : public ::testing::Test {
protected:
    void Go(std::vector<engine::RenameRow> rows) {
        platform::PosixFileSystem files;
        platform::JournalFolder journal(state_.Name() + "/TitleShaperWorkshop");
        fakes::AnswerYes prompts;
        engine::StoredBatchJournal recorder(journal);
        engine::RunBatch({folder_.Name(), std::move(rows)}, files, prompts, &recorder);
    }
    // Without any display: a program that opened a window here would fail to start.
    ProgramRun UndoFromTerminal() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString(state_.Name()));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUILLMAP_PROGRAM), {QStringLiteral("--undo")});
        EXPECT_TRUE(process.waitForFinished(10000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
    }

    ScratchFolder folder_;
    ScratchFolder state_;
};

TEST_F(TerminalUndo, ExitCodeTellsWhetherEverythingWasRenamedBack) {
    folder_.Write("a", "A");
    folder_.Write("b", "B");
    Go({{"a", "x"}, {"b", "y"}});
    ProgramRun run = UndoFromTerminal();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Renamed 2 files back in " + folder_.Name() + ".\n");
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"a", "b"}));

    run = UndoFromTerminal();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "Nothing to undo.\n");

    Go({{"a", "x"}, {"b", "y"}});
    folder_.Write("b", "new b");
    run = UndoFromTerminal();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Renamed 1 file back in " + folder_.Name() + ".\n");
    EXPECT_EQ(run.err, "1 file could not be renamed back: y (a file of the old name exists).\n");
    EXPECT_EQ(folder_.Read("b"), "new b");
    EXPECT_EQ(folder_.Read("y"), "B");
}

// Renames back that fail are each reported with the system's reason, all of them however many, and stay
// for the next run, which puts them back.
TEST(TerminalUndoReport, NamesEveryFileWithItsReasonAndTheNextRunTriesAgain) {
    fakes::FakeFileSystem files;
    fakes::MemoryJournalHistory history;
    std::vector<engine::RenameRow> rows;
    for (int i = 0; i < 25; ++i) {
        files.AddFile("/f", "a" + std::to_string(i));
        rows.push_back({"a" + std::to_string(i), "b" + std::to_string(i)});
    }
    fakes::AnswerYes prompts;
    engine::StoredBatchJournal recorder(history);
    engine::RunBatch({"/f", rows}, files, prompts, &recorder);
    for (int back = 1; back <= 25; ++back)
        if (back != 25)
            files.FailRenameNumber(25 + back);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(::TerminalUndo(history, files, out, err), 1);
    EXPECT_EQ(out.str(), "Renamed 1 file back in /f.\n");
    EXPECT_EQ(
        err.str().rfind("24 files could not be renamed back: b24 (Read-only file system), b23 (Read-only "
                        "file system), ",
                        0),
        0u)
        << err.str();
    EXPECT_NE(err.str().find(", b1 (Read-only file system).\n"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find(" more"), std::string::npos) << err.str();

    out.str("");
    err.str("");
    EXPECT_EQ(::TerminalUndo(history, files, out, err), 0);
    EXPECT_EQ(out.str(), "Renamed 24 files back in /f.\n");
    EXPECT_EQ(files.Files("/f").size(), 25u);
    EXPECT_EQ(files.Files("/f").front(), "a0");
}

} // namespace
