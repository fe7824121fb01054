#include "platform/metadata/FactText.h"

#include "RowNames.h"

#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using engine::recipes::WallTime;
using platform::metadata::LeadingNumber;
using platform::metadata::ParseMetadataDate;
using platform::metadata::TagText;

struct DateRow {
    const char* label;
    const char* text;
    std::optional<WallTime> expected;
};

class MetadataDate : public testing::TestWithParam<DateRow> {};

TEST_P(MetadataDate, ReadsTheWallClockAsWritten) {
    EXPECT_EQ(ParseMetadataDate(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MetadataDate,
    testing::Values(
        DateRow{"ExifForm", "2024:07:14 09:03:27", WallTime{2024, 7, 14, 9, 3, 27}},
        DateRow{"IsoWithZoneKeepsTheClock", "2019-12-31T23:59:58+01:00", WallTime{2019, 12, 31, 23, 59, 58}},
        DateRow{"IsoWithFraction", "2019-12-31T23:59:58.123Z", WallTime{2019, 12, 31, 23, 59, 58}},
        DateRow{"IsoWithoutSeconds", "2019-12-31T23:59", WallTime{2019, 12, 31, 23, 59, 0}},
        DateRow{"DayOnlyIsMidnight", "2019-12-31", WallTime{2019, 12, 31, 0, 0, 0}},
        DateRow{"LeapDay", "2024:02:29 12:00:00", WallTime{2024, 2, 29, 12, 0, 0}},
        DateRow{"BlankCameraClock", "0000:00:00 00:00:00", std::nullopt},
        DateRow{"SpacesOfAnUnsetClock", "    :  :     :  :  ", std::nullopt},
        DateRow{"NoLeapDayIn2023", "2023:02:29 12:00:00", std::nullopt},
        DateRow{"MonthThirteen", "2024:13:01 12:00:00", std::nullopt},
        DateRow{"HourTwentyFour", "2024:07:14 24:00:00", std::nullopt},
        DateRow{"MixedSeparators", "2024:07-14 09:03:27", std::nullopt},
        DateRow{"YearOnly", "2024", std::nullopt}, DateRow{"YearAndMonthOnly", "2024-07", std::nullopt},
        DateRow{"Empty", "", std::nullopt}),
    rownames::RowLabel());

struct NumberRow {
    const char* label;
    const char* text;
    std::optional<long long> expected;
};

class TagNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(TagNumber, IsTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TagNumber,
    testing::Values(NumberRow{"TrackOfTotal", "3/12", 3}, NumberRow{"ZeroPadded", "03", 3},
                    NumberRow{"DateGivesYear", "1965-05-01", 1965}, NumberRow{"LeadingSpace", " 7", 7},
                    NumberRow{"Zero", "0", std::nullopt}, NumberRow{"Words", "three", std::nullopt},
                    NumberRow{"Empty", "", std::nullopt},
                    NumberRow{"TooLong", "99999999999999999999999", std::nullopt}),
    rownames::RowLabel());

TEST(TagTextTest, DropsThePaddingTagWritersAddAndNothingElse) {
    EXPECT_EQ(TagText(std::string("X100V\0\0\0", 8)), "X100V");
    EXPECT_EQ(TagText("  Nina  Simone \r\n"), "Nina  Simone");
    EXPECT_EQ(TagText("AC/DC"), "AC/DC");
    EXPECT_EQ(TagText(std::string(" \0 ", 3)), std::nullopt);
}

} // namespace
