#pragma once

#include "engine/batch/FolderIdentity.h"
#include "engine/batch/PlannedRenames.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The record of the last batch, from which it can be undone: where it ran, and every rename it was about
// to try, in order. `done` tells which of them succeeded; it is missing when the batch never finished
// (the program or the machine stopped in its middle), and then the disk decides.
struct Journal {
    std::string folder;
    FolderIdentity identity;
    std::vector<RenameRow> rows;
    std::optional<std::vector<bool>> done;
};

// The journal is two records, each closed by its own checksum: the plan, written in one go before the
// first rename, and the outcome, appended after the last. Names are length-prefixed, so any byte can
// stand in them. Numbers are little-endian whatever the machine.
std::string EncodePlan(const std::string& folder, const FolderIdentity& identity,
                       const PlannedRenames& renames);
// The same bytes handed to `put` a piece at a time, pieces of about PlanPieceBytes, so that the plan of a
// million renames is never held whole.
void EncodePlanPieces(const std::string& folder, const FolderIdentity& identity,
                      const PlannedRenames& renames, const std::function<void(std::string_view piece)>& put);
inline constexpr std::size_t PlanPieceBytes = 1 << 16;
std::string EncodePlan(const std::string& folder, const FolderIdentity& identity,
                       const std::vector<RenameRow>& rows);
std::string EncodeOutcome(const std::vector<bool>& done);

struct DecodedJournal {
    std::optional<Journal> journal; // nullopt when the bytes were refused
    std::string error;              // why they were refused
};

// Refuses anything that is not exactly a plan of this version, optionally followed by a complete
// outcome that matches it. An outcome that was cut short counts as missing, as after a crash during its
// writing; an outcome that is complete but does not check out is refused with the rest.
DecodedJournal DecodeJournal(std::string_view bytes);

} // namespace engine
