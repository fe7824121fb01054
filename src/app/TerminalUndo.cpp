#include "TerminalUndo.h"

#include "engine/names/ShownName.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/JournalFolder.h"

#include <QCoreApplication>
#include <QString>
#include <limits>
#include <ostream>

namespace {

// Whoever types the command has asked already; there is nobody to answer a question.
class NoOneToAsk : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { return true; }
    void ReportFailure(const std::string&) override {}
};

} // namespace

int TerminalUndo(engine::JournalHistory& journal, engine::FileRenamer& files, std::ostream& out,
                 std::ostream& err) {
    NoOneToAsk prompts;
    const engine::UndoOutcome outcome = engine::UndoLastGo(journal, files, prompts, platform::LocalNow());
    switch (outcome.status) {
    case engine::UndoOutcome::Status::Nothing:
        out << outcome.message << '\n';
        return 2;
    case engine::UndoOutcome::Status::Refused:
    case engine::UndoOutcome::Status::Declined:
        err << outcome.message << '\n';
        return 1;
    case engine::UndoOutcome::Status::Done:
        break;
    }
    const QString folder = QString::fromStdString(engine::ShownName(outcome.folder));
    const QString renamed =
        outcome.renamed == 1
            ? QCoreApplication::translate("TerminalUndo", "Renamed 1 file back in %1.").arg(folder)
            : QCoreApplication::translate("TerminalUndo", "Renamed %1 files back in %2.")
                  .arg(outcome.renamed)
                  .arg(folder);
    out << renamed.toStdString() << '\n';
    if (outcome.failed == 0)
        return 0;
    // A terminal's report may be long: every file is named, with its reason.
    err << engine::UndoFailureReport(outcome.failures, std::numeric_limits<std::size_t>::max()) << '\n';
    return 1;
}
