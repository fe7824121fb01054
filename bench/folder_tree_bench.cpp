// The folder tree on the real namespace, on tmpfs where there is one: expanding a folder of 10,000
// sub-folders, selecting a folder 20 levels deep that was never listed, and showing the folders that
// another program creates in a listed folder (1,000 to 100,000 at once, with the longest event-loop stall).
#include "FolderTree/TFolderTree.h"
#include "ScratchFolder.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// A scratch folder on tmpfs (/dev/shm) when it exists, else in the temporary folder, with a Desktop.
class Scratch {
public:
    Scratch() { scratch_.AddFolder("Desktop"); }
    fs::path Root() const { return scratch_.Path(); }
    fs::path Desktop() const { return scratch_.Path() / "Desktop"; }

private:
    const ScratchFolder scratch_{ScratchFolder::InMemory()};
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

bool SortedCaptions(const QTreeWidgetItem* node) {
    for (int i = 1; i < node->childCount(); ++i)
        if (QString::compare(node->child(i - 1)->text(0), node->child(i)->text(0), Qt::CaseInsensitive) > 0)
            return false;
    return true;
}

void BM_ExpandTenThousandFolders(benchmark::State& state) {
    const Scratch scratch;
    const int count = static_cast<int>(state.range(0));
    const fs::path big = scratch.Desktop() / "big";
    for (int i = 0; i < count; ++i)
        fs::create_directories(big / ("folder " + std::to_string(i)));
    auto shell = platform::CreateLinuxShellNamespace(scratch.Desktop().string());
    for (auto _ : state) {
        TFolderTree tree(*shell);
        tree.SetActive(true);
        QTreeWidgetItem* node = tree.FindNode(big.string(), true);
        if (!node) {
            state.SkipWithError("big folder not in the tree");
            break;
        }
        const auto start = Clock::now();
        node->setExpanded(true); // listing, nodes and sort
        state.SetIterationTime(Seconds(Clock::now() - start));
        if (node->childCount() != count || !SortedCaptions(node))
            state.SkipWithError("expansion incomplete or unsorted");
    }
    state.counters["folders"] = count;
}
BENCHMARK(BM_ExpandTenThousandFolders)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// 20 levels below the desktop (found through the desktop node) or below the scratch root (found
// through the drive that holds it, listing every folder on the way from the drive's root).
void BM_SelectPathTwentyDeep(benchmark::State& state) {
    const Scratch scratch;
    const fs::path base = state.range(0) == 0 ? scratch.Desktop() : scratch.Root() / "deep";
    fs::path deep = base;
    for (int level = 1; level <= 20; ++level)
        deep /= "level" + std::to_string(level);
    fs::create_directories(deep);
    // Every level has a sibling, so each listing on the way makes and sorts more than one node.
    fs::path walk = base;
    for (int level = 1; level <= 20; ++level) {
        fs::create_directory(walk / ("sibling" + std::to_string(level)));
        walk /= "level" + std::to_string(level);
    }
    auto shell = platform::CreateLinuxShellNamespace(scratch.Desktop().string());
    for (auto _ : state) {
        TFolderTree tree(*shell);
        tree.SetActive(true);
        const auto start = Clock::now();
        QTreeWidgetItem* node = tree.SelectPath(deep.string());
        state.SetIterationTime(Seconds(Clock::now() - start));
        if (!node || tree.SelectedPath() != deep.string())
            state.SkipWithError("deep folder not selected");
    }
}
BENCHMARK(BM_SelectPathTwentyDeep)
    ->ArgName("throughDrive")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Folders made at once in an open folder by another program: the time from the last mkdir until the folder
// shows every one of them in order, and the longest stretch the event loop was blocked meanwhile. Past the
// kernel's event queue (fs.inotify.max_queued_events, 16,384 by default) the changes are lost and the
// tree lists the open folders afresh instead: the larger counts measure that way.
void BM_FoldersMadeAtOnce(benchmark::State& state) {
    const Scratch scratch;
    const int count = static_cast<int>(state.range(0));
    auto shell = platform::CreateLinuxShellNamespace(scratch.Desktop().string());
    double longestStall = 0;
    int round = 0;
    for (auto _ : state) {
        const fs::path burst = scratch.Desktop() / ("at-once" + std::to_string(round++));
        fs::create_directories(burst / "seed");
        {
            TFolderTree tree(*shell);
            tree.SetActive(true);
            QTreeWidgetItem* node = tree.SelectPath(burst.string());
            node->setExpanded(true);
            for (int i = 0; i < count; ++i)
                mkdir((burst / ("new " + std::to_string(i))).c_str(), 0755);
            const auto start = Clock::now();
            QDeadlineTimer deadline(120000);
            while (node->childCount() < count + 1 && !deadline.hasExpired()) {
                const auto turn = Clock::now();
                QCoreApplication::processEvents();
                longestStall = std::max(longestStall, Seconds(Clock::now() - turn));
            }
            state.SetIterationTime(Seconds(Clock::now() - start));
            if (node->childCount() != count + 1 || !SortedCaptions(node))
                state.SkipWithError("not every new folder shown in order");
        }
        fs::remove_all(burst);
    }
    state.counters["folders"] = count;
    state.counters["longest_stall_ms"] = longestStall * 1000;
}
BENCHMARK(BM_FoldersMadeAtOnce)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
