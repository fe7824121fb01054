// A batch of renames through the engine's batch loop and the real file system, against a bare loop of the
// system call it ends in, over the same files: on tmpfs, and on the disk.
//
//   build-bench/bench/rename_bench [FILES] [PAIRS] [DISK_FOLDER]     (100000, 9, /var/tmp)
//
// The two sides run in interleaved pairs, each side a round trip (every file to its new name and back),
// the side that goes first alternating from pair to pair, so that a change of load on the machine falls on
// both sides alike. The figure to read is the median of the per-pair ratios; the medians of each side and
// the spread of the ratios are printed beside it.

#ifndef _GNU_SOURCE
#define _GNU_SOURCE // renameat2 and RENAME_NOREPLACE
#endif

#include "RenameSets.h"
#include "engine/batch/BatchRename.h"
#include "platform/files/PosixFileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class CountingPrompts : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { return ++questions, true; }
    void ReportFailure(const std::string&) override { ++failures; }
    int questions = 0;
    int failures = 0;
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// One round trip through the engine's batch loop.
double BatchRoundTrip(RenameSets& sets) {
    platform::PosixFileSystem files;
    CountingPrompts prompts;
    const auto start = Clock::now();
    engine::RunBatch(sets.forward, files, prompts);
    engine::RunBatch(sets.backward, files, prompts);
    const double seconds = Seconds(Clock::now() - start);
    if (prompts.failures != 0 || prompts.questions != 0)
        throw std::runtime_error("the batch asked a question or failed a rename");
    return seconds;
}

// One round trip of bare renameat2 calls.
double BareRoundTrip(RenameSets& sets) {
    const int fd = ::open(sets.folder.Path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    int failures = 0;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < sets.camera.size(); ++i)
        failures +=
            ::renameat2(fd, sets.camera[i].c_str(), fd, sets.titled[i].c_str(), RENAME_NOREPLACE) != 0;
    for (std::size_t i = 0; i < sets.camera.size(); ++i)
        failures +=
            ::renameat2(fd, sets.titled[i].c_str(), fd, sets.camera[i].c_str(), RENAME_NOREPLACE) != 0;
    const double seconds = Seconds(Clock::now() - start);
    ::close(fd);
    if (failures != 0)
        throw std::runtime_error("a bare rename failed");
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Compare(const std::string& base, int count, int pairs) {
    RenameSets sets(base, count);
    std::printf("%d files in %s (%s), %d interleaved pairs of round trips\n", count,
                sets.folder.Path().c_str(), sets.folder.OnTmpfs() ? "tmpfs" : "not tmpfs", pairs);
    BareRoundTrip(sets); // warms the directory's caches for both sides
    std::vector<double> batch;
    std::vector<double> bare;
    std::vector<double> ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        double batchSeconds = 0;
        double bareSeconds = 0;
        if (pair % 2 == 0) {
            bareSeconds = BareRoundTrip(sets);
            batchSeconds = BatchRoundTrip(sets);
        } else {
            batchSeconds = BatchRoundTrip(sets);
            bareSeconds = BareRoundTrip(sets);
        }
        batch.push_back(batchSeconds);
        bare.push_back(bareSeconds);
        ratios.push_back(batchSeconds / bareSeconds);
    }
    std::printf("  bare renameat2 round trip: median %.1f ms (%.0f ns a rename)\n", Median(bare) * 1e3,
                Median(bare) * 1e9 / (2.0 * count));
    std::printf("  RunBatch round trip:       median %.1f ms (%.0f ns a rename)\n", Median(batch) * 1e3,
                Median(batch) * 1e9 / (2.0 * count));
    std::printf("  RunBatch / bare, median of per-pair ratios: %.3f (pairs range %.3f to %.3f)\n",
                Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int pairs = argc > 2 ? std::atoi(argv[2]) : 9;
    const std::string disk = argc > 3 ? argv[3] : "/var/tmp";
    if (count <= 0 || pairs <= 0) {
        std::fprintf(stderr, "usage: rename_bench [FILES] [PAIRS] [DISK_FOLDER]\n");
        return 2;
    }
    try {
        Compare(ScratchFolder::InMemory(), count, pairs);
        Compare(disk, count, pairs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rename_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
