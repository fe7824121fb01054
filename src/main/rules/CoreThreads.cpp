#include "CoreThreads.h"

#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace rules {

engine::recipes::ParallelJobs OnAllCores() {
    engine::recipes::ParallelJobs jobs;
    jobs.width = std::max(1u, std::thread::hardware_concurrency());
    jobs.run = [](std::size_t count, const std::function<void(std::size_t)>& job) {
        std::exception_ptr failure;
        std::mutex failureLock;
        const auto guarded = [&](std::size_t k) {
            try {
                job(k);
            } catch (...) {
                const std::lock_guard lock(failureLock);
                if (!failure)
                    failure = std::current_exception();
            }
        };
        {
            std::vector<std::jthread> threads;
            threads.reserve(count - 1);
            for (std::size_t k = 1; k < count; ++k)
                threads.emplace_back(guarded, k);
            guarded(0);
        }
        if (failure)
            std::rethrow_exception(failure);
    };
    return jobs;
}

} // namespace rules
