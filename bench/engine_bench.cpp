// The rename engine over 1,000 to 1,000,000 realistic file names: the transformations of Preview, its
// duplicate check, the file list's sort, and the snapshot, clash check and loop of a batch (against a file
// system that does nothing). Each figure also prints its cost per name ("per_name"): flat from 1,000 to
// 1,000,000 names means the cost grows linearly.

#include "engine/batch/BatchRename.h"
#include "engine/grid/Adder.h"
#include "engine/grid/ClipboardText.h"
#include "engine/grid/WorkOut.h"
#include "engine/names/FileOrder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Camera files, songs, documents and downloads, some with accented letters; every name unique, the same
// list on every run.
std::vector<std::string> RealisticNames(int count) {
    const std::vector<std::string> artists{"Café Tacvba", "Müller", "Ångström",  "The Beatles",
                                           "Sigur Rós",   "Björk",  "Daft Punk", "Dvořák"};
    const std::vector<std::string> words{"Report", "Invoice", "Résumé", "Notes",
                                         "Budget", "Straße",  "Plan",   "Draft"};
    const std::vector<std::string> extensions{".pdf", ".docx", ".txt", ".odt", ".xlsx"};
    std::mt19937 random(12345);
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    char number[32];
    for (int i = 0; i < count; ++i) {
        switch (i % 4) {
        case 0:
            std::snprintf(number, sizeof number, "IMG_%05d.JPG", i);
            names.emplace_back(number);
            break;
        case 1:
            std::snprintf(number, sizeof number, "DSC%05d", i);
            names.push_back(number + std::string(i % 8 == 1 ? ".NEF" : ".jpg"));
            break;
        case 2:
            std::snprintf(number, sizeof number, "%02d", i % 99 + 1);
            names.push_back(number + (" - " + pick(artists) + " - Track " + std::to_string(i) + ".mp3"));
            break;
        default:
            names.push_back(pick(words) + " " + std::to_string(2000 + i % 27) + " (" + std::to_string(i) +
                            ")" + pick(extensions));
            break;
        }
    }
    return names;
}

engine::NameGrid ListedGrid(const benchmark::State& state) {
    engine::NameGrid grid;
    grid.List(RealisticNames(static_cast<int>(state.range(0))));
    return grid;
}

void PerName(benchmark::State& state) {
    state.counters["per_name"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 1,000 to 1,000,000 names, ten times more at each step.
void Sizes(benchmark::internal::Benchmark* bench) {
    bench->RangeMultiplier(10)->Range(1'000, 1'000'000)->Unit(benchmark::kMillisecond);
}

void BM_AllReplace(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    for (auto _ : state) {
        engine::AllReplace(grid, "IMG_", "Holiday ");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
    PerName(state);
}
BENCHMARK(BM_AllReplace)->Apply(Sizes);

void BM_AllReplaceDelete(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    for (auto _ : state) {
        engine::AllReplace(grid, "0", "");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
    PerName(state);
}
BENCHMARK(BM_AllReplaceDelete)->Apply(Sizes);

void BM_Adder(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    for (auto _ : state) {
        engine::Adder(grid, 4, "_é", "2026 ", " (copy)");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
    PerName(state);
}
BENCHMARK(BM_Adder)->Apply(Sizes);

// No two new names equal: the check has to look at every row.
void BM_FindDuplicateNewName(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    engine::CopyOldNamesOver(grid);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::FindDuplicateNewName(grid));
    }
    PerName(state);
}
BENCHMARK(BM_FindDuplicateNewName)->Apply(Sizes);

// The file list's order over names in the order a folder hands them out (shuffled once), each held in
// memory allocated in that order, as a listing allocates them.
void BM_SortFileNames(benchmark::State& state) {
    std::vector<std::string> listed = RealisticNames(static_cast<int>(state.range(0)));
    std::shuffle(listed.begin(), listed.end(), std::mt19937(1));
    std::vector<std::string> names;
    for (auto _ : state) {
        state.PauseTiming();
        names = listed;
        state.ResumeTiming();
        engine::SortFileNames(names);
        benchmark::DoNotOptimize(names.data());
    }
    PerName(state);
}
BENCHMARK(BM_SortFileNames)->Apply(Sizes);

void BM_TakeSnapshot(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    engine::CopyOldNamesOver(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::TakeSnapshot("/home/user/Pictures", grid));
    PerName(state);
}
BENCHMARK(BM_TakeSnapshot)->Apply(Sizes);

class AnswerYes : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override {
        ++questions;
        return true;
    }
    void ReportFailure(const std::string&) override { ++failures; }
    long questions = 0;
    long failures = 0;
};

class DoNothing : public engine::FileRenamer, public engine::FolderRenamer {
public:
    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string&) override {
        return std::make_unique<DoNothing>();
    }
    bool Rename(const std::string&, const std::string&) override { return true; }
};

// Every new name is the old name of the row before: each one is looked up and found, none clashes.
engine::BatchSnapshot ShiftedBatch(const benchmark::State& state) {
    engine::NameGrid grid = ListedGrid(state);
    engine::BatchSnapshot batch = engine::TakeSnapshot("/home/user/Pictures", grid);
    for (std::size_t row = batch.rows.size() - 1; row > 0; --row) {
        batch.rows[row].newName = batch.rows[row - 1].oldName;
    }
    batch.rows[0].newName = "first.jpg";
    return batch;
}

void BM_ClashCheck(benchmark::State& state) {
    const engine::BatchSnapshot batch = ShiftedBatch(state);
    AnswerYes prompts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ConfirmClashes(batch, prompts));
    }
    state.counters["questions"] = static_cast<double>(prompts.questions);
    PerName(state);
}
BENCHMARK(BM_ClashCheck)->Apply(Sizes);

void BM_RunBatch(benchmark::State& state) {
    const engine::BatchSnapshot batch = ShiftedBatch(state);
    AnswerYes prompts;
    DoNothing files;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::RunBatch(batch, files, prompts));
    }
    state.counters["failures"] = static_cast<double>(prompts.failures);
    PerName(state);
}
BENCHMARK(BM_RunBatch)->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
