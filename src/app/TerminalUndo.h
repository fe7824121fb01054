#pragma once

#include <iosfwd>

namespace engine {
class FileRenamer;
class JournalHistory;
} // namespace engine

// "Quillmap --undo": undoes the most recent Go not undone yet without a window and without asking,
// printing what was renamed back on `out` and what could not be, each file with its reason, on `err`.
// Answers the exit code: 0 when everything was renamed back, 1 when anything could not be, 2 when there
// was nothing to undo.
int TerminalUndo(engine::JournalHistory& journal, engine::FileRenamer& files, std::ostream& out,
                 std::ostream& err);
