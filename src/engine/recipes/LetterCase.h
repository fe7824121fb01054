#pragma once

// Letter case by the full Unicode mappings (ICU): "straße" in upper case is "STRASSE". Internal to the
// recipe engine.

#include "Recipe.h"

#include <string>
#include <string_view>

namespace engine::recipes {

// Only well-formed UTF-8 runs are mapped; a byte that is not UTF-8 stays as it is and ends the run.
// Title: the first letter of every word upper, the rest lower; a word is a run of letters, marks and
// digits, with apostrophes inside it. Sentence: the first letter or digit of the text upper, the rest lower.
std::string ChangeCase(std::string_view text, LetterCase to);

// The same, appended to out (no string of its own for each name).
void AppendChangeCase(std::string_view text, LetterCase to, std::string& out);

} // namespace engine::recipes
