#include "engine/undo/UndoJournal.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::DecodeJournal;
using engine::EncodeOutcome;
using engine::EncodePlan;
using engine::RenameRow;

const engine::FolderIdentity identity{0x0102030405060708ULL, 0xfedcba9876543210ULL, 1765280000123456789LL};

struct RoundTrip {
    const char* label;
    std::string folder;
    std::vector<RenameRow> rows;
    std::optional<std::vector<bool>> done;
};

class JournalRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(JournalRoundTrip, DecodesWhatWasEncoded) {
    const RoundTrip& c = GetParam();
    std::string bytes = EncodePlan(c.folder, identity, c.rows);
    if (c.done)
        bytes += EncodeOutcome(*c.done);
    const auto decoded = DecodeJournal(bytes);
    ASSERT_TRUE(decoded.journal) << decoded.error;
    EXPECT_EQ(decoded.journal->folder, c.folder);
    EXPECT_EQ(decoded.journal->identity, identity);
    EXPECT_EQ(decoded.journal->identity.birth, identity.birth);
    ASSERT_EQ(decoded.journal->rows.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        EXPECT_EQ(decoded.journal->rows[i].oldName, c.rows[i].oldName) << i;
        EXPECT_EQ(decoded.journal->rows[i].newName, c.rows[i].newName) << i;
    }
    EXPECT_EQ(decoded.journal->done, c.done);
}

// Rows enough for the plan to be written in several pieces, its checksum carried from one to the next.
std::vector<RenameRow> ManyRows() {
    std::vector<RenameRow> rows;
    for (int i = 0; i < 3000; ++i)
        rows.push_back({"an old name of some length " + std::to_string(i), "new " + std::to_string(i)});
    return rows;
}

std::string EveryByte() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    return all;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Journals, JournalRoundTrip,
    ::testing::Values(
        RoundTrip{"PlanOnly", "/home/u/photos", {{"a.jpg", "b.jpg"}, {"c", "d"}}, std::nullopt},
        // The outcome's bits fill more than one byte, and the last byte only partly.
        RoundTrip{"NineRows", "/f",
                  {{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}, {"5", "e"}, {"6", "f"}, {"7", "g"},
                   {"8", "h"}, {"9", "i"}},
                  std::vector<bool>{false, true, true, false, false, false, false, true, true}},
        RoundTrip{"AnyByteInNamesAndFolder", "/f\n\xff" + std::string(1, '\0'),
                  {{EveryByte(), "new\r\nname"}, {std::string("nul\0inside", 10), "\xc3\xa9t\xc3\xa9"}},
                  std::vector<bool>{true, true}},
        RoundTrip{"NoRows", "/", {}, std::vector<bool>{}},
        RoundTrip{"ManyPieces", "/f", ManyRows(), std::vector<bool>(3000, true)}),
    rownames::RowLabel());
// clang-format on

std::string SampleJournal(bool withOutcome) {
    std::string bytes = EncodePlan("/folder", identity, {{"old one", "new one"}, {"old two", "new two"}});
    if (withOutcome)
        bytes += EncodeOutcome({true, false});
    return bytes;
}

// A stop can cut the file anywhere. Cut inside the plan it is refused; cut inside the outcome it still
// holds the whole plan, which then stands alone as after a crash. Never does it decode to other rows.
TEST(JournalDecode, EveryCutIsRefusedOrKeepsTheWholePlan) {
    const std::string whole = SampleJournal(true);
    const std::size_t planSize = SampleJournal(false).size();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const auto decoded = DecodeJournal(std::string_view(whole).substr(0, cut));
        if (cut < planSize) {
            EXPECT_FALSE(decoded.journal) << "cut at " << cut;
            EXPECT_FALSE(decoded.error.empty()) << "cut at " << cut;
        } else {
            ASSERT_TRUE(decoded.journal) << "cut at " << cut << ": " << decoded.error;
            EXPECT_EQ(decoded.journal->rows.size(), 2u);
            EXPECT_FALSE(decoded.journal->done) << "cut at " << cut;
        }
    }
}

// Any single changed byte, in the plan or in the complete outcome, is found out.
TEST(JournalDecode, EveryChangedByteIsRefused) {
    const std::string whole = SampleJournal(true);
    for (std::size_t at = 0; at < whole.size(); ++at) {
        std::string edited = whole;
        edited[at] = static_cast<char>(edited[at] ^ 0x20);
        EXPECT_FALSE(DecodeJournal(edited).journal) << "byte " << at;
    }
}

TEST(JournalDecode, RefusalsSayWhy) {
    std::string otherVersion = SampleJournal(false);
    otherVersion[8] = 3;
    std::string edited = SampleJournal(false);
    edited[20] = 'X';
    const struct {
        const char* what;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"empty", "", "it is cut short"},
        {"another file", "#!/bin/sh\necho hello\n", "it is not an undo record of this program"},
        {"newer format", otherVersion, "it was written by another version of the program (format 3)"},
        {"edited plan", edited, "its checksum does not match: it was damaged or edited"},
        {"two outcomes", SampleJournal(true) + EncodeOutcome({true, false}),
         "it holds more than one batch's record"},
        {"outcome of another batch", SampleJournal(false) + EncodeOutcome({true, false, true}),
         "its record of the renamed files does not match: it was damaged or edited"},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeJournal(c.bytes);
        EXPECT_FALSE(decoded.journal) << c.what;
        EXPECT_EQ(decoded.error, c.error) << c.what;
    }
}

// A row count that the bytes cannot hold is refused before anything is made for it.
TEST(JournalDecode, AnImpossibleRowCountIsRefused) {
    std::string bytes = EncodePlan("/f", identity, std::vector<RenameRow>{});
    const std::size_t countAt = bytes.size() - 16;
    for (int i = 0; i < 8; ++i)
        bytes[countAt + i] = '\xff';
    const auto decoded = DecodeJournal(bytes);
    EXPECT_FALSE(decoded.journal);
    EXPECT_EQ(decoded.error, "it is cut short or damaged");
}

} // namespace
