#pragma once

#include <iosfwd>

namespace engine {
class FileRenamer;
class JournalStore;
} // namespace engine

// "Quillmap --undo": undoes the last Go without a window and without asking, printing what was renamed
// back on `out` and what could not be on `err`. Answers the exit code: 0 when everything was renamed
// back, 1 when anything could not be, 2 when there was nothing to undo.
int TerminalUndo(engine::JournalStore& journal, engine::FileRenamer& files, std::ostream& out,
                 std::ostream& err);
