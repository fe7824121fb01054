#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// Where the journal of the last batch is kept. Each call answers an error text, empty on success.
class JournalStore {
public:
    virtual ~JournalStore() = default;
    // Replaces the journal by these bytes, durably, before it returns.
    virtual std::string Write(const std::string& bytes) = 0;
    // The same for bytes that `produce` hands to its argument a piece at a time. A store that can, writes
    // each piece as it comes, so that a long journal is never held whole; by default they are gathered.
    using Pieces = std::function<void(const std::function<void(std::string_view piece)>& put)>;
    virtual std::string WritePieces(const Pieces& produce) {
        std::string bytes;
        produce([&bytes](std::string_view piece) { bytes += piece; });
        return Write(bytes);
    }
    // Adds bytes at the end of the journal, durably.
    virtual std::string Append(const std::string& bytes) = 0;
    // The journal's bytes; nullopt with an empty error when there is none.
    virtual std::optional<std::string> Read(std::string& error) = 0;
    // Forgets the journal.
    virtual void Discard() = 0;
};

} // namespace engine
