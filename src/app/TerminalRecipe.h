#pragma once

#include <iosfwd>
#include <string>

namespace engine {
class FileRenamer;
class JournalHistory;
} // namespace engine
namespace platform {
class FolderLister;
class RecipeStore;
namespace metadata {
class FileFactsReader;
}
} // namespace platform

// What "Quillmap --recipe FILE FOLDER [--apply]" asks for.
struct RecipeRequest {
    std::string recipe; // a recipe file's path, or the name of a saved recipe
    std::string folder;
    bool apply = false;
};

struct RecipeServices {
    platform::FolderLister& lister;
    engine::FileRenamer& renamer;
    engine::JournalHistory& journal;
    const platform::RecipeStore& store;
    platform::metadata::FileFactsReader& facts; // the values inside the files, for the file tokens
};

// The exit codes of a recipe run from the terminal.
inline constexpr int RecipeAllDone = 0;
inline constexpr int RecipeSomeNotDone = 1;
inline constexpr int RecipeRefused = 2; // a bad recipe or folder: nothing was looked at or renamed

// Without a window: prints a line for every file the recipe renames (old name, tab, new name, and a tab
// and what stands in the way, if anything), names shown as the window shows them. With apply, renames
// them as Go does (never overwriting, journal first, so that --undo undoes it), a rename that frees the
// name another one needs going first, and prints what was renamed on `out` and what was not on `err`.
int TerminalRecipe(const RecipeRequest& request, const RecipeServices& services, std::ostream& out,
                   std::ostream& err);
