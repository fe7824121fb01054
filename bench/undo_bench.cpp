// What the undo journal costs a batch of 100,000 renames, and what the undo of such a batch costs, each
// against a bare loop of the system call over the same files in the same run. Rounds interleave the
// variants, so a machine that gets busier or quieter meanwhile weighs on all of them alike; the best
// round of each counts. The journal is kept on tmpfs beside the files unless a folder is given:
//     undo_bench [JOURNAL_FOLDER]

#ifndef _GNU_SOURCE
#define _GNU_SOURCE // renameat2 and RENAME_NOREPLACE
#endif

#include "RenameSets.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int fileCount = 100000;
constexpr int rounds = 5;

struct Times {
    double wall = std::numeric_limits<double>::max();
    double cpu = std::numeric_limits<double>::max();
};

double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs the work once and keeps the better of this run and the best so far.
void Measure(Times& best, const std::function<void()>& work) {
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    work();
    const double cpu = CpuSeconds() - cpuStart;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    best.wall = std::min(best.wall, wall);
    best.cpu = std::min(best.cpu, cpu);
}

class NoQuestions : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { throw std::runtime_error("unexpected clash question"); }
    void ReportFailure(const std::string& text) override { throw std::runtime_error(text); }
};

// The undo's one question is answered Yes.
class UndoAnswersYes : public NoQuestions {
public:
    bool Confirm(const std::string&) override { return true; }
};

void Print(const char* what, const Times& times, const Times& bare) {
    std::printf("%-34s %8.1f ms wall %8.1f ms CPU   ratio to bare: %.3f wall, %.3f CPU\n", what,
                times.wall * 1e3, times.cpu * 1e3, times.wall / bare.wall, times.cpu / bare.cpu);
}

} // namespace

int main(int argc, char** argv) {
    RenameSets sets(ScratchFolder::InMemory(), fileCount);
    const ScratchFolder& folder = sets.folder;
    const ScratchFolder state{ScratchFolder::InMemory()};
    const std::string journalFolder = argc > 1 ? argv[1] : state.Name();
    const std::vector<std::string>& camera = sets.camera;
    const std::vector<std::string>& titled = sets.titled;
    const engine::BatchSnapshot& forward = sets.forward;
    const engine::BatchSnapshot& backward = sets.backward;
    std::printf("%d files in %s (%s), journal in %s, best of %d interleaved rounds\n", fileCount,
                folder.Path().c_str(), folder.OnTmpfs() ? "tmpfs" : "not tmpfs", journalFolder.c_str(),
                rounds);

    platform::PosixFileSystem files;
    platform::JournalFolder journal(journalFolder);
    NoQuestions prompts;
    UndoAnswersYes undoPrompts;
    const int fd = ::open(folder.Path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    auto bareLoop = [fd](const std::vector<std::string>& from, const std::vector<std::string>& to) {
        for (int i = 0; i < fileCount; ++i)
            if (::renameat2(fd, from[i].c_str(), fd, to[i].c_str(), RENAME_NOREPLACE) != 0)
                throw std::runtime_error("a bare rename failed");
    };
    Times bare;
    Times batchPlain;
    Times batchJournal;
    Times undo;
    for (int round = 0; round < rounds; ++round) {
        // Each variant renames the whole set away and the next one brings it back.
        Measure(bare, [&] { bareLoop(camera, titled); });
        Measure(bare, [&] { bareLoop(titled, camera); });
        Measure(batchPlain, [&] { engine::RunBatch(forward, files, prompts); });
        Measure(batchPlain, [&] { engine::RunBatch(backward, files, prompts); });
        Measure(batchJournal, [&] {
            engine::StoredBatchJournal recorder(journal);
            engine::RunBatch(forward, files, prompts, &recorder);
        });
        Measure(undo, [&] {
            const auto outcome = engine::UndoLastGo(journal, files, undoPrompts, platform::LocalNow());
            if (outcome.renamed != fileCount || outcome.failed != 0)
                throw std::runtime_error("the undo did not rename every file back");
        });
    }
    ::close(fd);
    Print("bare renameat2 loop", bare, bare);
    Print("Go without journal", batchPlain, bare);
    Print("Go with journal", batchJournal, bare);
    Print("Undo (plan, listing, renames)", undo, bare);
    return 0;
}
