// A recipe of three steps over 1,000 to 1,000,000 names, as the Rules preview and the command line run it:
// a regular expression with two captures, a change of letter case, and a counter in natural order.
//
//   build/bench/recipe_bench [RUNS] [LARGEST] [THREADS]
//
// RUNS (3) runs of each size; the one with the least wall-clock time is printed. LARGEST (1,000,000) stops
// after that many names, so that an instruction-counting profiler can run the smaller sizes alone.
// THREADS (0) runs the names on that many threads; 0 on every core of the machine.
//
// Each run times the whole recipe as the command line runs it: compiled from its text, the counter's
// values (a natural sort of every name), the new name of every row, and the marks (refused names,
// duplicates, names taken by files not renamed), each part and in all. The processor time is that of
// every thread; on a machine shared with other work it is the figure the others do not inflate, while
// the wall-clock time is the one a user waits. Linear growth shows as a steady figure per name from one
// size to the next.

#include "engine/recipes/CompiledRecipe.h"
#include "engine/recipes/CounterValues.h"
#include "engine/recipes/RecipeJson.h"
#include "engine/recipes/RowMarks.h"
#include "main/rules/CoreThreads.h"
#include "main/rules/RecipeRows.h"

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

// Names as a music folder has them, listed in no particular order. Each name is made in the order of the
// rows, as the listing makes them, so that walking the rows walks memory as the program does.
std::vector<std::string> MakeNames(std::size_t count) {
    static const char* const artists[] = {"NINA SIMONE", "the beatles", "Édith Piaf", "Sigur Rós", "AC_DC"};
    std::vector<std::size_t> order(count);
    for (std::size_t k = 0; k < count; ++k) {
        order[k] = k;
    }
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    std::vector<std::string> names;
    names.reserve(count);
    char buffer[160];
    for (const std::size_t k : order) {
        std::snprintf(buffer, sizeof buffer, "%s - %02zu - Song Title %zu.MP3", artists[k % 5], k % 97 + 1,
                      k);
        names.emplace_back(buffer);
    }
    return names;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of every thread of the program.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Wall-clock time of each part and of the whole, and the processor time of the whole.
struct Figures {
    double compile = 0, counter = 0, names = 0, marks = 0, wall = 0, cpu = 0;
};

Figures RunOnce(const std::vector<std::string>& names, const ParallelJobs& parallel, std::size_t& changed) {
    Figures figures;
    const double cpuStart = CpuMs();
    const auto start = Clock::now();
    const RecipeParse parsed = ParseRecipe(kRecipe);
    const CompiledRecipe recipe = *CompiledRecipe::Compile(*parsed.recipe).compiled;
    const auto compiled = Clock::now();
    const std::vector<long long> numbers = rules::CountersOf(*parsed.recipe, names, {}, parallel);
    const auto counted = Clock::now();
    const std::optional<rules::RecipeRows> rows =
        rules::WorkOutRows(recipe, names, numbers, {}, {}, parallel);
    const auto marked = Clock::now();
    figures.cpu = CpuMs() - cpuStart;
    figures.compile = Ms(compiled - start);
    figures.counter = Ms(counted - compiled);
    figures.wall = Ms(marked - start);
    // The marks are the last part of WorkOutRows; they are timed again on their own.
    const auto marksStart = Clock::now();
    const std::vector<RowMark> marks = MarkResults(names, rows->results);
    figures.marks = Ms(Clock::now() - marksStart);
    figures.names = Ms(marked - counted) - figures.marks;
    changed = static_cast<std::size_t>(std::count(marks.begin(), marks.end(), RowMark::None));
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::size_t largest = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1'000'000u;
    const int threads = argc > 3 ? std::max(0, std::atoi(argv[3])) : 0;
    const RecipeParse parsed = ParseRecipe(kRecipe);
    const CompileResult compiled = parsed.recipe ? CompiledRecipe::Compile(*parsed.recipe) : CompileResult{};
    if (!compiled.compiled) {
        std::fprintf(stderr, "%s%s\n", parsed.error.c_str(), compiled.error.c_str());
        return 1;
    }
    ParallelJobs parallel = rules::OnAllCores();
    if (threads > 0) {
        parallel.width = static_cast<std::size_t>(threads);
    }
    std::printf("%zu threads\n", parallel.width);
    std::printf("%10s %10s %10s %10s %10s %10s %10s %12s %10s\n", "names", "compile", "counter", "names",
                "marks", "wall ms", "cpu ms", "cpu ns/name", "renamed");
    for (const std::size_t count : {1'000u, 10'000u, 100'000u, 1'000'000u}) {
        if (count > largest) {
            break;
        }
        const std::vector<std::string> names = MakeNames(count);
        Figures best;
        std::size_t changed = 0;
        for (int run = 0; run < runs; ++run) {
            const Figures figures = RunOnce(names, parallel, changed);
            if (run == 0 || figures.wall < best.wall) {
                best = figures;
            }
        }
        std::printf("%10zu %10.1f %10.1f %10.1f %10.1f %10.1f %10.1f %12.0f %10zu\n", count, best.compile,
                    best.counter, best.names, best.marks, best.wall, best.cpu,
                    best.cpu * 1e6 / static_cast<double>(count), changed);
    }
    const NameResult sample = compiled.compiled->Apply("NINA SIMONE - 03 - Sinnerman.MP3", 42, nullptr);
    std::printf("example: \"NINA SIMONE - 03 - Sinnerman.MP3\" -> \"%s\"\n", sample.name.c_str());
    return 0;
}
