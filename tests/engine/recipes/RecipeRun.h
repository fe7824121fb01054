#pragma once

// Runs a recipe file over a listing as the dialog and the command line do: counter values, then each
// row's new name, then the marks.

#include "engine/recipes/CompiledRecipe.h"
#include "engine/recipes/CounterValues.h"
#include "engine/recipes/RecipeJson.h"
#include "engine/recipes/RowMarks.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace recipe_test {

struct RecipeRun {
    std::vector<engine::recipes::NameResult> results;
    std::vector<engine::recipes::RowMark> marks;
};

// facts empty: no file values; else one per name.
inline RecipeRun RunRecipe(const std::string& json, const std::vector<std::string>& oldNames,
                           const std::vector<engine::recipes::FileFacts>& facts = {}) {
    using namespace engine::recipes;
    RecipeRun run;
    const RecipeParse parsed = ParseRecipe(json);
    EXPECT_TRUE(parsed.recipe) << parsed.error;
    if (!parsed.recipe) {
        return run;
    }
    CompileResult compiled = CompiledRecipe::Compile(*parsed.recipe);
    EXPECT_TRUE(compiled.compiled) << compiled.error;
    if (!compiled.compiled) {
        return run;
    }
    std::vector<const FileFacts*> factPointers;
    for (const FileFacts& f : facts) {
        factPointers.push_back(&f);
    }
    const std::vector<long long> numbers = CounterValues(parsed.recipe->counter, oldNames, factPointers);
    for (std::size_t row = 0; row < oldNames.size(); ++row) {
        run.results.push_back(
            compiled.compiled->Apply(oldNames[row], numbers[row], facts.empty() ? nullptr : &facts[row]));
    }
    run.marks = MarkResults(oldNames, run.results);
    return run;
}

} // namespace recipe_test
