#include "RecipeRows.h"

#include "engine/recipes/CounterValues.h"

#include <atomic>

namespace rules {

RowFacts PointAt(std::vector<engine::recipes::FileFacts> values) {
    RowFacts facts{std::move(values), {}};
    facts.pointers.reserve(facts.values.size());
    for (const engine::recipes::FileFacts& value : facts.values)
        facts.pointers.push_back(&value);
    return facts;
}

std::optional<RecipeRows> WorkOutRows(const engine::recipes::CompiledRecipe& recipe,
                                      const std::vector<std::string>& oldNames,
                                      const std::vector<long long>& counters, const RowFacts& facts,
                                      const std::function<bool()>& stop,
                                      const engine::recipes::ParallelJobs& parallel) {
    // Often enough that a stale preview gives way at once, seldom enough to cost nothing.
    constexpr std::size_t StopCheck = 4096;
    RecipeRows rows;
    rows.results.resize(oldNames.size());
    std::atomic<bool> stopped = false;
    const auto workOut = [&](std::size_t, std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row) {
            if (stop && row % StopCheck == 0 && (stopped || stop())) {
                stopped = true;
                return;
            }
            rows.results[row] = recipe.Apply(oldNames[row], counters[row],
                                             facts.pointers.empty() ? nullptr : facts.pointers[row]);
        }
    };
    parallel.RunPieces(oldNames.size(), parallel.Pieces(oldNames.size()), workOut);
    if (stopped || (stop && stop()))
        return std::nullopt;
    rows.marks = engine::recipes::MarkResults(oldNames, rows.results, parallel);
    return rows;
}

std::string NewNameOf(const std::string& oldName, const engine::recipes::NameResult& result) {
    if (!result.missing.empty() || result.name == oldName)
        return {};
    return result.name;
}

std::vector<long long> CountersOf(const engine::recipes::Recipe& recipe,
                                  const std::vector<std::string>& oldNames, const RowFacts& facts,
                                  const engine::recipes::ParallelJobs& parallel) {
    return engine::recipes::CounterValues(recipe.counter, oldNames, facts.pointers, parallel);
}

} // namespace rules
