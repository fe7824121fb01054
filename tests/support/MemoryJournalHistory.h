#pragma once

#include "engine/undo/JournalHistory.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fakes {

// The history of records kept in memory. Records made later list first; each is made at `clock`, which a
// test may set. `failWrite` makes writing a new record fail with that text.
class MemoryJournalHistory : public engine::JournalHistory {
public:
    std::unique_ptr<engine::HeldRecord> Create(const Pieces& produce, std::string& error) override {
        if (!failWrite.empty()) {
            error = failWrite;
            return nullptr;
        }
        std::string bytes;
        produce([&bytes](std::string_view piece) { bytes += piece; });
        const std::string id = "record " + std::to_string(++made_);
        records_[id] = {std::move(bytes), clock, made_};
        return std::make_unique<Held>(*this, id);
    }
    std::vector<Entry> List() override {
        std::map<int, Entry, std::greater<>> byAge;
        for (const auto& [id, record] : records_)
            byAge[record.order] = {id, record.madeAt};
        std::vector<Entry> entries;
        for (const auto& [order, entry] : byAge)
            entries.push_back(entry);
        return entries;
    }
    std::unique_ptr<engine::HeldRecord> Take(const std::string& id) override {
        if (records_.count(id) == 0 || held_.count(id) != 0)
            return nullptr;
        return std::make_unique<Held>(*this, id);
    }
    void Prune(std::size_t keep) override {
        const std::vector<Entry> entries = List();
        for (std::size_t i = keep; i < entries.size(); ++i)
            if (held_.count(entries[i].id) == 0)
                records_.erase(entries[i].id);
    }

    std::size_t Count() const { return records_.size(); }
    // The bytes of the newest record; nullopt when there is none.
    std::optional<std::string> Newest() {
        const auto entries = List();
        if (entries.empty())
            return std::nullopt;
        return records_.at(entries.front().id).bytes;
    }

    engine::LocalTime clock{2026, 12, 9, 14, 3};
    std::string failWrite;

private:
    struct Record {
        std::string bytes;
        engine::LocalTime madeAt;
        int order = 0;
    };
    class Held : public engine::HeldRecord {
    public:
        Held(MemoryJournalHistory& history, std::string id) : history_(history), id_(std::move(id)) {
            history_.held_.insert(id_);
        }
        ~Held() override { history_.held_.erase(id_); }
        std::string Append(const std::string& bytes) override {
            history_.records_.at(id_).bytes += bytes;
            return {};
        }
        std::optional<std::string> Read(std::string& error) override {
            error.clear();
            return history_.records_.at(id_).bytes;
        }
        std::string Replace(const std::string& bytes) override {
            history_.records_.at(id_).bytes = bytes;
            return {};
        }
        void Discard() override { history_.records_.erase(id_); }

    private:
        MemoryJournalHistory& history_;
        std::string id_;
    };

    std::map<std::string, Record> records_;
    std::set<std::string> held_;
    int made_ = 0;
};

} // namespace fakes
