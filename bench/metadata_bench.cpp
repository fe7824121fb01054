// Reading the date taken and the camera of photos: this program's reader against exiftool printing the
// same two tags for the same 10,000 JPEG files in one process, side by side on tmpfs with warm caches;
// then 100,000 files through the pool of workers and the window-thread adapter, with the total, the
// event loop's longest stall and the cache's memory; then the Rules dialog over 100,000 photos named by
// those two values, opened twice over one cache, until every row is marked, with the longest stall.
// Options: --skip-exiftool leaves out the comparison with exiftool; --dialog-only runs the dialog alone.

#include "QuietDialogs.h"
#include "ScratchFolder.h"
#include "TestMedia.h"
#include "main/Dialogs.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"
#include "platform/metadata/CachedFactsReader.h"
#include "platform/metadata/FactsPool.h"
#include "platform/metadata/FactsReadJob.h"
#include "platform/metadata/LibraryFactsReader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using engine::recipes::Fact;
using engine::recipes::FactBit;
using platform::metadata::FactSet;
using platform::metadata::FileFacts;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// A hundred different photos, as bytes, to copy under many names.
std::vector<std::string> PhotoTemplates(const std::string& scratch) {
    const char* cameras[] = {"X100V", "EOS R5", "ILCE-7M4", "NIKON Z 6_2", "iPhone 15 Pro"};
    std::vector<std::string> photos;
    for (int i = 0; i < 100; ++i) {
        char date[32];
        std::snprintf(date, sizeof date, "2024:%02d:%02d %02d:%02d:%02d", 1 + i % 12, 1 + i % 28, i % 24,
                      i % 60, (i * 7) % 60);
        const std::string path = scratch + "/template.jpg";
        testmedia::WriteImage(path, "JPG", 64, 48,
                              {{"Exif.Photo.DateTimeOriginal", date}, {"Exif.Image.Model", cameras[i % 5]}});
        std::ifstream in(path, std::ios::binary);
        photos.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return photos;
}

std::vector<std::string> WritePhotos(const std::string& folder, std::size_t count,
                                     const std::vector<std::string>& photos) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/IMG_%06zu.JPG", i);
        paths.push_back(folder + name);
        std::ofstream(paths.back(), std::ios::binary) << photos[i % photos.size()];
    }
    return paths;
}

// The line exiftool prints per tag, so that both sides make the same text.
void AppendLine(std::string& out, const std::string& path, const FileFacts& facts) {
    char line[96];
    out += "======== " + path + "\n";
    if (facts.taken) {
        const auto& t = *facts.taken;
        std::snprintf(line, sizeof line, "Date/Time Original              : %04d:%02d:%02d %02d:%02d:%02d\n",
                      t.year, t.month, t.day, t.hour, t.minute, t.second);
        out += line;
    }
    if (facts.camera)
        out += "Camera Model Name               : " + *facts.camera + "\n";
}

// A timer that should fire every millisecond: the longest gap between two of its ticks is the longest
// the event loop was held.
class StallWatch {
public:
    StallWatch() {
        tick_.setInterval(1);
        QObject::connect(&tick_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, since_.restart()); });
        since_.start();
        tick_.start();
    }
    qint64 Longest() const { return longest_; }

private:
    QElapsedTimer since_;
    qint64 longest_ = 0;
    QTimer tick_;
};

// Times every event the window thread handles, by the thread's own processor time as well as the clock,
// so that a step that holds the event loop long shows by name even on a machine busy with other work.
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        if (depth_++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth_;
            return handled;
        }
        const double cpuBefore = ThreadSeconds();
        const auto wallBefore = Clock::now();
        const QByteArray what = QByteArray(receiver->metaObject()->className()) + " event " +
                                QByteArray::number(static_cast<int>(event->type()));
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        longest_.push_back({ThreadSeconds() - cpuBefore, Seconds(wallBefore), what});
        std::sort(longest_.begin(), longest_.end(),
                  [](const Timed& a, const Timed& b) { return a.cpu > b.cpu; });
        if (longest_.size() > 3)
            longest_.pop_back();
        return handled;
    }
    void Reset() { longest_.clear(); }
    // The three longest events: processor time and clock time in milliseconds, and what each was.
    QString Longest() const {
        QStringList events;
        for (const Timed& timed : longest_)
            events << QStringLiteral("%1 ms of processor time (%2 ms by the clock) in %3")
                          .arg(timed.cpu * 1000, 0, 'f', 1)
                          .arg(timed.wall * 1000, 0, 'f', 1)
                          .arg(QString::fromLatin1(timed.what));
        return events.join(QStringLiteral("; "));
    }

private:
    static double ThreadSeconds() {
        timespec now{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }
    struct Timed {
        double cpu, wall;
        QByteArray what;
    };
    int depth_ = 0;
    std::vector<Timed> longest_;
};

const FactSet kTakenAndCamera = FactBit(Fact::Taken) | FactBit(Fact::Camera);

double ReadOnOneThread(const std::vector<std::string>& paths, std::size_t& printed) {
    platform::metadata::LibraryFactsReader reader;
    const auto start = Clock::now();
    std::string out;
    for (const std::string& path : paths)
        AppendLine(out, path, reader.Read(path, kTakenAndCamera));
    printed = out.size();
    return Seconds(start);
}

class PrintingSink : public platform::metadata::FactsSink {
public:
    explicit PrintingSink(const std::vector<std::string>& paths) : paths_(paths) {}
    void Arrived(std::size_t index, FileFacts facts) override {
        std::string line;
        AppendLine(line, paths_[index], facts);
        std::lock_guard lock(mutex_);
        out += line;
    }
    void Finished(bool) override {}
    std::string out;

private:
    const std::vector<std::string>& paths_;
    std::mutex mutex_;
};

double ReadOnThePool(const std::vector<std::string>& paths, std::size_t& printed) {
    platform::metadata::LibraryFactsReader files;
    platform::metadata::CachedFactsReader reader(files);
    PrintingSink sink(paths);
    const auto start = Clock::now();
    platform::metadata::FactsPool pool(reader, paths, kTakenAndCamera, sink);
    pool.Wait();
    printed = sink.out.size();
    return Seconds(start);
}

double RunExiftool(const std::string& folder, std::size_t& printed) {
    const std::string command = "exiftool -DateTimeOriginal -Model " + folder;
    const auto start = Clock::now();
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[65536];
    printed = 0;
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        printed += got;
    ::pclose(pipe);
    return Seconds(start);
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void SideBySide(const std::vector<std::string>& photos) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    const auto paths = WritePhotos(folder.Name(), 10'000, photos);
    std::printf("10,000 JPEG files with EXIF on %s (%s), date taken and camera, warm caches:\n",
                folder.OnTmpfs() ? "tmpfs" : "disk", folder.Path().c_str());
    std::size_t printed = 0;
    ReadOnOneThread(paths, printed); // warms the page cache and the libraries
    RunExiftool(folder.Name(), printed);
    for (int round = 1; round <= 3; ++round) {
        std::size_t ours = 0, pool = 0, theirs = 0;
        const double one = ReadOnOneThread(paths, ours);
        const double many = ReadOnThePool(paths, pool);
        const double tool = RunExiftool(folder.Name(), theirs);
        std::printf("  round %d: reader on one thread %.3f s (%zu bytes printed), on the pool of %u %.3f s, "
                    "exiftool %.3f s (%zu bytes printed): %.1fx and %.1fx faster\n",
                    round, one, ours, platform::metadata::FactsPool::WorkersFor(paths.size()), many, tool,
                    theirs, tool / one, tool / many);
    }
}

void HundredThousand(const std::vector<std::string>& photos) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    const auto paths = WritePhotos(folder.Name(), 100'000, photos);
    platform::metadata::LibraryFactsReader files;
    platform::metadata::CachedFactsReader reader(files);
    const long before = ResidentKilobytes();
    for (const char* pass : {"first read", "again, from the cache"}) {
        platform::metadata::FactsReadJob job(reader, paths, kTakenAndCamera);
        std::vector<FileFacts> rows(paths.size());
        qsizetype batches = 0;
        QObject::connect(&job, &platform::metadata::FactsReadJob::arrived, [&](const auto& batch) {
            ++batches;
            for (const auto& arrived : batch)
                rows[arrived.index] = arrived.facts;
        });
        bool done = false;
        QObject::connect(&job, &platform::metadata::FactsReadJob::finished, [&] { done = true; });
        const auto start = Clock::now();
        const StallWatch watch;
        job.start();
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double total = Seconds(start);
        const auto read =
            std::count_if(rows.begin(), rows.end(), [](const FileFacts& f) { return f.taken && f.camera; });
        std::printf(
            "100,000 JPEG files through the pool, %s: %.3f s, %lld of them with both values, %lld batches, "
            "longest stall of the event loop %lld ms\n",
            pass, total, static_cast<long long>(read), static_cast<long long>(batches),
            static_cast<long long>(watch.Longest()));
    }
    std::printf(
        "cache: %zu files, %.0f bytes a file of resident memory (%zu bytes of values a file before their "
        "text)\n",
        reader.Size(), (ResidentKilobytes() - before) * 1024.0 / static_cast<double>(reader.Size()),
        sizeof(FileFacts));
}

void DialogOverHundredThousand(const std::vector<std::string>& photos) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    auto names = std::make_shared<std::vector<std::string>>();
    for (const std::string& path : WritePhotos(folder.Name(), 100'000, photos))
        names->push_back(path.substr(path.rfind('/') + 1));
    engine::recipes::Recipe recipe;
    recipe.steps = {engine::recipes::ReplaceStep{"^.*$", "{taken:%Y%m%d_%H%M%S}_{camera}_{n}", true, false,
                                                 true, engine::recipes::Scope::Name}};
    // One cache for both dialogs, as the same files opened twice: the second dialog finds every value.
    platform::metadata::LibraryFactsReader files;
    platform::metadata::CachedFactsReader cache(files);
    PrintingDialogs dialogs;
    for (const char* pass : {"first read", "again, from the cache"}) {
        auto* app = static_cast<TimingApplication*>(QCoreApplication::instance());
        app->Reset();
        const auto start = Clock::now();
        const StallWatch watch;
        // Opened from the event loop, as a click opens it, so that its opening is timed as one event.
        std::unique_ptr<rules::RulesDialog> dialog;
        QTimer::singleShot(0, [&] {
            dialog = std::make_unique<rules::RulesDialog>(names, folder.Name(), recipe, nullptr, dialogs,
                                                          nullptr, &cache);
            dialog->show();
        });
        const auto marked = [&dialog] {
            const auto* status =
                dialog ? dialog->findChild<QLabel*>(QLatin1String(rulesnames::lblStatus)) : nullptr;
            return status && status->text().contains(QStringLiteral("renamed"));
        };
        while (!marked())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto* status = dialog->findChild<QLabel*>(QLatin1String(rulesnames::lblStatus));
        const double total = Seconds(start);
        // The gap of the last turn shows only once the loop turns again.
        QCoreApplication::processEvents();
        std::printf("Rules dialog over 100,000 JPEG files, %s: every row marked after %.3f s (%s), longest "
                    "stall of the event loop %lld ms; longest events %s\n",
                    pass, total, qPrintable(status->text()), static_cast<long long>(watch.Longest()),
                    qPrintable(app->Longest()));
    }
}

bool Given(int argc, char** argv, const char* option) {
    return std::any_of(argv + 1, argv + argc,
                       [option](const char* arg) { return std::strcmp(arg, option) == 0; });
}

} // namespace

int main(int argc, char** argv) {
    TimingApplication app(argc, argv);
    const ScratchFolder scratch{ScratchFolder::InMemory()};
    const auto photos = PhotoTemplates(scratch.Name());
    if (!Given(argc, argv, "--dialog-only")) {
        if (!Given(argc, argv, "--skip-exiftool"))
            SideBySide(photos);
        HundredThousand(photos);
    }
    DialogOverHundredThousand(photos);
    return 0;
}
