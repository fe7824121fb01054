#include "TerminalUndo.h"

#include "engine/names/ShownName.h"
#include "engine/undo/UndoLastGo.h"

#include <ostream>

int TerminalUndo(engine::JournalStore& journal, engine::FileRenamer& files, std::ostream& out,
                 std::ostream& err) {
    // Whoever types the command has asked already; there is nobody to answer a question.
    const engine::UndoOutcome outcome =
        engine::UndoLastGo(journal, files, [](const std::string&) { return true; });
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
    err << outcome.message << '\n';
    return 1;
}
