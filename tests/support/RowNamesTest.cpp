// Case names from the labels of table rows: what GoogleTest accepts, still reading as the label.
#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using rownames::PrintTo;

struct CleanRow {
    const char* label;
    std::string input;
    std::string name;
};

class CaseNames : public testing::TestWithParam<CleanRow> {};

TEST_P(CaseNames, KeepLettersDigitsAndUnderscoresAndJoinTheRestWithOneUnderscore) {
    EXPECT_EQ(rownames::CaseName(GetParam().input), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, CaseNames,
    testing::Values(CleanRow{"AlreadyAName", "Chain_ListedBackwards2", "Chain_ListedBackwards2"},
                    CleanRow{"Spaces", "left 0, width 4", "left_0_width_4"},
                    CleanRow{"PunctuationAtTheEnds", "/opt/QUILLMAP.EXE", "opt_QUILLMAP_EXE"},
                    CleanRow{"UnderscoreBesideAGap", "a_ b _c", "a_b_c"},
                    CleanRow{"BytesBeyondAscii",
                             "x/\xC3\x89"
                             "COLE",
                             "x_COLE"},
                    CleanRow{"NothingToKeep", "\"/\"", ""}),
    rownames::RowLabel());

TEST(RowLabel, NamesTheCaseAndPrintsTheRowAsItsLabel) {
    const CleanRow row{"with spaces", "", ""};
    EXPECT_EQ(rownames::RowLabel()(testing::TestParamInfo<CleanRow>(row, 0)), "with_spaces");
    EXPECT_EQ(testing::PrintToString(row), "with spaces");
}

} // namespace
