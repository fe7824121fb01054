// The name grid's own work on 100,000 and 1,000,000 rows, without a folder on disk: Ctrl+C and Delete
// over every row selected, and painting one screenful of old names that need stand-ins next to one of
// plain names.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/grid_keys_bench
#include "main/GridKeys.h"
#include "main/NameGridModel.h"
#include "main/ShownNameDelegate.h"
#include "main/layout/WindowLook.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QTableView>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A grid of the given names, every new name filled, every cell selected.
struct Grid {
    explicit Grid(const std::vector<std::string>& names) {
        model.Reset([&](engine::NameGrid& grid) {
            grid.List(names);
            for (int row = 1; row < grid.RowCount(); ++row)
                grid.SetCell(engine::NameGrid::NewColumn, row, "new " + std::to_string(row));
        });
        layout::ApplyGridLook(&view);
        view.setItemDelegate(new ShownNameDelegate(&view));
        view.setModel(&model);
        view.resize(522, 270);
        new GridKeys(&view, &model);
        view.selectAll();
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&view, &event);
    }
    NameGridModel model;
    QTableView view;
};

std::vector<std::string> Names(int count, const char* stem) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back(stem + std::to_string(i) + ".jpg");
    return names;
}

void CopyEverything(benchmark::State& state) {
    Grid grid(Names(static_cast<int>(state.range(0)), "Photo "));
    for (auto _ : state)
        grid.Press(Qt::Key_C, Qt::ControlModifier);
    state.counters["clipboard_MB"] = QGuiApplication::clipboard()->text().size() / 1e6;
}

void DeleteEverything(benchmark::State& state) {
    Grid grid(Names(static_cast<int>(state.range(0)), "Photo "));
    for (auto _ : state)
        grid.Press(Qt::Key_Delete);
    if (!grid.model.Grid().Cell(engine::NameGrid::NewColumn, 1).empty())
        state.SkipWithError("the new names were not blanked");
}

// A screenful of names that each need stand-ins, against the same of plain names.
void PaintScreenful(benchmark::State& state) {
    Grid grid(Names(1000, state.range(0) != 0 ? "line\nfeed caf\xE9 " : "line feed cafe "));
    grid.view.show();
    for (QDeadlineTimer shown(5000); !grid.view.windowHandle()->isExposed() && !shown.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!grid.view.windowHandle()->isExposed())
        state.SkipWithError("the grid was never shown");
    for (auto _ : state)
        grid.view.viewport()->repaint();
}

} // namespace

BENCHMARK(CopyEverything)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteEverything)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintScreenful)->ArgName("standIns")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
