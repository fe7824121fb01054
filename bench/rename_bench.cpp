// A batch of 100,000 renames through the engine's batch loop and the real file system, against a bare
// loop of the system call it ends in, over the same files. Each iteration renames the whole set from one
// name set to the other and the next one renames it back, so no set-up runs inside the timed region.

#ifndef _GNU_SOURCE
#define _GNU_SOURCE // renameat2 and RENAME_NOREPLACE
#endif

#include "TmpfsFolder.h"
#include "engine/BatchRename.h"
#include "platform/files/PosixFileSystem.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int fileCount = 100000;

struct RenameSets {
    TmpfsFolder folder;
    std::vector<std::string> camera; // IMG_00001.JPG ...
    std::vector<std::string> titled; // Holiday 2026 - 00001.jpg ...
    engine::BatchSnapshot forward;
    engine::BatchSnapshot backward;
    bool titledOnDisk = false;

    RenameSets() {
        char name[64];
        for (int i = 0; i < fileCount; ++i) {
            std::snprintf(name, sizeof name, "IMG_%05d.JPG", i);
            camera.emplace_back(name);
            std::snprintf(name, sizeof name, "Holiday 2026 - %05d.jpg", i);
            titled.emplace_back(name);
            folder.CreateEmptyFile(camera.back());
        }
        forward.folder = backward.folder = folder.Path();
        for (int i = 0; i < fileCount; ++i) {
            forward.rows.push_back({camera[i], titled[i]});
            backward.rows.push_back({titled[i], camera[i]});
        }
    }
};

class CountingPrompts : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override {
        ++questions;
        return true;
    }
    void ReportFailure(const std::string&) override { ++failures; }
    int questions = 0;
    int failures = 0;
};

void RunBatchLoop(benchmark::State& state, RenameSets& sets) {
    platform::PosixFileSystem files;
    CountingPrompts prompts;
    for (auto _ : state) {
        const auto result =
            engine::RunBatch(sets.titledOnDisk ? sets.backward : sets.forward, files, prompts);
        sets.titledOnDisk = !sets.titledOnDisk;
        benchmark::DoNotOptimize(result.renamed);
    }
    if (prompts.failures != 0 || prompts.questions != 0)
        state.SkipWithError("the batch asked a question or failed a rename");
    state.SetItemsProcessed(state.iterations() * fileCount);
}

void BareLoop(benchmark::State& state, RenameSets& sets) {
    const int fd = ::open(sets.folder.Path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    int failures = 0;
    for (auto _ : state) {
        const auto& from = sets.titledOnDisk ? sets.titled : sets.camera;
        const auto& to = sets.titledOnDisk ? sets.camera : sets.titled;
        for (int i = 0; i < fileCount; ++i)
            failures += ::renameat2(fd, from[i].c_str(), fd, to[i].c_str(), RENAME_NOREPLACE) != 0;
        sets.titledOnDisk = !sets.titledOnDisk;
    }
    ::close(fd);
    if (failures != 0)
        state.SkipWithError("a bare rename failed");
    state.SetItemsProcessed(state.iterations() * fileCount);
}

// The console output plus the one figure the comparison is about: the batch's time over the bare loop's,
// each taken as its best run, in wall-clock and in CPU time (the latter holds up on a busy machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                constexpr double none = std::numeric_limits<double>::max();
                auto& best = best_.try_emplace(run.run_name.function_name, Best{none, none}).first->second;
                best.real = std::min(best.real, run.GetAdjustedRealTime());
                best.cpu = std::min(best.cpu, run.GetAdjustedCPUTime());
            }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto batch = best_.find("Rename/RunBatch");
        const auto bare = best_.find("Rename/bare renameat2");
        if (batch != best_.end() && bare != best_.end())
            std::printf("RunBatch / bare loop, best runs: %.3f wall-clock, %.3f CPU\n",
                        batch->second.real / bare->second.real, batch->second.cpu / bare->second.cpu);
    }

private:
    struct Best {
        double real;
        double cpu;
    };
    std::map<std::string, Best> best_;
};

// An even number of iterations leaves the files under their first names, so both benchmarks start from
// the same folder; the repetitions give each a best run.
void Configure(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->Iterations(4)->Repetitions(3);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RenameSets sets;
    std::printf("%d files in %s (%s)\n", fileCount, sets.folder.Path().c_str(),
                sets.folder.OnTmpfs() ? "tmpfs" : "not tmpfs");
    benchmark::RegisterBenchmark("Rename/RunBatch", [&sets](benchmark::State& state) {
        RunBatchLoop(state, sets);
    })->Apply(Configure);
    benchmark::RegisterBenchmark("Rename/bare renameat2", [&sets](benchmark::State& state) {
        BareLoop(state, sets);
    })->Apply(Configure);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
