#pragma once

#include "engine/undo/JournalStore.h"

#include <optional>
#include <string>

namespace fakes {

// The journal kept in memory; `failWrite` makes writing the plan fail with that text.
class MemoryJournalStore : public engine::JournalStore {
public:
    std::string Write(const std::string& bytes) override {
        if (!failWrite.empty())
            return failWrite;
        bytes_ = bytes;
        return {};
    }
    std::string Append(const std::string& bytes) override {
        if (!bytes_)
            return "no journal";
        *bytes_ += bytes;
        return {};
    }
    std::optional<std::string> Read(std::string& error) override {
        error.clear();
        return bytes_;
    }
    void Discard() override { bytes_.reset(); }

    bool Holds() const { return bytes_.has_value(); }
    std::string& Bytes() { return *bytes_; }
    void Set(std::string bytes) { bytes_ = std::move(bytes); }

    std::string failWrite;

private:
    std::optional<std::string> bytes_;
};

} // namespace fakes
