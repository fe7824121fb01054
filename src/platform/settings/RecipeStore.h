#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program's folder in the user's configuration folder: $XDG_CONFIG_HOME/TitleShaperWorkshop, or
// ~/.config/TitleShaperWorkshop where that variable is unset or not an absolute path.
std::string ConfigFolder();

// Why a text cannot be the name of a saved recipe; empty when it can. A recipe's name is the name of its
// file, so it must stay one plain, visible file name of the recipes folder: not empty, no "/" or control
// character, not hidden (no leading dot), no space at either end, valid UTF-8, and short enough for the
// file name with its ".json" to fit 255 bytes.
std::string RecipeNameProblem(const std::string& name);

// Saved recipes, one JSON file each (<name>.json) in one folder, and which recipe was used last. The
// store keeps the files' text as it is; reading a recipe is the engine's work.
class RecipeStore {
public:
    // The folder "recipes" of the configuration folder.
    RecipeStore();
    explicit RecipeStore(std::string folder);

    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const;

    // The names of the saved recipes, in byte order; none when the folder does not exist.
    std::vector<std::string> Names() const;
    // A recipe's text; nullopt with a one-line error when the name is unsafe or the file cannot be read.
    std::optional<std::string> Load(const std::string& name, std::string& error) const;
    // Writes a recipe, replacing one of the same name whole or not at all. Answers an error, empty on
    // success.
    std::string Save(const std::string& name, const std::string& text);
    // Answers an error, empty on success.
    std::string Remove(const std::string& name);

    // The recipe used last; empty when none was, or when it is no longer saved.
    std::string LastUsed() const;
    // Answers an error, empty on success. An empty name forgets the last recipe.
    std::string SetLastUsed(const std::string& name);

private:
    std::string folder_;
};

} // namespace platform
