// Reading the date taken and the camera of photos: this program's reader against exiftool printing the
// same two tags for the same 10,000 JPEG files in one process, side by side on tmpfs with warm caches;
// then 100,000 files through the pool of workers and the window-thread adapter, with the total, the
// event loop's longest stall and the cache's memory.

#include "TestMedia.h"
#include "TmpfsFolder.h"
#include "platform/metadata/CachedFactsReader.h"
#include "platform/metadata/FactsPool.h"
#include "platform/metadata/FactsReadJob.h"
#include "platform/metadata/LibraryFactsReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
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
    TmpfsFolder folder;
    const auto paths = WritePhotos(folder.Path(), 10'000, photos);
    std::printf("10,000 JPEG files with EXIF on %s (%s), date taken and camera, warm caches:\n",
                folder.OnTmpfs() ? "tmpfs" : "disk", folder.Path().c_str());
    std::size_t printed = 0;
    ReadOnOneThread(paths, printed); // warms the page cache and the libraries
    RunExiftool(folder.Path(), printed);
    for (int round = 1; round <= 3; ++round) {
        std::size_t ours = 0, pool = 0, theirs = 0;
        const double one = ReadOnOneThread(paths, ours);
        const double many = ReadOnThePool(paths, pool);
        const double tool = RunExiftool(folder.Path(), theirs);
        std::printf("  round %d: reader on one thread %.3f s (%zu bytes printed), on the pool of %u %.3f s, "
                    "exiftool %.3f s (%zu bytes printed): %.1fx and %.1fx faster\n",
                    round, one, ours, platform::metadata::FactsPool::WorkersFor(paths.size()), many, tool,
                    theirs, tool / one, tool / many);
    }
}

void HundredThousand(const std::vector<std::string>& photos) {
    TmpfsFolder folder;
    const auto paths = WritePhotos(folder.Path(), 100'000, photos);
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
        // A timer that should fire every millisecond: the longest gap between two of its ticks is the
        // longest the event loop was held.
        QElapsedTimer sinceTick;
        qint64 longestStall = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
        bool done = false;
        QObject::connect(&job, &platform::metadata::FactsReadJob::finished, [&] { done = true; });
        const auto start = Clock::now();
        sinceTick.start();
        tick.start();
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
            static_cast<long long>(longestStall));
    }
    std::printf(
        "cache: %zu files, %.0f bytes a file of resident memory (%zu bytes of values a file before their "
        "text)\n",
        reader.Size(), (ResidentKilobytes() - before) * 1024.0 / static_cast<double>(reader.Size()),
        sizeof(FileFacts));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TmpfsFolder scratch;
    const auto photos = PhotoTemplates(scratch.Path());
    SideBySide(photos);
    HundredThousand(photos);
    return 0;
}
