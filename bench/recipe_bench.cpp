// A recipe of three steps over 1,000 to 1,000,000 names, as the Rules preview and the command line run it:
// a regular expression with two captures, a change of letter case, and a counter in natural order.
//
//   build/bench/recipe_bench [RUNS] [LARGEST]
//
// RUNS (3) runs of each size; the one with the least processor time is printed. LARGEST (1,000,000) stops
// after that many names, so that an instruction-counting profiler can run the smaller sizes alone.
//
// Each run times the counter's values (a natural sort of every name), the new name of every row, and the
// marks (refused names, duplicates, names taken by files not renamed) separately and in all. Linear growth
// shows as a steady figure per name from one size to the next.

#include "engine/recipes/CompiledRecipe.h"
#include "engine/recipes/CounterValues.h"
#include "engine/recipes/RecipeJson.h"
#include "engine/recipes/RowMarks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace engine::recipes;

const char* const kRecipe = R"j({"counter": {"width": 7, "order": "natural"},
  "steps": [
    {"replace": {"find": "^(.*) - (\\d+) - .*$", "with": "$2 $1", "regex": true, "scope": "name"}},
    {"case": {"to": "title"}},
    {"insert": {"text": " {n}", "at": "end", "scope": "name"}}
  ]})j";

// Names as a music folder has them, listed in no particular order.
std::vector<std::string> MakeNames(std::size_t count) {
    static const char* const artists[] = {"NINA SIMONE", "the beatles", "Édith Piaf", "Sigur Rós", "AC_DC"};
    std::vector<std::string> names;
    names.reserve(count);
    char buffer[160];
    for (std::size_t k = 0; k < count; ++k) {
        std::snprintf(buffer, sizeof buffer, "%s - %02zu - Song Title %zu.MP3", artists[k % 5], k % 97 + 1,
                      k);
        names.emplace_back(buffer);
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    return names;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of this thread: on a machine shared with other work, the figure that the load of
// the others does not inflate.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Processor time of each part, and the wall-clock time of the whole.
struct Figures {
    double counter = 0, names = 0, marks = 0, wall = 0;
    double Cpu() const { return counter + names + marks; }
};

Figures RunOnce(const CompiledRecipe& recipe, const Counter& counter, const std::vector<std::string>& names,
                std::size_t& changed) {
    Figures figures;
    const auto start = Clock::now();
    const double cpuStart = CpuMs();
    const std::vector<long long> numbers = CounterValues(counter, names, {});
    const double counted = CpuMs();
    std::vector<NameResult> results;
    results.reserve(names.size());
    for (std::size_t row = 0; row < names.size(); ++row) {
        results.push_back(recipe.Apply(names[row], numbers[row], nullptr));
    }
    const double named = CpuMs();
    const std::vector<RowMark> marks = MarkResults(names, results);
    const double marked = CpuMs();
    figures.wall = Ms(Clock::now() - start);
    figures.counter = counted - cpuStart;
    figures.names = named - counted;
    figures.marks = marked - named;
    changed = static_cast<std::size_t>(std::count(marks.begin(), marks.end(), RowMark::None));
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::size_t largest = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1'000'000u;
    const RecipeParse parsed = ParseRecipe(kRecipe);
    if (!parsed.recipe) {
        std::fprintf(stderr, "%s\n", parsed.error.c_str());
        return 1;
    }
    const CompiledRecipe recipe = *CompiledRecipe::Compile(*parsed.recipe).compiled;
    std::printf("%10s %12s %12s %12s %12s %12s %12s %10s\n", "names", "counter cpu", "names cpu", "marks cpu",
                "cpu ms", "wall ms", "cpu ns/name", "renamed");
    for (const std::size_t count : {1'000u, 10'000u, 100'000u, 1'000'000u}) {
        if (count > largest) {
            break;
        }
        const std::vector<std::string> names = MakeNames(count);
        Figures best;
        std::size_t changed = 0;
        for (int run = 0; run < runs; ++run) {
            const Figures figures = RunOnce(recipe, parsed.recipe->counter, names, changed);
            if (run == 0 || figures.Cpu() < best.Cpu()) {
                best = figures;
            }
        }
        std::printf("%10zu %12.1f %12.1f %12.1f %12.1f %12.1f %12.0f %10zu\n", count, best.counter,
                    best.names, best.marks, best.Cpu(), best.wall,
                    best.Cpu() * 1e6 / static_cast<double>(count), changed);
    }
    const NameResult sample = recipe.Apply("NINA SIMONE - 03 - Sinnerman.MP3", 42, nullptr);
    std::printf("example: \"NINA SIMONE - 03 - Sinnerman.MP3\" -> \"%s\"\n", sample.name.c_str());
    return 0;
}
