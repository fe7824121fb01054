// The recipes' worked examples and the edge cases around them, from the recipe file to the marked rows.

#include "RecipeRun.h"
#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::recipes::FileFacts;
using engine::recipes::RowMark;
using engine::recipes::WallTime;

struct Example {
    const char* label;
    std::vector<std::string> oldNames;
    std::string recipe;
    // Per row: the new name, the old name when unchanged, or "<why>" when a file value is missing.
    std::vector<std::string> expected;
    std::vector<FileFacts> facts = {};
    std::vector<RowMark> marks = {}; // checked when given
};

class RecipeExamples : public testing::TestWithParam<Example> {};

TEST_P(RecipeExamples, GiveTheNewNames) {
    const Example& example = GetParam();
    const recipe_test::RecipeRun run =
        recipe_test::RunRecipe(example.recipe, example.oldNames, example.facts);
    ASSERT_EQ(run.results.size(), example.expected.size());
    for (std::size_t row = 0; row < example.expected.size(); ++row) {
        const auto& result = run.results[row];
        const std::string got = result.missing.empty() ? result.name : "<" + result.missing + ">";
        EXPECT_EQ(got, example.expected[row]) << "row " << row;
        if (!result.missing.empty()) {
            EXPECT_EQ(result.name, "") << "row " << row;
        }
    }
    if (!example.marks.empty()) {
        EXPECT_EQ(run.marks, example.marks);
    }
}

FileFacts Photo(WallTime taken, std::string camera) {
    FileFacts facts;
    facts.taken = taken;
    facts.camera = std::move(camera);
    return facts;
}

FileFacts Song(std::string artist, std::string title, long long track) {
    FileFacts facts;
    facts.artist = std::move(artist);
    facts.title = std::move(title);
    facts.track = track;
    return facts;
}

FileFacts Modified(WallTime modified) {
    FileFacts facts;
    facts.modified = modified;
    return facts;
}

FileFacts Titled(std::string title) {
    FileFacts facts;
    facts.title = std::move(title);
    return facts;
}

std::string Steps(const std::string& steps, const std::string& counter = "{}") {
    return R"({"counter": )" + counter + R"(, "steps": [)" + steps + "]}";
}

const std::string kAs255 = std::string(255, 'a') + "b";

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, RecipeExamples,
    testing::Values(
        Example{"HolidayWithLowerExtension",
                {"IMG_0412.JPG", "IMG_0413.JPG"},
                Steps(R"({"replace": {"find": "IMG_", "with": "Holiday "}},
                         {"case": {"to": "lower", "scope": "extension"}})"),
                {"Holiday 0412.jpg", "Holiday 0413.jpg"}},
        Example{"NaturalCounterAtStart",
                {"b.txt", "a10.txt", "a2.txt"},
                Steps(R"({"insert": {"text": "{n}-"}})", R"({"width": 2, "order": "natural"})"),
                {"03-b.txt", "02-a10.txt", "01-a2.txt"}},
        Example{"RegexCapturesInName",
                {"Artist - 01 - Song Title.mp3"},
                Steps(R"({"replace": {"find": "^.* - (\\d+) - (.*)$", "with": "$1 $2", "regex": true,
                                      "scope": "name"}})"),
                {"01 Song Title.mp3"}},
        Example{"SpaceToUnderscore",
                {"my file.tar.gz"},
                Steps(R"({"replace": {"find": " ", "with": "_"}})"),
                {"my_file.tar.gz"}},
        Example{"TitleCaseUnicode",
                {"ÉTÉ à PARIS.txt"},
                Steps(R"({"case": {"to": "title", "scope": "name"}})"),
                {"Été À Paris.txt"}},
        Example{"DotFileHasNoExtension",
                {".bashrc"},
                Steps(R"({"case": {"to": "upper", "scope": "extension"}})"),
                {".bashrc"},
                {},
                {RowMark::Unchanged}},
        Example{"CounterStartAfterName",
                {"photo.jpeg"},
                Steps(R"({"insert": {"text": "_{n}", "at": "end", "scope": "name"}})", R"({"start": 7})"),
                {"photo_7.jpeg"}},
        Example{"TakenByFileNotRenamed",
                {"a.txt", "b.txt"},
                Steps(R"({"replace": {"find": "a", "with": "b"}})"),
                {"b.txt", "b.txt"},
                {},
                {RowMark::TakenByUnrenamed, RowMark::Unchanged}},
        Example{"DateTakenAndCamera",
                {"IMG_0412.JPG"},
                Steps(R"({"replace": {"find": "^.*$", "with": "{taken:%Y%m%d_%H%M%S}_{camera}", "regex": true,
                                      "scope": "name"}})"),
                {"20240714_090327_X100V.JPG"},
                {Photo({2024, 7, 14, 9, 3, 27}, "X100V")}},
        Example{"TrackArtistTitle",
                {"track03.mp3"},
                Steps(R"({"replace": {"find": "^.*$", "with": "{track:2} {artist} - {title}", "regex": true,
                                      "scope": "name"}})"),
                {"03 Nina Simone - Sinnerman.mp3"},
                {Song("Nina Simone", "Sinnerman", 3)}},
        Example{"NoDateTaken",
                {"scan.jpg"},
                Steps(R"({"insert": {"text": "{taken:%Y}_"}})"),
                {"<no date taken>"},
                {FileFacts{}},
                {RowMark::Missing}},
        Example{"FallbackToModified",
                {"scan.jpg"},
                Steps(R"({"insert": {"text": "{taken|modified:%Y-%m-%d}_"}})"),
                {"2023-01-02_scan.jpg"},
                {Modified({2023, 1, 2, 10, 0, 0})}},
        Example{"SlashInTagBecomesUnderscore",
                {"b.flac"},
                Steps(R"({"replace": {"find": "^.*$", "with": "{title}", "regex": true, "scope": "name"}})"),
                {"AC_DC Live.flac"},
                {Titled("AC/DC Live")}}),
    rownames::RowLabel());

INSTANTIATE_TEST_SUITE_P(
    Positions, RecipeExamples,
    testing::Values(
        Example{"InsertBeforeThird", {"abcdef"}, Steps(R"({"insert": {"text": "-", "at": 3}})"), {"ab-cdef"}},
        Example{"InsertBeforeLast", {"abcdef"}, Steps(R"({"insert": {"text": "-", "at": -1}})"), {"abcde-f"}},
        Example{"InsertPastEndGoesToEnd", {"abc"}, Steps(R"({"insert": {"text": "-", "at": 40}})"), {"abc-"}},
        Example{"InsertFarNegativeGoesToStart",
                {"abc"},
                Steps(R"({"insert": {"text": "-", "at": -40}})"),
                {"-abc"}},
        Example{
            "InsertAtLengthPlusOneIsEnd", {"abc"}, Steps(R"({"insert": {"text": "-", "at": 4}})"), {"abc-"}},
        Example{"InsertCountsCharactersNotBytes",
                {"été.txt"},
                Steps(R"({"insert": {"text": "-", "at": 2}})"),
                {"é-té.txt"}},
        Example{"InsertAtEndOfNameKeepsExtension",
                {"a.b.txt"},
                Steps(R"({"insert": {"text": "_x", "at": "end", "scope": "name"}})"),
                {"a.b_x.txt"}},
        Example{"RemoveLastTwoOfName",
                {"abcdef.txt"},
                Steps(R"({"remove": {"from": 1, "count": 2, "fromEnd": true, "scope": "name"}})"),
                {"abcd.txt"}},
        Example{"RemoveFromMiddle", {"abcdef"}, Steps(R"({"remove": {"from": 2, "count": 3}})"), {"aef"}},
        Example{
            "RemoveRunningPastEnd", {"abcdef"}, Steps(R"({"remove": {"from": 5, "count": 10}})"), {"abcd"}},
        Example{"RemoveStartingPastEnd", {"abc"}, Steps(R"({"remove": {"from": 9, "count": 2}})"), {"abc"}},
        Example{"RemoveFromEndPastStart",
                {"abcdef"},
                Steps(R"({"remove": {"from": 5, "count": 9, "fromEnd": true}})"),
                {"cdef"}},
        Example{"RemoveCountZero", {"abc"}, Steps(R"({"remove": {"count": 0}})"), {"abc"}},
        Example{"RemoveEverythingIsRefused",
                {"abc.txt"},
                Steps(R"({"remove": {"count": 99}})"),
                {""},
                {},
                {RowMark::Refused}},
        Example{"RemoveCountsMultibyteAsOne", {"éa"}, Steps(R"({"remove": {"count": 1}})"), {"a"}},
        Example{"NameScopeWithoutExtensionIsWhole",
                {"README"},
                Steps(R"({"case": {"to": "lower", "scope": "name"}})"),
                {"readme"}},
        Example{"ExtensionScopeOnTrailingDot",
                {"notes."},
                Steps(R"({"insert": {"text": "x", "at": "end", "scope": "extension"}})"),
                {"notes."}},
        Example{"ExtensionOfLastDotOnly",
                {"archive.TAR.GZ"},
                Steps(R"({"case": {"to": "lower", "scope": "extension"}})"),
                {"archive.TAR.gz"}},
        Example{
            "ScopeFollowsEarlierStep",
            {"a.txt"},
            Steps(
                R"({"insert": {"text": ".md", "at": "end"}}, {"case": {"to": "upper", "scope": "extension"}})"),
            {"a.txt.MD"}}),
    rownames::RowLabel());

INSTANTIATE_TEST_SUITE_P(
    LettersAndPatterns, RecipeExamples,
    testing::Values(
        Example{"UpperSharpS", {"straße"}, Steps(R"({"case": {"to": "upper"}})"), {"STRASSE"}},
        Example{"LowerAccented", {"ÉTÉ"}, Steps(R"({"case": {"to": "lower"}})"), {"été"}},
        Example{"SentenceCase",
                {"hELLO wORLD.TXT"},
                Steps(R"({"case": {"to": "sentence", "scope": "name"}})"),
                {"Hello world.TXT"}},
        Example{"SentenceSkipsLeadingPunctuation",
                {"_hELLO"},
                Steps(R"({"case": {"to": "sentence"}})"),
                {"_Hello"}},
        Example{"TitleSplitsAtUnderscoreKeepsApostrophe",
                {"my_HOLIDAY don't-stop"},
                Steps(R"({"case": {"to": "title"}})"),
                {"My_Holiday Don't-Stop"}},
        Example{"TitleAfterDigitsStaysLower",
                {"3RD place"},
                Steps(R"({"case": {"to": "title"}})"),
                {"3rd Place"}},
        Example{"CaseLeavesBadBytesAlone",
                {"caf\xE9 \xC3\x28x.txt"},
                Steps(R"({"case": {"to": "upper"}})"),
                {"CAF\xE9 \xC3(X.TXT"}},
        Example{"TitleAroundBadByte",
                {"ab\xFF"
                 "cd"},
                Steps(R"({"case": {"to": "title"}})"),
                {"Ab\xFF"
                 "Cd"}},
        Example{"InsertCountsBadByteAsOne",
                {"\xFF\xFE"
                 "ab"},
                Steps(R"({"insert": {"text": "-", "at": 3}})"),
                {"\xFF\xFE-ab"}},
        Example{"RemoveBadByte",
                {"a\xFF"
                 "b"},
                Steps(R"({"remove": {"from": 2, "count": 1}})"),
                {"ab"}},
        Example{"ReplaceFirstOnly",
                {"a-a-a"},
                Steps(R"({"replace": {"find": "a", "with": "b", "all": false}})"),
                {"b-a-a"}},
        Example{"ReplaceIgnoringCase",
                {"Img_1 IMG_2"},
                Steps(R"({"replace": {"find": "img_", "with": "x", "ignoreCase": true}})"),
                {"x1 x2"}},
        Example{"ReplaceIgnoringCaseTakesPatternLiterally",
                {"a.b axb"},
                Steps(R"({"replace": {"find": "A.B", "with": "$1", "ignoreCase": true}})"),
                {"$1 axb"}},
        Example{"DollarIsPlainWithoutRegex",
                {"price"},
                Steps(R"({"replace": {"find": "price", "with": "$$5"}})"),
                {"$$5"}},
        Example{"NamedGroupAndDollar",
                {"2024-07 trip"},
                Steps(R"j({"replace": {"find": "(?P<y>\\d+)-(\\d+)", "with": "$2$$${y}", "regex": true}})j"),
                {"07$2024 trip"}},
        Example{"EmptyMatchesBetweenCharacters",
                {"ab"},
                Steps(R"({"replace": {"find": "x*", "with": "-", "regex": true}})"),
                {"-a-b-"}},
        Example{"RegexCaseInsensitive",
                {"Photo PHOTO"},
                Steps(R"({"replace": {"find": "photo", "with": "p", "regex": true, "ignoreCase": true}})"),
                {"p p"}},
        Example{"NestedQuantifierAnswers",
                {kAs255},
                Steps(R"({"replace": {"find": "(a+)+$", "with": "x", "regex": true}})"),
                {kAs255}},
        Example{"RegexLeavesBadBytesAlone",
                {"a\xFF"
                 "b\xC3"},
                Steps(R"({"replace": {"find": ".", "with": "x", "regex": true}})"),
                {"x\xFF"
                 "x\xC3"}},
        Example{"OptionalGroupNotTakingPart",
                {"ab"},
                Steps(R"({"replace": {"find": "(x)?b", "with": "[$1]", "regex": true}})"),
                {"a[]"}},
        // RE2 finds `\B` between the two bytes of "ü" (both are not word characters); the name is cut
        // only between characters.
        Example{"EmptyMatchNeverInsideACharacter",
                {"1ü", "éé"},
                Steps(R"({"replace": {"find": "\\B", "with": "-", "regex": true}})"),
                {"1ü-", "-é-é-"}}),
    rownames::RowLabel());

FileFacts NoTrack() {
    FileFacts facts;
    facts.artist = "";
    return facts;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, RecipeExamples,
    testing::Values(
        Example{"BracesDoubled", {"a"}, Steps(R"({"insert": {"text": "{{n}}{n}", "at": "end"}})"), {"a{n}1"}},
        Example{"OldNameAndExtensionSurviveSteps",
                {"a.tar.gz"},
                Steps(R"({"replace": {"find": "a", "with": "z"}}, {"insert": {"text": "{ext}_{name}_"}})"),
                {"gz_a.tar_z.tzr.gz"}},
        Example{"CounterOwnWidth",
                {"a"},
                Steps(R"({"insert": {"text": "{n:4}"}})", R"({"width": 2})"),
                {"0001a"}},
        Example{"NegativeCounterPadsDigits",
                {"a", "b"},
                Steps(R"({"insert": {"text": "{n}"}})", R"({"start": -1, "step": -1, "width": 3})"),
                {"-001a", "-002b"}},
        Example{"StepOfTen",
                {"a", "b", "c"},
                Steps(R"({"insert": {"text": "{n}"}})", R"({"start": 0, "step": 10})"),
                {"0a", "10b", "20c"}},
        Example{"LiteralFallback",
                {"x.mp3"},
                Steps(R"({"insert": {"text": "{artist|Unknown artist} "}})"),
                {"Unknown artist x.mp3"},
                {NoTrack()}},
        Example{"EmptyTagIsMissing",
                {"x.mp3"},
                Steps(R"({"insert": {"text": "{artist}"}})"),
                {"<no artist>"},
                {NoTrack()}},
        Example{"MissingTrackNamesTheFirstToken",
                {"x.mp3"},
                Steps(R"({"insert": {"text": "{track|year}"}})"),
                {"<no track number>"},
                {NoTrack()}},
        Example{"FallbackChainOfTokens",
                {"x.jpg"},
                Steps(R"({"insert": {"text": "{camera|artist|title} "}})"),
                {"Sinnerman x.jpg"},
                {Song("", "Sinnerman", 1)}},
        Example{"DefaultDateFormat",
                {"x"},
                Steps(R"({"insert": {"text": "{modified} "}})"),
                {"2023-01-02 10.00.00 x"},
                {Modified({2023, 1, 2, 10, 0, 0})}},
        Example{"WeekdayAndDayOfYear",
                {"x"},
                Steps(R"({"insert": {"text": "{modified:%a %j} "}})"),
                {"Mon 002 x"},
                {Modified({2023, 1, 2, 10, 0, 0})}},
        Example{
            "FileTokenWithoutFacts", {"x"}, Steps(R"({"insert": {"text": "{camera}"}})"), {"<no camera>"}},
        Example{"MissingInOneRowOnly",
                {"a.jpg", "b.jpg"},
                Steps(R"({"insert": {"text": "{camera}_"}})"),
                {"X_a.jpg", "<no camera>"},
                {Photo({2024, 1, 1, 0, 0, 0}, "X"), FileFacts{}},
                {RowMark::None, RowMark::Missing}},
        Example{"TokenInRegexReplacementPerMatch",
                {"a-a"},
                Steps(R"({"replace": {"find": "a", "with": "{n}", "regex": true}})", R"({"start": 5})"),
                {"5-5"}}),
    rownames::RowLabel());

} // namespace
