// The rename engine over 100,000 realistic file names: the transformations of Preview, its duplicate
// check, and the clash check and loop of a batch (against a file system that does nothing).

#include "engine/RenameEngine.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int FileCount = 100'000;

// Camera files, songs, documents and downloads, some with accented letters; every name unique, the same
// list on every run.
std::vector<std::string> RealisticNames() {
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
    names.reserve(FileCount);
    char number[32];
    for (int i = 0; i < FileCount; ++i) {
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

engine::NameGrid ListedGrid() {
    engine::NameGrid grid;
    grid.List(RealisticNames());
    return grid;
}

void BM_AllReplace(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid();
    for (auto _ : state) {
        engine::AllReplace(grid, "IMG_", "Holiday ");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
}
BENCHMARK(BM_AllReplace)->Unit(benchmark::kMillisecond);

void BM_AllReplaceDelete(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid();
    for (auto _ : state) {
        engine::AllReplace(grid, "0", "");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
}
BENCHMARK(BM_AllReplaceDelete)->Unit(benchmark::kMillisecond);

void BM_Adder(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid();
    for (auto _ : state) {
        engine::Adder(grid, 4, "_é", "2026 ", " (copy)");
        benchmark::DoNotOptimize(grid.Cell(1, 1).data());
    }
}
BENCHMARK(BM_Adder)->Unit(benchmark::kMillisecond);

// No two new names equal: the check has to look at every row.
void BM_FindDuplicateNewName(benchmark::State& state) {
    engine::NameGrid grid = ListedGrid();
    engine::CopyOldNamesOver(grid);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::FindDuplicateNewName(grid));
    }
}
BENCHMARK(BM_FindDuplicateNewName)->Unit(benchmark::kMillisecond);

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
engine::BatchSnapshot ShiftedBatch() {
    engine::NameGrid grid = ListedGrid();
    engine::BatchSnapshot batch = engine::TakeSnapshot("/home/user/Pictures", grid);
    for (std::size_t row = batch.rows.size() - 1; row > 0; --row) {
        batch.rows[row].newName = batch.rows[row - 1].oldName;
    }
    batch.rows[0].newName = "first.jpg";
    return batch;
}

void BM_ClashCheck(benchmark::State& state) {
    const engine::BatchSnapshot batch = ShiftedBatch();
    AnswerYes prompts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ConfirmClashes(batch, prompts));
    }
    state.counters["questions"] = static_cast<double>(prompts.questions);
}
BENCHMARK(BM_ClashCheck)->Unit(benchmark::kMillisecond);

void BM_RunBatch(benchmark::State& state) {
    const engine::BatchSnapshot batch = ShiftedBatch();
    AnswerYes prompts;
    DoNothing files;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::RunBatch(batch, files, prompts));
    }
    state.counters["failures"] = static_cast<double>(prompts.failures);
}
BENCHMARK(BM_RunBatch)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
