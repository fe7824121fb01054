#pragma once

#include "engine/undo/JournalStore.h"

#include <optional>
#include <string>

namespace platform {

// The program's folder in the user's state folder: $XDG_STATE_HOME/TitleShaperWorkshop, or
// ~/.local/state/TitleShaperWorkshop where that variable is unset or not an absolute path.
std::string StateFolder();

// The journal of the last batch as one file of the state folder. A new journal is written beside it and
// renamed into its place once it is on the disk, so a stop at any moment leaves the old journal or the
// new one whole, never a mixture.
class JournalFile : public engine::JournalStore {
public:
    // The file "last-go.journal" in the state folder.
    JournalFile();
    explicit JournalFile(std::string path);

    std::string Write(const std::string& bytes) override;
    std::string WritePieces(const Pieces& produce) override;
    std::string Append(const std::string& bytes) override;
    std::optional<std::string> Read(std::string& error) override;
    void Discard() override;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace platform
