#ifndef _GNU_SOURCE
#define _GNU_SOURCE // renameat2 and RENAME_NOREPLACE
#endif

#include "WindowGo.h"

#include "FolderTree/TFolderTree.h"
#include "QuietDialogs.h"
#include "ScratchFolder.h"
#include "main/ControlNames.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/settings/FolderStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

std::string OldName(int i) {
    return "Photo " + std::to_string(i) + ".jpg";
}
std::string NewName(int i) {
    return "Picture " + std::to_string(i) + ".jpg";
}

// The peak resident memory since the last reset, in megabytes.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1;
}
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Records the gaps between the ticks of a timer that asks to run every millisecond: a gap is how long the
// event loop was kept from it.
class GapRecorder {
public:
    GapRecorder() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }
    void Start() {
        gaps_.clear();
        last_ = Clock::now();
        timer_.start();
    }
    void Stop() {
        Tick();
        timer_.stop();
    }
    double MaxMs() const { return gaps_.empty() ? 0 : *std::max_element(gaps_.begin(), gaps_.end()); }
    double PercentileMs(double p) const {
        if (gaps_.empty())
            return 0;
        std::vector<double> sorted = gaps_;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
    }

private:
    void Tick() {
        const auto now = Clock::now();
        gaps_.push_back(Seconds(now - last_) * 1e3);
        last_ = now;
    }
    QTimer timer_;
    std::vector<double> gaps_;
    Clock::time_point last_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The window over a folder of `count` files named OldName(i), on tmpfs, as the program runs it: with its
// undo journal in a state folder of its own on the disk of /tmp.
struct WindowOnFolder {
    explicit WindowOnFolder(int count) {
        for (int i = 0; i < count; ++i)
            folder.AddEmptyFile(OldName(i));
        form.show();
        QCoreApplication::processEvents();
    }
    QWidget* Find(const char* name) { return form.findChild<QWidget*>(QLatin1String(name)); }
    QString FirstName() { return grid->model()->index(0, 0).data().toString(); }
    // "Part Replacer": Photo becomes Picture.
    void ReplacePhoto() {
        static_cast<QRadioButton*>(Find(names::rdbReplacer))->setChecked(true);
        static_cast<QLineEdit*>(Find(names::edtReplace))->setText(QStringLiteral("Photo"));
        static_cast<QLineEdit*>(Find(names::edtWith))->setText(QStringLiteral("Picture"));
    }

    const ScratchFolder folder{ScratchFolder::InMemory()};
    std::unique_ptr<platform::ShellNamespace> shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    CountingDialogs dialogs;
    const ScratchFolder state;
    platform::JournalFolder journal{state.Name()};
    TForm1 form{WindowServices{*shell, files, files, store, dialogs, &journal}};
    TFolderTree* tree = form.findChild<TFolderTree*>(QLatin1String(names::shlDir));
    QTableView* grid = form.findChild<QTableView*>(QLatin1String(names::grdNames));
};

void GoAtSize(int count, int pairs) {
    WindowOnFolder window(count);
    const ScratchFolder& folder = window.folder;
    CountingDialogs& dialogs = window.dialogs;
    QTableView* grid = window.grid;
    const auto find = [&window](const char* name) { return window.Find(name); };

    auto start = Clock::now();
    window.tree->SelectPath(folder.Name());
    const double listing = Seconds(Clock::now() - start);
    if (grid->model()->rowCount() != count)
        throw std::runtime_error("the grid does not list the folder");
    window.ReplacePhoto();

    GapRecorder gaps;
    std::vector<double> preview, go, bare, ratios;
    double peak = 0;
    double worstGap = 0;
    double worstP99 = 0;
    const int fd = ::open(folder.Path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int pair = 0; pair < pairs; ++pair) {
        start = Clock::now();
        static_cast<QPushButton*>(find(names::btnView))->click();
        preview.push_back(Seconds(Clock::now() - start));

        ResetPeak();
        gaps.Start();
        start = Clock::now();
        static_cast<QPushButton*>(find(names::btnGo))->click();
        go.push_back(Seconds(Clock::now() - start));
        gaps.Stop();
        peak = std::max(peak, PeakMegabytes());
        worstGap = std::max(worstGap, gaps.MaxMs());
        worstP99 = std::max(worstP99, gaps.PercentileMs(0.99));
        if (dialogs.boxes != 0 || grid->model()->index(0, 0).data().toString().left(7) != "Picture")
            throw std::runtime_error("Go did not rename every file");

        // The bare loop puts every file back under its old name, then the grid is listed again.
        int failures = 0;
        start = Clock::now();
        for (int i = 0; i < count; ++i)
            failures += ::renameat2(fd, NewName(i).c_str(), fd, OldName(i).c_str(), RENAME_NOREPLACE) != 0;
        bare.push_back(Seconds(Clock::now() - start));
        if (failures != 0)
            throw std::runtime_error("a bare rename failed");
        ratios.push_back(go.back() / bare.back());
        static_cast<QPushButton*>(find(names::btnRefresh))->click();
    }
    ::close(fd);
    std::printf("%9d files: listing %8.1f ms (%5.0f ns a file), Preview %8.1f ms (%5.0f ns a row)\n", count,
                listing * 1e3, listing * 1e9 / count, Median(preview) * 1e3, Median(preview) * 1e9 / count);
    std::printf("%9s        Go %8.1f ms (%5.0f ns a file), bare loop %8.1f ms, Go / bare %.3f (median of %d "
                "pairs)\n",
                "", Median(go) * 1e3, Median(go) * 1e9 / count, Median(bare) * 1e3, Median(ratios), pairs);
    std::printf("%9s        event loop blocked during Go: longest %.1f ms, 99th percentile %.1f ms; peak "
                "memory during Go %.1f MB\n",
                "", worstGap, worstP99, peak);
    std::fflush(stdout);
}

// Go, then "Undo last Go" in the window, answering its question Yes: the time from the trigger to the
// re-listed grid, and the longest stretch the event loop was blocked meanwhile.
void UndoAtSize(int count) {
    WindowOnFolder window(count);
    CountingDialogs& dialogs = window.dialogs;
    window.tree->SelectPath(window.folder.Name());
    window.ReplacePhoto();
    static_cast<QPushButton*>(window.Find(names::btnGo))->click();
    if (dialogs.boxes != 0 || window.FirstName().left(7) != "Picture")
        throw std::runtime_error("Go did not rename every file");

    dialogs.answer = true;
    GapRecorder gaps;
    gaps.Start();
    const auto start = Clock::now();
    window.form.findChild<QAction*>(QLatin1String(names::actUndoGo))->trigger();
    const double undo = Seconds(Clock::now() - start);
    gaps.Stop();
    if (dialogs.boxes != 1 || window.FirstName().left(5) != "Photo")
        throw std::runtime_error("the undo did not rename every file back");
    std::printf("%9d files: undo %8.1f ms (%5.0f ns a file), event loop blocked: longest %.1f ms, 99th "
                "percentile %.1f ms\n",
                count, undo * 1e3, undo * 1e9 / count, gaps.MaxMs(), gaps.PercentileMs(0.99));
    std::fflush(stdout);
}

} // namespace

void PrintUndoFigures(const std::vector<int>& sizes) {
    std::printf("Undo last Go in the window on tmpfs, its question answered at once, from the trigger to the "
                "re-listed grid:\n");
    for (const int size : sizes)
        UndoAtSize(size);
}

void PrintGoFigures(const std::vector<int>& sizes, int pairs) {
    std::printf(
        "Go in the window on tmpfs, with its undo journal, from the click to the re-listed grid, beside "
        "a bare renameat2 loop over the same files (interleaved):\n");
    for (const int size : sizes)
        GoAtSize(size, size >= 1'000'000 ? std::max(1, pairs / 3) : pairs);
}
