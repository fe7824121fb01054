// Expanding a folder of the Linux shell namespace that holds many sub-folders, the way the folder tree
// does it: list the folder, then for every child ask its three names, its attributes (with the sub-folder
// question), bind it and ask its two icons. The folders are made on tmpfs (/dev/shm) where there is one,
// as for the other file-system benchmarks, so that the figures measure the namespace, not a disk.
#include "ScratchFolder.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>

namespace fs = std::filesystem;
using namespace platform;

namespace {

// A desktop with one folder "big" of count sub-folders; every tenth has a sub-folder of its own and
// every fifth a file, so that both answers of the sub-folder question are asked for.
class BigFolder {
public:
    explicit BigFolder(int count) : root_(scratch_.Path()) {
        std::printf("%d folders in %s (%s)\n", count, root_.c_str(),
                    scratch_.OnTmpfs() ? "tmpfs" : "not tmpfs");
        for (int i = 0; i < count; ++i) {
            const fs::path child = root_ / "big" / ("folder " + std::to_string(i));
            fs::create_directories(child);
            if (i % 10 == 0)
                fs::create_directory(child / "inner");
            if (i % 5 == 0)
                std::ofstream(child / "file.txt") << i;
        }
    }
    const fs::path& Root() const { return root_; }

private:
    const ScratchFolder scratch_{ScratchFolder::InMemory()};
    fs::path root_;
};

void BM_ExpandFolder(benchmark::State& state) {
    const BigFolder folder(static_cast<int>(state.range(0)));
    auto shell = CreateLinuxShellNamespace(folder.Root().string());
    auto desktop = shell->GetDesktopFolder();
    const IdList bigItem = **desktop->ParseDisplayName("big");
    for (auto _ : state) {
        auto big = desktop->BindToObject(bigItem);
        auto listing = big->EnumObjects(SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN);
        listing->Reset();
        int withSubFolders = 0;
        while (auto item = listing->Next()) {
            for (std::uint32_t flags : {SHGDN_NORMAL, SHGDN_FORPARSING, SHGDN_INFOLDER})
                benchmark::DoNotOptimize(big->GetDisplayNameOf(**item, flags));
            std::uint32_t mask = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_SHARE | SFGAO_LINK;
            big->GetAttributesOf(**item, mask);
            withSubFolders += (mask & SFGAO_HASSUBFOLDER) ? 1 : 0;
            benchmark::DoNotOptimize(big->BindToObject(**item));
            const IdList absolute = bigItem + **item;
            std::uint32_t attributes = 0;
            benchmark::DoNotOptimize(shell->GetFileInfo(
                absolute, SHGFI_SYSICONINDEX | SHGFI_PIDL | SHGFI_ATTRIBUTES, &attributes));
            benchmark::DoNotOptimize(
                shell->GetFileInfo(absolute, SHGFI_SYSICONINDEX | SHGFI_OPENICON | SHGFI_PIDL, nullptr));
        }
        state.counters["with_subfolders"] = withSubFolders;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ExpandFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
