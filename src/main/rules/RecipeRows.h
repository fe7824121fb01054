#pragma once

#include "engine/recipes/CompiledRecipe.h"
#include "engine/recipes/ParallelJobs.h"
#include "engine/recipes/RowMarks.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rules {

// The file values a recipe reads, one a row, and the pointers to them that the engine takes (none when
// the recipe reads nothing from the files).
struct RowFacts {
    std::vector<engine::recipes::FileFacts> values;
    std::vector<const engine::recipes::FileFacts*> pointers;
};

RowFacts PointAt(std::vector<engine::recipes::FileFacts> values);

// A recipe's result over a whole listing: every row's new name and its mark.
struct RecipeRows {
    std::vector<engine::recipes::NameResult> results;
    std::vector<engine::recipes::RowMark> marks;
};

// Works the recipe out over every row; counters[i] and facts.pointers[i] (when any) belong to row i.
// The rows are cut into contiguous pieces that run as parallel jobs, each writing its rows' results in
// place. stop, when given, is asked every few thousand rows (from every job, so possibly from several
// threads at once), and a true answer ends the work with nullopt.
std::optional<RecipeRows> WorkOutRows(const engine::recipes::CompiledRecipe& recipe,
                                      const std::vector<std::string>& oldNames,
                                      const std::vector<long long>& counters, const RowFacts& facts,
                                      const std::function<bool()>& stop = {},
                                      const engine::recipes::ParallelJobs& parallel = {});

// The name a row's cell gets: empty when the recipe leaves the file alone or a value it needs is missing.
std::string NewNameOf(const std::string& oldName, const engine::recipes::NameResult& result);

// The counter value of every row, in the recipe's order (the facts matter only for the orders by date).
std::vector<long long> CountersOf(const engine::recipes::Recipe& recipe,
                                  const std::vector<std::string>& oldNames, const RowFacts& facts,
                                  const engine::recipes::ParallelJobs& parallel = {});

} // namespace rules
