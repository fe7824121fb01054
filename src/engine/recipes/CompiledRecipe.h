#pragma once

// A recipe made ready to run over many names: regular expressions compiled and tokens parsed once.
// Copies share the compiled patterns; Apply may be called from several threads at once.

#include "FileFacts.h"
#include "Recipe.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace engine::recipes {

// The new name of one row. When a file token has no value (and no fallback), `missing` says which, such as
// "no date taken", and `name` is empty.
struct NameResult {
    std::string name;
    std::string missing;
    bool operator==(const NameResult&) const = default;
};

struct CompileResult;

class CompiledRecipe {
public:
    // A bad regular expression or a bad token gives no recipe and one sentence naming the step and key.
    static CompileResult Compile(const Recipe& recipe);

    // The file values the recipe's tokens and counter order use; empty when nothing need be read.
    FactSet FactsNeeded() const;

    const Recipe& Source() const;

    // The new name of oldName; number is this row's counter value. facts may be null when FactsNeeded()
    // is empty (a null facts then counts every file value as missing). A result equal to oldName means
    // the recipe leaves the row unchanged.
    NameResult Apply(std::string_view oldName, long long number, const FileFacts* facts) const;

    struct Impl;

private:
    explicit CompiledRecipe(std::shared_ptr<const Impl> impl);
    std::shared_ptr<const Impl> impl_;
};

struct CompileResult {
    std::optional<CompiledRecipe> compiled;
    std::string error;
};

} // namespace engine::recipes
