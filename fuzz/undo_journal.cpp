// The undo journal's decoder over any bytes, and the encoder's output decoded again. Rules: decoding
// never crashes and either refuses with a reason or gives a journal; whatever it gives encodes to bytes
// that decode to the same; a journal built from the input comes back as it was; one cut short in its
// plan, or with any byte of its plan changed, is refused.

#include "FuzzCheck.h"
#include "engine/undo/UndoJournal.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

bool Same(const engine::Journal& a, const engine::Journal& b) {
    if (a.folder != b.folder || !(a.identity == b.identity) || a.rows.size() != b.rows.size() ||
        a.done != b.done)
        return false;
    for (std::size_t i = 0; i < a.rows.size(); ++i)
        if (a.rows[i].oldName != b.rows[i].oldName || a.rows[i].newName != b.rows[i].newName)
            return false;
    return true;
}

std::string Encode(const engine::Journal& journal) {
    std::string bytes = engine::EncodePlan(journal.folder, journal.identity, journal.rows);
    if (journal.done)
        bytes += engine::EncodeOutcome(*journal.done);
    return bytes;
}

void DecodeAnyBytes(std::string_view bytes) {
    const engine::DecodedJournal decoded = engine::DecodeJournal(bytes);
    FUZZ_CHECK(decoded.journal.has_value() == decoded.error.empty());
    if (!decoded.journal)
        return;
    const engine::Journal& journal = *decoded.journal;
    FUZZ_CHECK(!journal.done || journal.done->size() == journal.rows.size());
    const engine::DecodedJournal again = engine::DecodeJournal(Encode(journal));
    FUZZ_CHECK(again.journal && Same(*again.journal, journal));
}

void RoundTrip(FuzzedDataProvider& input) {
    engine::Journal journal;
    journal.folder = input.ConsumeRandomLengthString(64);
    journal.identity = {input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>()};
    const std::size_t rows = input.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < rows; ++i) {
        std::string oldName = input.ConsumeRandomLengthString(24);
        journal.rows.push_back({std::move(oldName), input.ConsumeRandomLengthString(24)});
    }
    if (input.ConsumeBool()) {
        std::vector<bool> done;
        for (std::size_t i = 0; i < rows; ++i)
            done.push_back(input.ConsumeBool());
        journal.done = done;
    }
    const std::string plan = engine::EncodePlan(journal.folder, journal.identity, journal.rows);
    const std::string bytes = Encode(journal);
    const engine::DecodedJournal decoded = engine::DecodeJournal(bytes);
    FUZZ_CHECK(decoded.journal && Same(*decoded.journal, journal));

    // The plan handed over in pieces is the same bytes.
    std::string pieces;
    engine::EncodePlanPieces(journal.folder, journal.identity, engine::PlannedRows(journal.rows),
                             [&pieces](std::string_view piece) { pieces += piece; });
    FUZZ_CHECK(pieces == plan);

    // Cut short: within the plan it is refused; within the outcome it reads as a batch never finished.
    const std::size_t cut = input.ConsumeIntegralInRange<std::size_t>(0, bytes.size());
    const engine::DecodedJournal shortened = engine::DecodeJournal(std::string_view(bytes).substr(0, cut));
    if (cut < plan.size()) {
        FUZZ_CHECK(!shortened.journal);
    } else if (cut < bytes.size()) {
        FUZZ_CHECK(shortened.journal && !shortened.journal->done);
        FUZZ_CHECK(shortened.journal->rows.size() == journal.rows.size());
    }

    // One byte of the plan changed: the checksum refuses it.
    if (!plan.empty()) {
        std::string changed = bytes;
        const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, plan.size() - 1);
        changed[at] = static_cast<char>(changed[at] ^ input.ConsumeIntegralInRange<int>(1, 255));
        FUZZ_CHECK(!engine::DecodeJournal(changed).journal);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeAnyBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    FuzzedDataProvider input(data, size);
    RoundTrip(input);
    return 0;
}
