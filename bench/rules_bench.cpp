// Recipes at 1,000 to 1,000,000 files. First the command line's dry run (Quillmap --recipe FILE FOLDER)
// beside the listing alone, on tmpfs; then the Rules dialog over as many rows: how long a keystroke in
// a step's field takes until the preview is painted again, the longest the event loop goes unserved
// while typing and while the marks are worked out behind, and how long Apply takes. Every time is
// wall-clock time; the recipe has a pattern with two captures, a letter case and a natural-order counter.
// Last, the whole way through the main window over a folder of as many files: Ctrl+R, the preview's marks,
// Apply writing the New Name column, and the dialog closed and let go; the longest the window's event loop
// goes unserved in each part.
//
//   QT_QPA_PLATFORM=offscreen build/bench/rules_bench [--sizes=1000,10000,100000,1000000]
//                                                      [--only=dry|dialog|window]
//
// The dry run and the window need a million files (and as many inodes) on tmpfs; --only=dialog does not.

#include "FolderTree/TFolderTree.h"
#include "QuietDialogs.h"
#include "ScratchFolder.h"
#include "TestHome.h"
#include "app/TerminalRecipe.h"
#include "main/ControlNames.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/metadata/LibraryFactsReader.h"
#include "platform/settings/FolderStore.h"
#include "platform/settings/RecipeStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char ThreeSteps[] =
    R"({"counter": {"width": 7, "order": "natural"},
        "steps": [{"replace": {"find": "^([A-Za-z]+)_(\\d+)$", "with": "$2-$1", "regex": true, "scope": "name"}},
                  {"case": {"to": "lower", "scope": "extension"}},
                  {"insert": {"text": "{n} "}}]})";

std::string NameOf(int i) {
    return "IMG_" + std::to_string(static_cast<long long>(i) * 7919 % 1000003) + (i % 2 ? ".JPG" : ".jpeg");
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void DryRun(int size) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    for (int i = 0; i < size; ++i)
        folder.AddEmptyFile(NameOf(i));
    const ScratchFolder place{ScratchFolder::InMemory()};
    const std::string recipe = place.Sub("recipe.json");
    std::ofstream(recipe) << ThreeSteps;
    platform::PosixFileSystem files;
    platform::JournalFolder journal(place.Sub("journal"));
    const platform::RecipeStore store(place.Sub("recipes"));
    platform::metadata::LibraryFactsReader facts;
    // The best of three of each, interleaved, so that a busy moment of the machine does not decide.
    double listing = 1e9;
    double dryRun = 1e9;
    int code = -1;
    for (int round = 0; round < 3; ++round) {
        listing = std::min(listing, Seconds([&] { files.ListFiles(folder.Name()); }));
        std::ofstream out("/dev/null");
        dryRun = std::min(dryRun, Seconds([&] {
                              code = TerminalRecipe({recipe, folder.Name(), false},
                                                    {files, files, journal, store, facts}, out, out);
                          }));
    }
    std::printf("dry run %8d files: listing %8.3f s, --recipe %8.3f s, ratio %.2f (exit %d)%s\n", size,
                listing, dryRun, dryRun / listing, code, folder.OnTmpfs() ? "" : " [not on tmpfs]");
}

// Serves the event loop every millisecond and keeps the longest gap between two turns.
class StallWatch {
public:
    StallWatch() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.elapsed();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void Start() {
        clock_.start();
        last_ = 0;
        longest_ = 0;
        timer_.start();
    }
    qint64 Longest() {
        timer_.stop();
        return longest_;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

void SpinFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template <class Condition> bool SpinUntil(Condition condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

void Dialog(int size) {
    auto names = std::make_shared<std::vector<std::string>>();
    for (int i = 0; i < size; ++i)
        names->push_back(NameOf(i));
    engine::recipes::Recipe recipe;
    recipe.counter = {1, 1, 7, engine::recipes::CounterOrder::Natural};
    recipe.steps = {
        engine::recipes::CaseStep{engine::recipes::LetterCase::Lower, engine::recipes::Scope::Extension},
        engine::recipes::InsertStep{"{n} ", {}, engine::recipes::Scope::Whole}};
    PrintingDialogs dialogs;
    StallWatch watch;
    watch.Start();
    rules::RulesDialog* dialog = nullptr;
    const double open = Seconds([&] {
        dialog = new rules::RulesDialog(names, "/nowhere", recipe, nullptr, dialogs);
        dialog->show();
        QCoreApplication::processEvents();
    });
    auto* status = dialog->findChild<QLabel*>(QLatin1String(rulesnames::lblStatus));
    const auto marked = [status] { return status->text().contains(QStringLiteral("renamed")); };
    const double firstMarks = Seconds([&] { SpinUntil(marked, 60000); });
    const qint64 openStall = watch.Longest();

    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(rulesnames::btnAddReplace)),
                      Qt::LeftButton);
    auto* find = dialog->findChild<QLineEdit*>(QLatin1String(rulesnames::edtFind));
    auto* table = dialog->findChild<QTableView*>(QLatin1String(rulesnames::grdPreview));
    find->setFocus();
    SpinUntil(marked, 60000);
    // Typed at a brisk pace, one key every 60 ms; each key counts until the preview is painted again.
    const QString typed = QStringLiteral("IMG_12");
    std::vector<double> keys;
    watch.Start();
    for (const QChar key : typed) {
        keys.push_back(Seconds([&] {
            QTest::keyClick(find, key.toLatin1());
            table->viewport()->repaint();
        }));
        SpinFor(60);
    }
    const double lastMarks = Seconds([&] { SpinUntil(marked, 60000); });
    const qint64 typingStall = watch.Longest();
    std::sort(keys.begin(), keys.end());

    watch.Start();
    // The names are kept until the figures are taken, as the window keeps them: freeing a million of them
    // is not part of Apply.
    std::vector<std::string> newNames;
    const double apply = Seconds([&] {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(rulesnames::btnApply)),
                          Qt::LeftButton);
        SpinUntil([dialog] { return !dialog->isVisible(); }, 60000);
        newNames = dialog->TakeNewNames();
    });
    const std::size_t written = newNames.size();
    // The gap of the last turn shows only once the loop turns again.
    SpinFor(20);
    const qint64 applyStall = watch.Longest();
    std::printf(
        "dialog %8d rows: open %.3f s (marks after %.3f s, longest stall %lld ms); keystroke median "
        "%.1f ms, worst %.1f ms; marks %.3f s after the last key; longest stall while typing %lld ms; "
        "apply %.3f s (%zu names, longest stall %lld ms)\n",
        size, open, firstMarks, static_cast<long long>(openStall), keys[keys.size() / 2] * 1000,
        keys.back() * 1000, lastMarks, static_cast<long long>(typingStall), apply, written,
        static_cast<long long>(applyStall));
    delete dialog;
}

void Window(int size) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    for (int i = 0; i < size; ++i)
        folder.AddEmptyFile(NameOf(i));
    const ScratchFolder place{ScratchFolder::InMemory()};
    platform::RecipeStore recipes(place.Sub("recipes"));
    if (!recipes.Save("bench", ThreeSteps).empty() || !recipes.SetLastUsed("bench").empty()) {
        std::printf("window %8d files: the recipe could not be saved\n", size);
        return;
    }
    const std::unique_ptr<platform::ShellNamespace> shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    PrintingDialogs dialogs;
    TForm1 form{WindowServices{*shell, files, files, store, dialogs, nullptr, &recipes}};
    form.show();
    auto* grid = form.findChild<QTableView*>(QLatin1String(names::grdNames));
    form.findChild<TFolderTree*>(QLatin1String(names::shlDir))->SelectPath(folder.Name());
    if (!SpinUntil([grid, size] { return grid->model()->rowCount() == size; }, 120000)) {
        std::printf("window %8d files: the folder was not listed\n", size);
        return;
    }
    SpinFor(500);

    StallWatch watch;
    watch.Start();
    rules::RulesDialog* dialog = nullptr;
    const double open = Seconds([&] {
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        SpinUntil([&] { return (dialog = form.findChild<rules::RulesDialog*>()) != nullptr; }, 10000);
    });
    if (!dialog) {
        std::printf("window %8d files: Ctrl+R opened no dialog\n", size);
        return;
    }
    auto* status = dialog->findChild<QLabel*>(QLatin1String(rulesnames::lblStatus));
    const double marks = Seconds(
        [&] { SpinUntil([status] { return status->text().contains(QStringLiteral("renamed")); }, 60000); });
    const qint64 openStall = watch.Longest();

    watch.Start();
    const QPointer<rules::RulesDialog> closing(dialog);
    const double apply = Seconds([&] {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(rulesnames::btnApply)),
                          Qt::LeftButton);
        SpinUntil([&] { return closing.isNull(); }, 60000);
    });
    SpinFor(200);
    const qint64 applyStall = watch.Longest();
    int written = 0;
    for (int row = 0; row < size; ++row)
        written += !grid->model()->index(row, 1).data().toString().isEmpty();
    std::printf("window %8d files: Ctrl+R %.3f s, marks after %.3f s (longest stall %lld ms); apply and "
                "close %.3f s (%d new names, longest stall %lld ms)\n",
                size, open, marks, static_cast<long long>(openStall), apply, written,
                static_cast<long long>(applyStall));
}

// The value of --name=VALUE, or empty.
std::string Option(int argc, char** argv, const std::string& name) {
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(prefix, 0) == 0)
            return argument.substr(prefix.size());
    }
    return {};
}

std::vector<int> Sizes(int argc, char** argv) {
    const std::string given = Option(argc, argv, "sizes");
    if (given.empty())
        return {1000, 10000, 100000, 1000000};
    std::vector<int> sizes;
    std::size_t at = 0;
    while (at < given.size()) {
        const std::size_t comma = given.find(',', at);
        sizes.push_back(std::stoi(given.substr(at, comma - at)));
        at = comma == std::string::npos ? given.size() : comma + 1;
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv) {
    TestHome home;
    QApplication application(argc, argv);
    const std::vector<int> sizes = Sizes(argc, argv);
    const std::string only = Option(argc, argv, "only");
    if (only.empty() || only == "dry")
        for (const int size : sizes)
            DryRun(size);
    if (only.empty() || only == "dialog")
        for (const int size : sizes)
            Dialog(size);
    if (only.empty() || only == "window")
        for (const int size : sizes)
            Window(size);
    return 0;
}
