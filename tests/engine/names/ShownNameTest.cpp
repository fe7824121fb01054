#include "engine/names/ShownName.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

struct ShownCase {
    const char* label;
    std::string name;
    std::string shown;
    std::vector<bool> standIns; // for each part in turn: a stand-in or the name's own text
};

// The case's label stands for its bytes, which may not be printable.
class ShownNameTable : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownNameTable, ShowsEveryUnseenByteByAStandIn) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::ShownName(c.name), c.shown);
    std::string joined;
    std::vector<bool> standIns;
    for (const auto& part : engine::ShownParts(c.name)) {
        joined += part.text;
        standIns.push_back(part.standIn);
    }
    EXPECT_EQ(joined, c.shown);
    EXPECT_EQ(standIns, c.standIns);
    EXPECT_EQ(engine::ShowsAsItIs(c.name), c.shown == c.name);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Names, ShownNameTable,
    testing::Values(
        ShownCase{"Plain", "report.txt", "report.txt", {false}},
        ShownCase{"Empty", "", "", {}},
        ShownCase{"AccentsStay", "Café €.txt", "Café €.txt", {false}},
        ShownCase{"LineFeed", "line\nbreak", "line\\nbreak", {false, true, false}},
        ShownCase{"ReturnAndTabTogether", "a\r\tb", "a\\r\\tb", {false, true, false}},
        ShownCase{"OtherControl", "\x1Bx", "\\x1Bx", {true, false}},
        ShownCase{"Delete", "x\x7F", "x\\x7F", {false, true}},
        ShownCase{"Latin1E8", "caf\xE8", "caf\\xE8", {false, true}},
        ShownCase{"Latin1E9", "caf\xE9", "caf\\xE9", {false, true}},
        ShownCase{"CutSequence", "\xE2\x82", "\\xE2\\x82", {true}},
        ShownCase{"C1Control", "a\xC2\x85", "a\\u0085", {false, true}},
        ShownCase{"RightToLeftOverride", "x\xE2\x80\xAEgpj.exe", "x\\u202Egpj.exe", {false, true, false}},
        ShownCase{"ZeroWidthSpace", "a\xE2\x80\x8B" "b", "a\\u200Bb", {false, true, false}},
        ShownCase{"ByteOrderMark", "\xEF\xBB\xBFname", "\\uFEFFname", {true, false}}),
    rownames::RowLabel());
// clang-format on

// Long names are stepped over several bytes at a time: every byte value, at every place of a name longer
// than two such steps, is shown as it would be alone.
TEST(ShownNameLong, EveryByteAtEveryPlace) {
    const std::string plain = "Holiday 2026 - 01";
    for (std::size_t place = 0; place <= plain.size(); ++place) {
        for (int value = 0; value < 256; ++value) {
            const char byte = static_cast<char>(value);
            std::string name = plain;
            name.insert(place, 1, byte);
            std::string standIn(1, byte);
            if (value == '\n' || value == '\r' || value == '\t') {
                standIn = value == '\n' ? "\\n" : value == '\r' ? "\\r" : "\\t";
            } else if (value < 0x20 || value >= 0x7F) {
                static constexpr char hex[] = "0123456789ABCDEF";
                standIn = std::string("\\x") + hex[value >> 4] + hex[value & 0xF];
            }
            std::string expected = plain;
            expected.insert(place, standIn);
            ASSERT_EQ(engine::ShownName(name), expected) << "byte " << value << " at " << place;
        }
    }
}

} // namespace
