// The journal's bytes: a versioned header, the plan and its checksum, then the outcome and its own.

#include "engine/undo/UndoJournal.h"

#include "engine/text/EngineText.h"

#include <array>
#include <cstdint>

namespace engine {
namespace {

constexpr std::string_view planMagic = "TSW-UNDO";
constexpr std::string_view outcomeMagic = "DONE";
// Version 2 adds the folder's birth time; a record of version 1 still reads, with the birth time unknown.
constexpr std::uint32_t version = 2;
constexpr std::uint32_t versionWithoutBirth = 1;

// FNV-1a over 64 bits: not a defence against someone forging a record, but any torn write, flipped bit or
// hand edit changes it.
constexpr std::uint64_t ChecksumStart = 14695981039346656037ULL;

// Bytes given in pieces: each piece goes on from the hash of those before it.
std::uint64_t Checksum(std::string_view bytes, std::uint64_t hash = ChecksumStart) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

template <class Number> void Put(std::string& out, Number value) {
    for (std::size_t i = 0; i < sizeof(Number); ++i) {
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xff));
    }
}

void PutName(std::string& out, const std::string& name) {
    Put<std::uint32_t>(out, static_cast<std::uint32_t>(name.size()));
    out += name;
}

void PutChecksum(std::string& out, std::size_t from) {
    Put<std::uint64_t>(out, Checksum(std::string_view(out).substr(from)));
}

// Reads forward through the bytes; every read fails once the bytes run out.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <class Number> bool Get(Number& value) {
        if (bytes_.size() - at_ < sizeof(Number)) {
            return false;
        }
        std::uint64_t read = 0;
        for (std::size_t i = 0; i < sizeof(Number); ++i) {
            read |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
        }
        at_ += sizeof(Number);
        value = static_cast<Number>(read);
        return true;
    }
    bool Get(std::string& text, std::size_t length) {
        if (bytes_.size() - at_ < length) {
            return false;
        }
        text.assign(bytes_.substr(at_, length));
        at_ += length;
        return true;
    }
    bool GetName(std::string& name) {
        std::uint32_t length = 0;
        return Get(length) && Get(name, length);
    }
    // Checks the checksum that follows the bytes read since `from`.
    enum class Check { Good, Bad, Short };
    Check GetChecksum(std::size_t from) {
        const std::uint64_t expected = Checksum(bytes_.substr(from, at_ - from));
        std::uint64_t stored = 0;
        if (!Get(stored)) {
            return Check::Short;
        }
        return stored == expected ? Check::Good : Check::Bad;
    }
    std::size_t At() const { return at_; }
    std::size_t Left() const { return bytes_.size() - at_; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

DecodedJournal Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

void EncodePlanPieces(const std::string& folder, const FolderIdentity& identity,
                      const PlannedRenames& renames, const std::function<void(std::string_view piece)>& put) {
    // The checksum runs over the pieces as they go out; it closes the last one.
    std::uint64_t checksum = ChecksumStart;
    std::string piece;
    piece.reserve(PlanPieceBytes + 64 + folder.size());
    const auto flush = [&] {
        checksum = Checksum(piece, checksum);
        put(piece);
        piece.clear();
    };
    const std::size_t count = renames.Count();
    piece += planMagic;
    Put<std::uint32_t>(piece, version);
    PutName(piece, folder);
    Put<std::uint64_t>(piece, identity.device);
    Put<std::uint64_t>(piece, identity.inode);
    Put<std::int64_t>(piece, identity.birth);
    Put<std::uint64_t>(piece, count);
    for (std::size_t i = 0; i < count; ++i) {
        PutName(piece, renames.OldName(i));
        PutName(piece, renames.NewName(i));
        if (piece.size() >= PlanPieceBytes) {
            flush();
        }
    }
    checksum = Checksum(piece, checksum);
    Put<std::uint64_t>(piece, checksum);
    put(piece);
}

std::string EncodePlan(const std::string& folder, const FolderIdentity& identity,
                       const PlannedRenames& renames) {
    std::size_t size = 64 + folder.size();
    for (std::size_t i = 0; i < renames.Count(); ++i) {
        size += 8 + renames.OldName(i).size() + renames.NewName(i).size();
    }
    std::string out;
    out.reserve(size);
    EncodePlanPieces(folder, identity, renames, [&out](std::string_view piece) { out += piece; });
    return out;
}

std::string EncodePlan(const std::string& folder, const FolderIdentity& identity,
                       const std::vector<RenameRow>& rows) {
    return EncodePlan(folder, identity, PlannedRows(rows));
}

std::string EncodeOutcome(const std::vector<bool>& done) {
    std::string out(outcomeMagic);
    Put<std::uint64_t>(out, done.size());
    std::string bits((done.size() + 7) / 8, '\0');
    for (std::size_t i = 0; i < done.size(); ++i) {
        if (done[i]) {
            bits[i / 8] = static_cast<char>(bits[i / 8] | (1 << (i % 8)));
        }
    }
    out += bits;
    PutChecksum(out, 0);
    return out;
}

DecodedJournal DecodeJournal(std::string_view bytes) {
    Reader in(bytes);
    std::string magic;
    if (!in.Get(magic, planMagic.size())) {
        return Refused(ENGINE_TEXT("Undo", "it is cut short"));
    }
    if (magic != planMagic) {
        return Refused(ENGINE_TEXT("Undo", "it is not an undo record of this program"));
    }
    std::uint32_t readVersion = 0;
    if (!in.Get(readVersion)) {
        return Refused(ENGINE_TEXT("Undo", "it is cut short"));
    }
    if (readVersion != version && readVersion != versionWithoutBirth) {
        return Refused(
            Fill(ENGINE_TEXT("Undo", "it was written by another version of the program (format %1)"),
                 {std::to_string(readVersion)}));
    }
    Journal journal;
    std::uint64_t count = 0;
    if (!in.GetName(journal.folder) || !in.Get(journal.identity.device) || !in.Get(journal.identity.inode) ||
        (readVersion == version && !in.Get(journal.identity.birth)) || !in.Get(count)) {
        return Refused(ENGINE_TEXT("Undo", "it is cut short"));
    }
    // Every row takes at least eight bytes; a larger count cannot be true and must not be reserved.
    if (count > in.Left() / 8) {
        return Refused(ENGINE_TEXT("Undo", "it is cut short or damaged"));
    }
    journal.rows.resize(count);
    for (RenameRow& row : journal.rows) {
        if (!in.GetName(row.oldName) || !in.GetName(row.newName)) {
            return Refused(ENGINE_TEXT("Undo", "it is cut short"));
        }
    }
    switch (in.GetChecksum(0)) {
    case Reader::Check::Short:
        return Refused(ENGINE_TEXT("Undo", "it is cut short"));
    case Reader::Check::Bad:
        return Refused(ENGINE_TEXT("Undo", "its checksum does not match: it was damaged or edited"));
    case Reader::Check::Good:
        break;
    }
    const std::size_t outcomeSize = outcomeMagic.size() + 8 + (count + 7) / 8 + 8;
    if (in.Left() == 0) {
        return {std::move(journal), {}};
    }
    if (in.Left() < outcomeSize) {
        // Only the last write, the outcome's, can be torn by a stop; the plan alone is still whole.
        return {std::move(journal), {}};
    }
    if (in.Left() > outcomeSize) {
        return Refused(ENGINE_TEXT("Undo", "it holds more than one batch's record"));
    }
    const std::size_t from = in.At();
    std::uint64_t doneCount = 0;
    std::string bits;
    if (!in.Get(magic, outcomeMagic.size()) || magic != outcomeMagic || !in.Get(doneCount) ||
        doneCount != count || !in.Get(bits, (count + 7) / 8) || in.GetChecksum(from) != Reader::Check::Good) {
        return Refused(
            ENGINE_TEXT("Undo", "its record of the renamed files does not match: it was damaged or edited"));
    }
    std::vector<bool> done(count);
    for (std::size_t i = 0; i < count; ++i) {
        done[i] = (static_cast<unsigned char>(bits[i / 8]) >> (i % 8)) & 1;
    }
    journal.done = std::move(done);
    return {std::move(journal), {}};
}

} // namespace engine
