#include "platform/metadata/FactsPool.h"

#include <algorithm>

namespace platform::metadata {

unsigned FactsPool::WorkersFor(std::size_t files) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<std::size_t>(cores, files));
}

FactsPool::FactsPool(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted, FactsSink& sink,
                     unsigned workers, std::stop_token stop)
    : reader_(reader), paths_(std::move(paths)), wanted_(wanted), sink_(sink), stop_(std::move(stop)) {
    const unsigned count =
        std::min(workers == 0 ? WorkersFor(paths_.size()) : workers, WorkersFor(paths_.size()));
    if (count == 0) {
        sink_.Finished(false);
        return;
    }
    running_ = count;
    workers_.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        workers_.emplace_back([this] { Work(); });
}

FactsPool::~FactsPool() {
    Cancel();
    Wait();
}

void FactsPool::Wait() {
    for (std::thread& worker : workers_)
        if (worker.joinable())
            worker.join();
}

void FactsPool::Work() {
    while (!cancelled_ && !stop_.stop_requested()) {
        const std::size_t index = next_++;
        if (index >= paths_.size())
            break;
        sink_.Arrived(index, reader_.Read(paths_[index], wanted_));
        ++done_;
    }
    // The last worker out reports the end, after every Arrived of every worker.
    if (--running_ == 0)
        sink_.Finished(done_ < paths_.size());
}

} // namespace platform::metadata
