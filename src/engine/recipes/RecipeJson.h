#pragma once

// The recipe file: reading and writing the JSON form that users may also write by hand.

#include "Recipe.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine::recipes {

// Either a recipe, or one sentence that names the step (counted from 1) and the key that was refused,
// e.g. `Step 2 (case): "to" must be one of lower, upper, title, sentence.`
struct RecipeParse {
    std::optional<Recipe> recipe;
    std::string error;
};

// Refuses unknown keys, wrong types, bad values and regular expressions that do not compile.
RecipeParse ParseRecipe(std::string_view json);

// Pretty-printed with a stable key order; ParseRecipe(RecipeToJson(r)).recipe == r.
std::string RecipeToJson(const Recipe& recipe);

} // namespace engine::recipes
