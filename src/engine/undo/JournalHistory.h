#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A moment on the user's clock, to the minute, as a question names it.
struct LocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    bool SameDay(const LocalTime& other) const {
        return year == other.year && month == other.month && day == other.day;
    }
};

// One Go's record, taken by the Go that writes it or by the undo that reads it: while one holds it, no
// other Go or undo (in this window or another) can take it. Each call answers an error text, empty on
// success.
class HeldRecord {
public:
    virtual ~HeldRecord() = default;
    // Adds bytes at the end, durably.
    virtual std::string Append(const std::string& bytes) = 0;
    // The record's bytes; nullopt with the error when they cannot be read.
    virtual std::optional<std::string> Read(std::string& error) = 0;
    // Puts these bytes in the record's place, durably, so that a stop leaves the old bytes or the new ones.
    virtual std::string Replace(const std::string& bytes) = 0;
    // Removes the record: it is spent.
    virtual void Discard() = 0;
};

// Where the records of the last Gos are kept, each in a store of its own, so that two Gos at once never
// mix their records.
class JournalHistory {
public:
    virtual ~JournalHistory() = default;
    // A record of the history: which one, and when its Go ran.
    struct Entry {
        std::string id;
        LocalTime madeAt;
    };
    // The bytes of a new record, handed to `put` a piece at a time, so that a long record is never held
    // whole.
    using Pieces = std::function<void(const std::function<void(std::string_view piece)>& put)>;
    // Writes a new record of its own, durably, and holds it; nullptr with the error when it cannot be
    // written. Nothing else of the history changes.
    virtual std::unique_ptr<HeldRecord> Create(const Pieces& produce, std::string& error) = 0;
    // Every record, the newest first.
    virtual std::vector<Entry> List() = 0;
    // Holds a record for an undo; nullptr when it is gone or another Go or undo holds it.
    virtual std::unique_ptr<HeldRecord> Take(const std::string& id) = 0;
    // Removes the records after the newest `keep`, except those that another Go or undo holds.
    virtual void Prune(std::size_t keep) = 0;
};

// How many Gos that renamed something can be undone, one after the other.
inline constexpr std::size_t UndoHistoryLength = 20;

} // namespace engine
