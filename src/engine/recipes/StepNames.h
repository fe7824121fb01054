#pragma once

// The words the recipe file uses for steps, scopes, cases and orders, shared by the file and the messages
// that name a step. Internal to the recipe engine.

#include "Recipe.h"
#include "engine/text/EngineText.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace engine::recipes {

inline constexpr std::array<std::pair<std::string_view, Scope>, 3> kScopeWords{
    {{"whole", Scope::Whole}, {"name", Scope::Name}, {"extension", Scope::Extension}}};
inline constexpr std::array<std::pair<std::string_view, LetterCase>, 4> kCaseWords{
    {{"lower", LetterCase::Lower},
     {"upper", LetterCase::Upper},
     {"title", LetterCase::Title},
     {"sentence", LetterCase::Sentence}}};
inline constexpr std::array<std::pair<std::string_view, CounterOrder>, 4> kOrderWords{
    {{"grid", CounterOrder::Grid},
     {"natural", CounterOrder::Natural},
     {"modified", CounterOrder::Modified},
     {"taken", CounterOrder::Taken}}};

template <typename Value, std::size_t N>
std::string_view WordOf(const std::array<std::pair<std::string_view, Value>, N>& words, Value value) {
    for (const auto& [word, v] : words) {
        if (v == value) {
            return word;
        }
    }
    return words[0].first;
}

inline std::string_view StepWord(const Step& step) {
    static constexpr std::array<std::string_view, 4> words{"replace", "case", "insert", "remove"};
    return words[step.index()];
}

// "Step 2 (case): " before a message about a step's key.
inline std::string StepPrefix(std::size_t index, std::string_view word) {
    return Fill(ENGINE_TEXT("Recipe", "Step %1 (%2): "), {std::to_string(index + 1), word});
}

} // namespace engine::recipes
