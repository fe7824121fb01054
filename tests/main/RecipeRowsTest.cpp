// A recipe's rows worked out on every core: the same names and marks as on one thread, a stop that every
// piece obeys, and a piece's failure that reaches the caller.
#include "main/rules/RecipeRows.h"

#include "engine/recipes/RecipeJson.h"
#include "main/rules/CoreThreads.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace engine::recipes;

// Names of a large folder: songs, photos, accents, bytes that are not UTF-8, names the recipe leaves as
// they are, empties or turns into another row's name.
std::vector<std::string> VariedNames(std::size_t count) {
    const std::vector<std::string> artists{"NINA SIMONE", "Édith Piaf", "the beatles", "", "x\xFFy"};
    const std::vector<std::string> tails{".MP3", ".jpg", "", ".tar.gz", "."};
    std::mt19937 random(2024);
    std::vector<std::string> names;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& artist = artists[random() % artists.size()];
        const std::string& tail = tails[random() % tails.size()];
        if (k % 11 == 3)
            names.push_back((k % 2 ? "Readme" : "readme") + tail);
        else if (k % 7 == 0)
            names.push_back(artist + "_" + std::to_string(random() % 50) + tail);
        else
            names.push_back(artist + " - " + std::to_string(random() % 30) + " - Song " +
                            std::to_string(k % 900) + tail);
    }
    // One file whose new name is that of a file the recipe leaves alone.
    names.insert(names.begin() + static_cast<std::ptrdiff_t>(count / 2), {"readme.txt", "Readme.txt"});
    return names;
}

CompiledRecipe Compiled(const char* json) {
    const RecipeParse parsed = ParseRecipe(json);
    EXPECT_TRUE(parsed.recipe) << parsed.error;
    CompileResult compiled = CompiledRecipe::Compile(parsed.recipe.value_or(Recipe{}));
    EXPECT_TRUE(compiled.compiled) << compiled.error;
    return *compiled.compiled;
}

// Regular expressions with captures (anchored at both ends and not, one that empties a name), a case change,
// and a counter in natural order for the songs only.
const char* const kRecipe = R"j({"counter": {"width": 3, "order": "natural"},
  "steps": [
    {"replace": {"find": "^(.*) - (\\d+) - (.*)$", "with": "$2 $1", "regex": true, "scope": "name"}},
    {"replace": {"find": "(\\d)", "with": "<$1>", "regex": true, "all": false}},
    {"case": {"to": "title", "scope": "name"}},
    {"replace": {"find": "^The Beatles_.*$", "with": "", "regex": true}},
    {"replace": {"find": "^<(\\d)>", "with": "{n}-$1", "regex": true}}
  ]})j";

struct WidthCase {
    const char* label;
    std::size_t width;
};

void PrintTo(const WidthCase& row, std::ostream* out) {
    *out << row.label;
}

class RowsOnEveryCore : public testing::TestWithParam<WidthCase> {};

TEST_P(RowsOnEveryCore, GiveWhatOneThreadGives) {
    const std::vector<std::string> names = VariedNames(4000);
    const CompiledRecipe recipe = Compiled(kRecipe);
    engine::recipes::ParallelJobs cores = rules::OnAllCores();
    cores.width = GetParam().width;
    cores.smallest = 1;

    const std::vector<long long> counters = rules::CountersOf(recipe.Source(), names, {});
    EXPECT_EQ(rules::CountersOf(recipe.Source(), names, {}, cores), counters);
    const std::optional<rules::RecipeRows> one = rules::WorkOutRows(recipe, names, counters, {});
    const std::optional<rules::RecipeRows> many = rules::WorkOutRows(recipe, names, counters, {}, {}, cores);
    ASSERT_TRUE(one && many);
    EXPECT_EQ(many->results, one->results);
    EXPECT_EQ(many->marks, one->marks);
    // The names are varied enough for every kind of mark to be at stake.
    for (const RowMark mark :
         {RowMark::None, RowMark::Unchanged, RowMark::Refused, RowMark::Duplicate, RowMark::TakenByUnrenamed})
        EXPECT_NE(std::count(one->marks.begin(), one->marks.end(), mark), 0) << MarkText(mark);
}

INSTANTIATE_TEST_SUITE_P(Widths, RowsOnEveryCore,
                         testing::Values(WidthCase{"TwoPieces", 2}, WidthCase{"FivePieces", 5},
                                         WidthCase{"ManyMorePiecesThanCores", 64}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(RowsOnEveryCore, StopAskedInEveryPieceEndsTheWork) {
    const std::vector<std::string> names = VariedNames(40000);
    const CompiledRecipe recipe = Compiled(kRecipe);
    const std::vector<long long> counters(names.size(), 1);
    engine::recipes::ParallelJobs cores = rules::OnAllCores();
    cores.width = 4;
    std::atomic<int> asked = 0;
    // Four answers let the work go on, the fifth stops it: the pieces then end without asking again, long
    // before the ten questions that 40,000 rows would ask.
    const auto stop = [&] { return ++asked > 4; };
    EXPECT_EQ(rules::WorkOutRows(recipe, names, counters, {}, stop, cores), std::nullopt);
    EXPECT_LE(asked, 9) << "a piece went on after the stop";
    asked = 0;
    EXPECT_NE(rules::WorkOutRows(
                  recipe, names, counters, {}, [] { return false; }, cores),
              std::nullopt);
}

TEST(CoreThreads, AFailingJobReachesTheCallerOnceAllHaveEnded) {
    engine::recipes::ParallelJobs cores = rules::OnAllCores();
    std::vector<int> ran(6, 0);
    EXPECT_THROW(cores.run(ran.size(),
                           [&](std::size_t job) {
                               ran[job] = 1;
                               if (job == 3)
                                   throw std::runtime_error("job 3");
                           }),
                 std::runtime_error);
    EXPECT_EQ(ran, std::vector<int>(6, 1));
}

} // namespace
