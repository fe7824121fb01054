#include "TerminalUndo.h"

#include "engine/names/ShownName.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/JournalFolder.h"

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
    out << "Renamed " << outcome.renamed << (outcome.renamed == 1 ? " file" : " files") << " back in "
        << engine::ShownName(outcome.folder) << ".\n";
    if (outcome.failed == 0)
        return 0;
    // A terminal's report may be long: every file is named, with its reason.
    err << engine::UndoFailureReport(outcome.failures, std::numeric_limits<std::size_t>::max()) << '\n';
    return 1;
}
