// Listing a folder of 100,000 files for the file list: reading the entries, sorting them, and both, the
// way the window does on every folder switch, Refresh and completed batch.

#include "ScratchFolder.h"
#include "engine/names/FileOrder.h"
#include "platform/files/PosixFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int fileCount = 100000;

// A mix of the names people rename in bulk: camera files, songs, documents, in mixed case.
std::string SampleName(int i) {
    char name[96];
    switch (i % 5) {
    case 0:
        std::snprintf(name, sizeof name, "IMG_%05d.JPG", i);
        break;
    case 1:
        std::snprintf(name, sizeof name, "dsc%05d.jpg", i);
        break;
    case 2:
        std::snprintf(name, sizeof name, "%02d - Artist %d - Title of the Song %d.mp3", i % 30, i % 97, i);
        break;
    case 3:
        std::snprintf(name, sizeof name, "Report %d (final) Version %d.docx", i, i % 7);
        break;
    default:
        std::snprintf(name, sizeof name, "r\xc3\xa9sum\xc3\xa9-%d.PDF", i);
        break;
    }
    return name;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const ScratchFolder folder{ScratchFolder::InMemory()};
    for (int i = 0; i < fileCount; ++i)
        folder.AddEmptyFile(SampleName(i));
    std::printf("%d files in %s (%s)\n", fileCount, folder.Path().c_str(),
                folder.OnTmpfs() ? "tmpfs" : "not tmpfs");

    benchmark::RegisterBenchmark("ListFiles/read+sort", [&folder](benchmark::State& state) {
        platform::PosixFileSystem files;
        for (auto _ : state) {
            auto names = files.ListFiles(folder.Name());
            benchmark::DoNotOptimize(names.data());
        }
        state.SetItemsProcessed(state.iterations() * fileCount);
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("ListFiles/read", [&folder](benchmark::State& state) {
        for (auto _ : state) {
            auto names = platform::ReadFileNames(folder.Name());
            benchmark::DoNotOptimize(names.data());
        }
        state.SetItemsProcessed(state.iterations() * fileCount);
    })->Unit(benchmark::kMillisecond);

    const std::vector<std::string> unsorted = platform::ReadFileNames(folder.Name());
    benchmark::RegisterBenchmark("ListFiles/sort", [&unsorted](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            std::vector<std::string> names = unsorted;
            state.ResumeTiming();
            engine::SortFileNames(names);
            benchmark::DoNotOptimize(names.data());
        }
        state.SetItemsProcessed(state.iterations() * fileCount);
    })->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
