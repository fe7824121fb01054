// "Quillmap --undo" as a user runs it from a terminal, where there may be no display at all.
#include "AnswerYes.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/JournalFile.h"
#include "platform/files/PosixFileSystem.h"

#include <QProcess>
#include <gtest/gtest.h>

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
        platform::JournalFile journal(state_.Name() + "/TitleShaperWorkshop/last-go.journal");
        fakes::AnswerYes prompts;
        engine::StoredBatchJournal recorder(journal, [](const std::string&) { return false; });
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

} // namespace
