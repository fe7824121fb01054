#pragma once

#include "PausingWork.h"
#include "platform/metadata/FileFactsReader.h"

#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace fakes {

// Answers every file with the same camera name taken from the path, and records what was asked; can
// hold every read at a gate until the test releases it.
class RecordingFactsReader : public platform::metadata::FileFactsReader {
public:
    platform::metadata::FileFacts Read(const std::string& path, platform::metadata::FactSet wanted) override {
        {
            std::lock_guard lock(mutex_);
            asked_.emplace_back(path, wanted);
        }
        ++entered_;
        if (hold)
            gate.Hold();
        platform::metadata::FileFacts facts;
        if (wanted.test(static_cast<std::size_t>(platform::metadata::Fact::Camera)))
            facts.camera = "camera of " + path;
        if (wanted.test(static_cast<std::size_t>(platform::metadata::Fact::Title)))
            facts.title = "title of " + path;
        return facts;
    }
    std::vector<std::pair<std::string, platform::metadata::FactSet>> Asked() const {
        std::lock_guard lock(mutex_);
        return asked_;
    }
    int Entered() const { return entered_; }

    bool hold = false; // set before the reads start
    Gate gate;

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<std::string, platform::metadata::FactSet>> asked_;
    std::atomic<int> entered_{0};
};

} // namespace fakes
