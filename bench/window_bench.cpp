// The main window on the offscreen platform. First Go at 1,000 to 1,000,000 files, each size with its
// listing and Preview, beside a bare renameat2 loop (WindowGo.cpp); then, over a folder of 100,000 files,
// listing into the grid, Preview in "Part Replacer", painting the grid from top to bottom, and the
// resident memory. Every time is wall-clock time.
//
//   QT_QPA_PLATFORM=offscreen build/bench/window_bench [--go-sizes=1000,10000,100000,1000000] [--go-pairs=3]
//   QT_QPA_PLATFORM=offscreen build/bench/window_bench --go-sizes=    (no Go figures)
//   QT_QPA_PLATFORM=offscreen build/bench/window_bench [--undo-sizes=100000,1000000]   (Undo last Go)
#include "BenchOption.h"
#include "FolderTree/TFolderTree.h"
#include "QuietDialogs.h"
#include "ScratchFolder.h"
#include "TestHome.h"
#include "WindowGo.h"
#include "main/ControlNames.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/settings/FolderStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int FileCount = 100000;

// A folder of files on tmpfs where there is one, so that the disk does not dominate, and an empty one.
class BenchFolder {
public:
    BenchFolder() {
        scratch_.AddFolder("files");
        scratch_.AddFolder("empty");
        for (int i = 0; i < FileCount; ++i)
            scratch_.AddEmptyFile("files/Photo " + std::to_string(i * 7919 % FileCount) + ".jpg");
    }
    std::string Files() const { return scratch_.Sub("files"); }
    std::string Empty() const { return scratch_.Sub("empty"); }

private:
    const ScratchFolder scratch_{ScratchFolder::InMemory()};
};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Bench {
    BenchFolder folder;
    std::unique_ptr<platform::ShellNamespace> shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    CountingDialogs dialogs;
    TForm1 form{WindowServices{*shell, files, files, store, dialogs}};

    template <class T> T* Find(const char* name) { return form.findChild<T*>(QLatin1String(name)); }
    TFolderTree* Tree() { return Find<TFolderTree>(names::shlDir); }
    // Lists the big folder and lets the view lay itself out, as it would before the user sees it.
    void ListFiles() {
        Tree()->SelectPath(folder.Files());
        QDeadlineTimer deadline(5000);
        while (Grid()->verticalScrollBar()->maximum() == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QTableView* Grid() { return Find<QTableView>(names::grdNames); }
    int Rows() { return Grid()->model()->rowCount(); }
};

void SelectFolder(benchmark::State& state, Bench& bench) {
    for (auto _ : state) {
        state.PauseTiming();
        bench.Tree()->SelectPath(bench.folder.Empty());
        state.ResumeTiming();
        bench.Tree()->SelectPath(bench.folder.Files());
    }
    if (bench.Rows() != FileCount)
        state.SkipWithError("the grid does not list the folder");
    state.counters["rows"] = bench.Rows();
}

void PreviewReplacer(benchmark::State& state, Bench& bench) {
    bench.Tree()->SelectPath(bench.folder.Files());
    bench.Find<QRadioButton>(names::rdbReplacer)->setChecked(true);
    bench.Find<QLineEdit>(names::edtReplace)->setText(QStringLiteral("Photo"));
    bench.Find<QLineEdit>(names::edtWith)->setText(QStringLiteral("Picture"));
    auto* preview = bench.Find<QPushButton>(names::btnView);
    for (auto _ : state)
        preview->click();
    if (bench.form.Aborted() != 0 || bench.dialogs.boxes != 0)
        state.SkipWithError("Preview stopped at a check");
    bench.Find<QRadioButton>(names::rdbRenamer)->setChecked(true);
}

// Paints one screenful of the grid at the top, the middle and the bottom of the list: a model that answers
// a row in constant time paints them all equally fast.
void PaintGridAt(benchmark::State& state, Bench& bench) {
    bench.ListFiles();
    QScrollBar* bar = bench.Grid()->verticalScrollBar();
    bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * state.range(0) / 100));
    for (auto _ : state)
        bench.Grid()->viewport()->repaint();
    state.counters["first_row"] = bench.Grid()->rowAt(0);
    if (bar->maximum() == 0)
        state.SkipWithError("the grid did not lay itself out");
}

// Scrolls from the top to the bottom a page at a time, painting every page.
void ScrollTopToBottom(benchmark::State& state, Bench& bench) {
    bench.ListFiles();
    QScrollBar* bar = bench.Grid()->verticalScrollBar();
    int pages = 0;
    for (auto _ : state) {
        pages = 0;
        for (int value = 0; value <= bar->maximum(); value += bar->pageStep(), ++pages) {
            bar->setValue(value);
            bench.Grid()->viewport()->repaint();
        }
    }
    state.counters["pages"] = pages;
    state.counters["per_page_us"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

void Memory(benchmark::State& state, Bench& bench) {
    bench.Tree()->SelectPath(bench.folder.Files());
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.Rows());
    state.counters["rows"] = bench.Rows();
    state.counters["VmRSS_MB"] = ResidentKilobytes() / 1024.0;
}

} // namespace

std::vector<int> Sizes(const std::string& list) {
    std::vector<int> sizes;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        sizes.push_back(std::stoi(list.substr(start, comma - start)));
        start = comma + 1;
    }
    return sizes;
}

int main(int argc, char** argv) {
    TestHome home; // the window's remembered folder must not touch the user's settings
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::vector<int> goSizes = Sizes(Option(argc, argv, "go-sizes", "1000,10000,100000,1000000"));
    if (!goSizes.empty())
        PrintGoFigures(goSizes, std::stoi(Option(argc, argv, "go-pairs", "3")));
    const std::vector<int> undoSizes = Sizes(Option(argc, argv, "undo-sizes", "100000,1000000"));
    if (!undoSizes.empty())
        PrintUndoFigures(undoSizes);
    Bench bench;
    bench.form.show();
    for (QDeadlineTimer shown(5000); !bench.form.windowHandle()->isExposed() && !shown.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::printf("VmRSS with the window open and nothing listed: %.1f MB\n", ResidentKilobytes() / 1024.0);

    benchmark::RegisterBenchmark("SelectFolder/100000", SelectFolder, std::ref(bench))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PreviewReplacer/100000", PreviewReplacer, std::ref(bench))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PaintGridAtPercent", PaintGridAt, std::ref(bench))
        ->Arg(0)
        ->Arg(50)
        ->Arg(100)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    // Real time: a user waits for the page, whatever part of the wait the process spends off the CPU.
    benchmark::RegisterBenchmark("ScrollTopToBottom/100000", ScrollTopToBottom, std::ref(bench))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ResidentMemory/100000", Memory, std::ref(bench))->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
