// A replace asks the pattern only for the groups its `with` uses. The match and those groups must be the
// very ones a match that captures every group finds: the patterns below choose between alternatives,
// repeat groups, match lazily, leave groups out of the match or match nothing, where a capture engine
// that followed fewer groups could otherwise take another path.

#include "RecipeRun.h"

#include <nlohmann/json.hpp>
#include <re2/re2.h>

namespace {

struct GroupCase {
    const char* name;
    const char* pattern;
    std::vector<std::string> oldNames;
};

void PrintTo(const GroupCase& group, std::ostream* out) {
    *out << group.name;
}

// The name with its first match replaced by "[" + group k + "]" ("[]" for k < 0), from a match that
// captures every group; the name itself when nothing matches.
std::string WithAllGroups(const std::string& pattern, const std::string& name, int k) {
    RE2::Options options;
    options.set_log_errors(false);
    const RE2 re(pattern, options);
    std::vector<re2::StringPiece> groups(static_cast<std::size_t>(1 + re.NumberOfCapturingGroups()));
    if (!re.Match(name, 0, name.size(), RE2::UNANCHORED, groups.data(), static_cast<int>(groups.size())))
        return name;
    const auto begin = static_cast<std::size_t>(groups[0].data() - name.data());
    const re2::StringPiece group = k < 0 ? re2::StringPiece() : groups[static_cast<std::size_t>(k)];
    return name.substr(0, begin) + "[" + std::string(group.data(), group.size()) + "]" +
           name.substr(begin + groups[0].size());
}

class GroupSubsets : public testing::TestWithParam<GroupCase> {};

TEST_P(GroupSubsets, MatchAsIfEveryGroupWereCaptured) {
    const GroupCase& group = GetParam();
    const RE2 re(group.pattern);
    ASSERT_TRUE(re.ok()) << re.error();
    // Each group alone ($0 is the whole match), and a `with` that uses no group at all.
    for (int k = -1; k <= re.NumberOfCapturingGroups(); ++k) {
        const std::string with = k < 0 ? "[]" : "[$" + std::to_string(k) + "]";
        const nlohmann::json recipe = {
            {"steps",
             {{{"replace", {{"find", group.pattern}, {"with", with}, {"regex", true}, {"all", false}}}}}}};
        const recipe_test::RecipeRun run = recipe_test::RunRecipe(recipe.dump(), group.oldNames);
        ASSERT_EQ(run.results.size(), group.oldNames.size());
        for (std::size_t row = 0; row < group.oldNames.size(); ++row) {
            const std::string& name = group.oldNames[row];
            EXPECT_EQ(run.results[row].name, WithAllGroups(group.pattern, name, k))
                << with << " over \"" << name << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, GroupSubsets,
    testing::Values(
        GroupCase{"GreedyAnchoredSplit",
                  "^(.*) - (\\d+) - .*$",
                  {"Artist - 01 - Song.mp3", "A - 01 - B - 02 - C", "A - x - B", "Édith Piaf - 7 - été"}},
        // Leftmost-first picks the first alternative that leads to a match, not the longest.
        GroupCase{"AlternativesInOrder", "(a|ab)(c|bcd)(d*)", {"abcd", "xabcdd", "acd", "b"}},
        GroupCase{"GroupLeftOutOfTheMatch", "(a)|(b)|(c)", {"b", "zc", "abc", "none"}},
        GroupCase{"RepeatedGroupsKeepTheLast", "((a)(b)?)+(c)", {"aababc", "ac", "abac", "c"}},
        GroupCase{"LazyThenGreedy", "(\\d+?)(\\d*)(\\d?)", {"12345", "x9", "nothing"}},
        GroupCase{"EmptyGroupsAndEmptyMatches", "(x*)(x*)(y?)", {"xxx", "", "yx", "abc"}},
        GroupCase{"IgnoringCaseOutsideAscii", "(?i)(É+)(\\w)(T)", {"ééét", "ÉtÉÉxt", "été"}},
        GroupCase{"BytesThatAreNotUtf8",
                  "^(\\C)(.*)(.)$",
                  {"\xff"
                   "abc",
                   "a\xfe"
                   "b",
                   "\xc3"}},
        GroupCase{"NamedGroups", "(?P<stem>[^.]+)\\.(?P<ext>\\w+)$", {"photo.JPG", "a.b.c", ".bashrc"}}),
    [](const testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

} // namespace
