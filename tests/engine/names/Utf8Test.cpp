#include "engine/names/Utf8.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

struct CharsCase {
    const char* label;
    std::string text;
    std::vector<std::size_t> lengths; // byte length of each character in turn
};

class Utf8Table : public testing::TestWithParam<CharsCase> {};

// Walks the text character by character, and checks that every byte is seen as a boundary on its own
// exactly when the walk stops there.
TEST_P(Utf8Table, StepsCharacterByCharacter) {
    const auto& c = GetParam();
    std::vector<std::size_t> lengths;
    std::vector<bool> walked(c.text.size() + 1, false);
    for (std::size_t pos = 0; pos < c.text.size(); pos = engine::utf8::Next(c.text, pos)) {
        lengths.push_back(engine::utf8::CharLength(c.text, pos));
        walked[pos] = true;
    }
    walked[c.text.size()] = true;
    EXPECT_EQ(lengths, c.lengths);
    EXPECT_EQ(engine::utf8::Count(c.text), c.lengths.size());
    for (std::size_t pos = 0; pos <= c.text.size(); ++pos)
        EXPECT_EQ(engine::utf8::IsBoundary(c.text, pos), walked[pos]) << "byte " << pos;
}

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8Table,
                         testing::Values(CharsCase{"TwoBytes", "Café", {1, 1, 1, 2}},
                                         CharsCase{"ThreeBytes", "x€", {1, 3}},
                                         CharsCase{"FourBytes", "\xF0\x9F\x8E\xB5!", {4, 1}},
                                         CharsCase{"InvalidFF", "a\xFF", {1, 1}},
                                         CharsCase{"Overlong", "\xC0\x80", {1, 1}},
                                         CharsCase{"Surrogate", "\xED\xA0\x80", {1, 1, 1}},
                                         CharsCase{"AboveUnicode", "\xF4\x90\x80\x80", {1, 1, 1, 1}},
                                         CharsCase{"Truncated", "\xE2\x82z", {1, 1, 1}},
                                         CharsCase{"TruncatedAtEnd", "\xE2\x82", {1, 1}},
                                         CharsCase{"ValidAfterStrayBytes", "\x80\xC3\xA9\xBF", {1, 2, 1}}),
                         rownames::RowLabel());

} // namespace
