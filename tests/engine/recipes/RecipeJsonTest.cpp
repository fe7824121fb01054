// The recipe file: what a file says, what is left out, the round trip, and the refusals.

#include "engine/recipes/RecipeJson.h"

#include "RowNames.h"
#include "engine/recipes/CompiledRecipe.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using rownames::PrintTo;

using namespace engine::recipes;

const char* const kHolidayRecipe = R"({"counter": {"start": 1, "step": 1, "width": 3, "order": "natural"},
 "steps": [
   {"replace": {"find": "IMG_", "with": "Holiday {n} ", "regex": false, "ignoreCase": false, "all": true, "scope": "whole"}},
   {"case": {"to": "lower", "scope": "extension"}},
   {"insert": {"text": "_x", "at": "end", "scope": "name"}},
   {"insert": {"text": "-", "at": 3}},
   {"remove": {"from": 1, "count": 2, "fromEnd": true, "scope": "name"}}
 ]})";

TEST(RecipeFile, ReadsEveryStepOfTheHolidayRecipe) {
    const RecipeParse parsed = ParseRecipe(kHolidayRecipe);
    ASSERT_TRUE(parsed.recipe) << parsed.error;
    Recipe expected;
    expected.counter = {1, 1, 3, CounterOrder::Natural};
    expected.steps = {
        ReplaceStep{"IMG_", "Holiday {n} ", false, false, true, Scope::Whole},
        CaseStep{LetterCase::Lower, Scope::Extension},
        InsertStep{"_x", {InsertAt::Kind::End, 1}, Scope::Name},
        InsertStep{"-", {InsertAt::Kind::Position, 3}, Scope::Whole},
        RemoveStep{1, 2, true, Scope::Name},
    };
    EXPECT_EQ(*parsed.recipe, expected);
}

TEST(RecipeFile, LeftOutKeysTakeTheirDefaults) {
    const RecipeParse parsed = ParseRecipe(R"({"steps": [{"replace": {"find": "a", "with": "b"}},
        {"case": {"to": "upper"}}, {"insert": {"text": "x"}}, {"remove": {"count": 1}}]})");
    ASSERT_TRUE(parsed.recipe) << parsed.error;
    Recipe expected;
    expected.steps = {ReplaceStep{"a", "b"}, CaseStep{LetterCase::Upper}, InsertStep{"x", {}},
                      RemoveStep{1, 1}};
    EXPECT_EQ(*parsed.recipe, expected);
    EXPECT_EQ(expected.counter, (Counter{1, 1, 1, CounterOrder::Grid}));
}

TEST(RecipeFile, RoundTripKeepsEveryValue) {
    Recipe recipe;
    recipe.counter = {-5, 10, 4, CounterOrder::Taken};
    recipe.steps = {
        ReplaceStep{"(?P<a>x)(y)", "${a}-$2 {taken:%Y|modified} \"quoted\" \\", true, true, false,
                    Scope::Name},
        CaseStep{LetterCase::Sentence, Scope::Whole},
        CaseStep{LetterCase::Title, Scope::Extension},
        InsertStep{"ünï{{}}", {InsertAt::Kind::Position, -2}, Scope::Extension},
        InsertStep{"{n}", {InsertAt::Kind::Start, 9}, Scope::Name}, // a position left over from the dialog
        RemoveStep{3, 0, false, Scope::Extension},
    };
    const std::string json = RecipeToJson(recipe);
    const RecipeParse parsed = ParseRecipe(json);
    ASSERT_TRUE(parsed.recipe) << parsed.error << "\n" << json;
    EXPECT_EQ(*parsed.recipe, recipe);
    EXPECT_EQ(RecipeToJson(*parsed.recipe), json); // stable: writing again gives the same bytes

    const RecipeParse holiday = ParseRecipe(kHolidayRecipe);
    ASSERT_TRUE(holiday.recipe);
    EXPECT_EQ(ParseRecipe(RecipeToJson(*holiday.recipe)).recipe, holiday.recipe);
}

struct Refusal {
    const char* label;
    std::string json;
    std::string message;
};

class RecipeRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(RecipeRefusals, NameTheStepAndKey) {
    const RecipeParse parsed = ParseRecipe(GetParam().json);
    EXPECT_FALSE(parsed.recipe);
    EXPECT_EQ(parsed.error, GetParam().message);
}

std::string InStep2(const std::string& step) {
    return R"({"steps": [{"case": {"to": "lower"}}, )" + step + "]}";
}

INSTANTIATE_TEST_SUITE_P(
    File, RecipeRefusals,
    testing::Values(
        Refusal{"CaseWord", InStep2(R"({"case": {"to": "capital"}})"),
                R"(Step 2 (case): "to" must be one of lower, upper, title, sentence.)"},
        Refusal{"UnknownStepKey", InStep2(R"({"case": {"to": "upper", "scop": "name"}})"),
                R"(Step 2 (case): unknown key "scop".)"},
        Refusal{"UnknownTopKey", R"({"steps": [], "name": "x"})", R"(The recipe: unknown key "name".)"},
        Refusal{"UnknownCounterKey", R"({"counter": {"begin": 1}})", R"(Counter: unknown key "begin".)"},
        Refusal{"CounterWidthType", R"({"counter": {"width": "3"}})",
                R"(Counter: "width" must be a whole number.)"},
        Refusal{"CounterWidthFraction", R"({"counter": {"width": 2.5}})",
                R"(Counter: "width" must be a whole number.)"},
        Refusal{"CounterWidthZero", R"({"counter": {"width": 0}})",
                R"(Counter: "width" must be a whole number from 1 to 20.)"},
        Refusal{"CounterOrder", R"({"counter": {"order": "size"}})",
                R"(Counter: "order" must be one of grid, natural, modified, taken.)"},
        Refusal{"CounterWidthNotWhole", R"({"counter": {"width": 1e-3}})",
                R"(Counter: "width" must be a whole number.)"},
        Refusal{"CounterStartTooLarge", R"({"counter": {"start": 99999999999999999999}})",
                R"(Counter: "start" is too large.)"},
        Refusal{"UnknownStep", InStep2(R"({"rename": {}})"),
                R"(Step 2: "rename" is not a step; use replace, case, insert or remove.)"},
        Refusal{"TwoKindsInOneStep", InStep2(R"({"case": {"to": "upper"}, "remove": {"count": 1}})"),
                "Step 2: must be an object with one key: replace, case, insert or remove."},
        Refusal{"StepBodyNotObject", InStep2(R"({"remove": 3})"),
                R"(Step 2 (remove): "remove" must be an object.)"},
        Refusal{"MissingFind", InStep2(R"({"replace": {"with": "x"}})"),
                R"(Step 2 (replace): "find" is missing.)"},
        Refusal{"MissingWith", InStep2(R"({"replace": {"find": "x"}})"),
                R"(Step 2 (replace): "with" is missing.)"},
        Refusal{"MissingTo", InStep2(R"({"case": {"scope": "name"}})"), R"(Step 2 (case): "to" is missing.)"},
        Refusal{"MissingText", InStep2(R"({"insert": {"at": 1}})"), R"(Step 2 (insert): "text" is missing.)"},
        Refusal{"MissingCount", InStep2(R"({"remove": {"from": 1}})"),
                R"(Step 2 (remove): "count" is missing.)"},
        Refusal{"RegexNotBool", InStep2(R"({"replace": {"find": "x", "with": "y", "regex": "yes"}})"),
                R"(Step 2 (replace): "regex" must be true or false.)"},
        Refusal{"FindNotString", InStep2(R"({"replace": {"find": 1, "with": "y"}})"),
                R"(Step 2 (replace): "find" must be a string.)"},
        Refusal{"EmptyFind", InStep2(R"({"replace": {"find": "", "with": "y"}})"),
                R"(Step 2 (replace): "find" must not be empty.)"},
        Refusal{"BadRegex", InStep2(R"({"replace": {"find": "(a", "with": "y", "regex": true}})"),
                R"(Step 2 (replace): "find" is not a valid regular expression (missing ): (a).)"},
        Refusal{"GroupBeyondPattern",
                InStep2(R"j({"replace": {"find": "(a)(b)", "with": "$3", "regex": true}})j"),
                R"(Step 2 (replace): "with" refers to group 3, but "find" has only 2.)"},
        Refusal{"UnknownGroupName",
                InStep2(R"j({"replace": {"find": "(?P<x>a)", "with": "${y}", "regex": true}})j"),
                R"(Step 2 (replace): "with" refers to the group "y", which "find" does not name.)"},
        Refusal{
            "LoneDollar", InStep2(R"({"replace": {"find": "a", "with": "$x", "regex": true}})"),
            R"(Step 2 (replace): "with" has a "$" that is not followed by a group number, {group name} or "$" (write $$ for a dollar).)"},
        Refusal{"UnknownToken", InStep2(R"({"insert": {"text": "{size}"}})"),
                R"(Step 2 (insert): "text" has an unknown token {size}.)"},
        Refusal{"UnknownTokenInChain", InStep2(R"({"insert": {"text": "{taken|size|x}"}})"),
                R"(Step 2 (insert): "text" has an unknown token {size}.)"},
        Refusal{"UnclosedBrace", InStep2(R"({"insert": {"text": "{n"}})"),
                R"(Step 2 (insert): "text" has a "{" without its "}" (write {{ for a brace).)"},
        Refusal{"StrayClosingBrace", InStep2(R"({"replace": {"find": "a", "with": "x}"}})"),
                R"(Step 2 (replace): "with" has a "}" without its "{" (write }} for a brace).)"},
        Refusal{"FormatOnText", InStep2(R"({"insert": {"text": "{artist:3}"}})"),
                R"(Step 2 (insert): "text" has a format after {artist}, which takes none.)"},
        Refusal{"BadPadWidth", InStep2(R"({"insert": {"text": "{track:x}"}})"),
                R"(Step 2 (insert): "text" has a number width "x" that is not a whole number from 1 to 20.)"},
        Refusal{"TimeZoneConversion", InStep2(R"({"insert": {"text": "{taken:%Y%z}"}})"),
                R"(Step 2 (insert): "text" has a date format with an unknown conversion "%z".)"},
        Refusal{"TrailingPercent", InStep2(R"({"insert": {"text": "{taken:%Y%}"}})"),
                R"(Step 2 (insert): "text" has a date format with an unknown conversion "%".)"},
        Refusal{"AtZero", InStep2(R"({"insert": {"text": "x", "at": 0}})"),
                R"(Step 2 (insert): "at" must be start, end or a character position other than 0.)"},
        Refusal{"AtWord", InStep2(R"({"insert": {"text": "x", "at": "middle"}})"),
                R"(Step 2 (insert): "at" must be start, end or a character position other than 0.)"},
        Refusal{"FromZero", InStep2(R"({"remove": {"from": 0, "count": 1}})"),
                R"(Step 2 (remove): "from" must be a whole number of at least 1.)"},
        Refusal{"NegativeCount", InStep2(R"({"remove": {"count": -1}})"),
                R"(Step 2 (remove): "count" must be a whole number of at least 0.)"},
        Refusal{"ScopeWord", InStep2(R"({"remove": {"count": 1, "scope": "stem"}})"),
                R"(Step 2 (remove): "scope" must be one of whole, name, extension.)"},
        Refusal{"StepsNotList", R"({"steps": {}})", R"(The recipe: "steps" must be a list of steps.)"},
        Refusal{"NotAnObject", "[1]", R"(The recipe must be a JSON object with "counter" and "steps".)"}),
    rownames::RowLabel());

TEST(RecipeFile, BrokenJsonSaysWhere) {
    const RecipeParse parsed = ParseRecipe(R"({"steps": [)");
    EXPECT_FALSE(parsed.recipe);
    EXPECT_EQ(parsed.error.rfind("The recipe is not valid JSON: ", 0), 0u) << parsed.error;
    EXPECT_NE(parsed.error.find("line 1"), std::string::npos) << parsed.error;
}

TEST(RecipeCompile, RefusesWhatTheDialogCouldBuild) {
    Recipe recipe;
    recipe.steps = {CaseStep{}, ReplaceStep{"[", "x", true}};
    const CompileResult compiled = CompiledRecipe::Compile(recipe);
    EXPECT_FALSE(compiled.compiled);
    EXPECT_EQ(compiled.error.rfind("Step 2 (replace): \"find\" is not a valid regular expression", 0), 0u)
        << compiled.error;
}

TEST(RecipeCompile, FactsNeededFollowTokensAndOrder) {
    const auto facts = [](const char* json) {
        const RecipeParse parsed = ParseRecipe(json);
        EXPECT_TRUE(parsed.recipe) << parsed.error;
        return parsed.recipe ? CompiledRecipe::Compile(*parsed.recipe).compiled->FactsNeeded() : FactSet{};
    };
    EXPECT_TRUE(facts(R"({"steps": [{"insert": {"text": "{n}{name}{ext}{{taken}}"}}]})").none());
    EXPECT_EQ(facts(R"({"steps": [{"insert": {"text": "{taken|modified|none}"}}]})"),
              FactBit(Fact::Taken) | FactBit(Fact::Modified));
    EXPECT_EQ(
        facts(
            R"({"counter": {"order": "taken"}, "steps": [{"replace": {"find": "a", "with": "{track:2}"}}]})"),
        FactBit(Fact::Taken) | FactBit(Fact::Track));
}

} // namespace
