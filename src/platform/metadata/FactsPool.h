#pragma once

#include "platform/metadata/FileFactsReader.h"

#include <atomic>
#include <cstddef>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace platform::metadata {

// Receives what a pool finds. Called on the pool's worker threads, so it must hand values over safely.
class FactsSink {
public:
    virtual ~FactsSink() = default;
    // The values of paths[index]; files arrive in any order, each once.
    virtual void Arrived(std::size_t index, FileFacts facts) = 0;
    // Once, after the last Arrived: cancelled when Cancel stopped the read before every file was read.
    virtual void Finished(bool cancelled) = 0;
};

// Reads a list of files on a few worker threads (no more than the machine's cores), at once from
// construction. Cancel, or a stop asked through `stop`, lets each worker finish the file in hand and stop;
// the destructor cancels and waits, so the sink is never called after it.
class FactsPool {
public:
    FactsPool(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted, FactsSink& sink,
              unsigned workers = 0, std::stop_token stop = {});
    ~FactsPool();
    FactsPool(const FactsPool&) = delete;
    FactsPool& operator=(const FactsPool&) = delete;

    void Cancel() { cancelled_ = true; }
    // Blocks until every worker has stopped.
    void Wait();
    std::size_t Done() const { return done_; }
    std::size_t Total() const { return paths_.size(); }

    // How many workers read `files` files: the machine's cores, never more than there are files.
    static unsigned WorkersFor(std::size_t files);

private:
    void Work();

    FileFactsReader& reader_;
    const std::vector<std::string> paths_;
    const FactSet wanted_;
    FactsSink& sink_;
    std::atomic<std::size_t> next_{0}, done_{0};
    std::atomic<bool> cancelled_{false};
    const std::stop_token stop_;
    std::atomic<unsigned> running_{0};
    std::vector<std::thread> workers_;
};

} // namespace platform::metadata
