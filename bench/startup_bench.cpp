// The window's start with a remembered folder of many files (1,000,000 by default), as the program starts
// it: the time from making the window until it is on the screen, the longest stretch the event loop was
// blocked in the first seconds after that, and when the grid and the tree's expand button of that folder
// were complete. Every time is wall-clock time.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/startup_bench [--files=1000000] [--runs=3] [--base=/dev/shm]
//   QT_QPA_PLATFORM=offscreen build-bench/bench/startup_bench --folder=EXISTING_FOLDER_OF_FILES
#include "BenchOption.h"
#include "FolderTree/TFolderTree.h"
#include "ScratchFolder.h"
#include "TestHome.h"
#include "main/ControlNames.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/settings/FolderStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QTableView>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

class SilentDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "box: %s\n", text.c_str()); }
    bool Confirm(const std::string&) override { return false; }
};

struct Figures {
    double shownMs = 0;           // making the window until it is exposed
    double longestBlockMs = 0;    // the event loop's longest gap after that
    double longestBlockEndMs = 0; // when that gap ended
    double gridMs = -1;           // until the grid lists every file
    double expanderMs = -1;       // until the folder's node shows that it has no sub-folders
};

// One start: the window made and shown, then its event loop watched by a timer that asks to run every
// millisecond, until the grid and the tree are complete and one more second has passed (at most 20 s).
// The window counts as shown once it is exposed.
Figures StartOnce(const std::string& folder, std::size_t files) {
    const auto shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem posix;
    platform::SettingsFolderStore store;
    store.SaveFolder(folder);
    SilentDialogs dialogs;

    Figures figures;
    const auto start = Clock::now();
    TForm1 form({*shell, posix, posix, store, dialogs});
    auto* grid = form.findChild<QTableView*>(QLatin1String(names::grdNames));
    auto* tree = form.findChild<TFolderTree*>(QLatin1String(names::shlDir));
    std::optional<Clock::time_point> shown;
    std::optional<Clock::time_point> complete;
    auto last = start;
    // The timer ticks in every loop of events, the listing's own wait included: it sees the window come on
    // the screen, and every stretch the loop was kept from it after that.
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        if (!shown && form.windowHandle() && form.windowHandle()->isExposed()) {
            shown = now;
            figures.shownMs = Ms(now - start);
        }
        if (shown && Ms(now - std::max(last, *shown)) > figures.longestBlockMs) {
            figures.longestBlockMs = Ms(now - std::max(last, *shown));
            figures.longestBlockEndMs = Ms(now - start);
        }
        last = now;
        if (figures.gridMs < 0 && static_cast<std::size_t>(grid->model()->rowCount()) >= files)
            figures.gridMs = Ms(now - start);
        const QTreeWidgetItem* node = tree->FindNode(folder, true);
        if (figures.expanderMs < 0 && node &&
            node->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator)
            figures.expanderMs = Ms(now - start);
        if (!complete && figures.gridMs >= 0 && figures.expanderMs >= 0)
            complete = now;
        if ((complete && now - *complete > std::chrono::seconds(1)) || now - start > std::chrono::seconds(20))
            QCoreApplication::quit();
    });
    tick.start();
    form.show();
    QCoreApplication::exec();
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    TestHome home; // the remembered folder goes into a settings file of its own
    QApplication application(argc, argv);
    const int runs = std::stoi(Option(argc, argv, "runs", "3"));
    std::string folder = Option(argc, argv, "folder", "");
    std::unique_ptr<ScratchFolder> made;
    std::size_t files = 0;
    if (folder.empty()) {
        files = std::stoul(Option(argc, argv, "files", "1000000"));
        const std::string base = Option(argc, argv, "base", "");
        made = std::make_unique<ScratchFolder>(base.empty() ? ScratchFolder::InMemory()
                                                            : std::filesystem::path(base));
        for (std::size_t i = 0; i < files; ++i)
            made->AddEmptyFile("Photo " + std::to_string(i) + ".jpg");
        folder = made->Name();
    } else {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files += entry.is_directory() ? 0 : 1;
    }
    std::printf("start with a remembered folder of %zu files (%s)\n", files, folder.c_str());
    std::vector<double> shown, blocks;
    for (int run = 1; run <= runs; ++run) {
        const Figures f = StartOnce(folder, files);
        std::printf(
            "run %d: window shown after %7.1f ms; event loop blocked at most %6.1f ms in the first "
            "seconds (until %7.1f ms); grid complete after %7.1f ms, expand button settled after %7.1f "
            "ms\n",
            run, f.shownMs, f.longestBlockMs, f.longestBlockEndMs, f.gridMs, f.expanderMs);
        shown.push_back(f.shownMs);
        blocks.push_back(f.longestBlockMs);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(blocks.begin(), blocks.end());
    std::printf("median: window shown after %.1f ms, longest event-loop block %.1f ms\n",
                shown[shown.size() / 2], blocks[blocks.size() / 2]);
    return 0;
}
