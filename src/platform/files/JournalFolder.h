#pragma once

#include "engine/undo/JournalHistory.h"

#include <cstdint>
#include <string>

namespace platform {

// The program's folder in the user's state folder: $XDG_STATE_HOME/TitleShaperWorkshop, or
// ~/.local/state/TitleShaperWorkshop where that variable is unset or not an absolute path.
std::string StateFolder();

// The user's clock now, to the minute.
engine::LocalTime LocalNow();
// A moment given in nanoseconds since 1970 on the user's clock.
engine::LocalTime LocalTimeOf(std::int64_t nanoseconds);

// The records of the last Gos, one file each in a folder: "go-<nanoseconds since 1970>-<process>.journal",
// so that the names sort by the time of their Go and two programs never pick the same one. A record is
// held by an exclusive flock on its open file, from its writing to the Go's end, or for the length of an
// undo. A new record is written under a temporary name and renamed into place once it is on the disk, as
// is a record rewritten; a stop at any moment leaves a record whole, never a mixture. The single record
// "last-go.journal" of earlier versions of the program counts as one more, of the time it was written.
class JournalFolder : public engine::JournalHistory {
public:
    // The state folder.
    JournalFolder();
    explicit JournalFolder(std::string folder);

    std::unique_ptr<engine::HeldRecord> Create(const Pieces& produce, std::string& error) override;
    std::vector<Entry> List() override;
    std::unique_ptr<engine::HeldRecord> Take(const std::string& id) override;
    void Prune(std::size_t keep) override;

    const std::string& Folder() const { return folder_; }
    // The file of a record.
    std::string PathOf(const std::string& id) const { return folder_ + "/" + id; }

private:
    struct Found {
        std::string id;
        std::int64_t madeAt = 0;
    };
    std::vector<Found> Records() const;

    std::string folder_;
};

} // namespace platform
