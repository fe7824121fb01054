#pragma once

#include <vector>

// Go in the real window at each folder size, beside a bare renameat2 loop over the same files, printing
// the time from the click to the re-listed grid, the longest stretches the event loop was blocked, the
// peak memory, and the listing and Preview that come before it.
void PrintGoFigures(const std::vector<int>& sizes, int pairs);

// "Undo last Go" in the real window after a Go at each folder size: the time from the trigger to the
// re-listed grid and the longest stretch the event loop was blocked.
void PrintUndoFigures(const std::vector<int>& sizes);
