// A recipe written by hand may give the counter a start and step far beyond what the dialog's fields hold.
// The preview then numbers the rows as the command line does: a value that would leave the range of
// long long stops at its end, in the names shown row by row and in those Apply hands over.

#include "DialogsRecorder.h"
#include "FakeFactsReaders.h"
#include "WaitUntil.h"
#include "engine/recipes/CompiledRecipe.h"
#include "engine/recipes/CounterValues.h"
#include "engine/recipes/RecipeJson.h"
#include "main/rules/RecipePreviewModel.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"

#include <QTableView>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

struct CounterLimitCase {
    const char* name;
    long long start;
    long long step;
    const char* order;
    // The new names of b.txt, a10.txt and a2.txt, listed in that order.
    std::vector<std::string> expected;
};

void PrintTo(const CounterLimitCase& limits, std::ostream* out) {
    *out << limits.name;
}

class PreviewCounterLimits : public testing::TestWithParam<CounterLimitCase> {
protected:
    const std::vector<std::string> names_{"b.txt", "a10.txt", "a2.txt"};
    fakes::DialogsRecorder dialogs_;
    fakes::RecordingFactsReader reader_;
};

engine::recipes::Recipe HandWritten(const CounterLimitCase& limits) {
    const std::string text = "{\"counter\": {\"start\": " + std::to_string(limits.start) +
                             ", \"step\": " + std::to_string(limits.step) + ", \"order\": \"" + limits.order +
                             "\"}, \"steps\": [{\"insert\": {\"text\": \"{n}-\"}}]}";
    const engine::recipes::RecipeParse parsed = engine::recipes::ParseRecipe(text);
    EXPECT_TRUE(parsed.recipe) << parsed.error;
    return parsed.recipe.value_or(engine::recipes::Recipe{});
}

TEST_P(PreviewCounterLimits, StopAtTheEndsOfTheRangeAsTheEngineDoes) {
    const CounterLimitCase& limits = GetParam();
    const engine::recipes::Recipe recipe = HandWritten(limits);
    rules::RulesDialog dialog(std::make_shared<const std::vector<std::string>>(names_), "/music", recipe,
                              nullptr, dialogs_, nullptr, &reader_);
    auto* preview = dialog.findChild<rules::RecipePreviewModel*>();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return preview->Ready(); }));

    // The engine's own numbering of the same rows, as the command line has it.
    const std::vector<long long> counters = engine::recipes::CounterValues(recipe.counter, names_, {});
    const engine::recipes::CompiledRecipe compiled =
        *engine::recipes::CompiledRecipe::Compile(recipe).compiled;
    const auto* table = dialog.findChild<QTableView*>(QLatin1String(rulesnames::grdPreview));
    for (std::size_t row = 0; row < names_.size(); ++row) {
        const std::string engine = compiled.Apply(names_[row], counters[row], nullptr).name;
        EXPECT_EQ(engine, limits.expected[row]) << "row " << row;
        const QString shown = table->model()
                                  ->index(static_cast<int>(row), rules::RecipePreviewModel::NewColumn)
                                  .data()
                                  .toString();
        EXPECT_EQ(shown.toStdString(), limits.expected[row]) << "row " << row << " as shown";
    }
    EXPECT_EQ(dialog.TakeNewNames(), limits.expected) << "the names Apply hands over";
}

const std::string kMaxText = std::to_string(kMax);
const std::string kMinText = std::to_string(kMin);

INSTANTIATE_TEST_SUITE_P(
    HandWrittenCounters, PreviewCounterLimits,
    testing::Values(
        CounterLimitCase{"PastTheTopInListedOrder",
                         kMax - 1,
                         kMax,
                         "grid",
                         {std::to_string(kMax - 1) + "-b.txt", kMaxText + "-a10.txt", kMaxText + "-a2.txt"}},
        CounterLimitCase{"PastTheBottomInListedOrder",
                         kMin + 1,
                         kMin,
                         "grid",
                         {std::to_string(kMin + 1) + "-b.txt", kMinText + "-a10.txt", kMinText + "-a2.txt"}},
        // Natural order: a2 first, a10, then b; the top minus the bottom twice is far below the bottom.
        CounterLimitCase{"DownFromTheTopInNaturalOrder",
                         kMax,
                         kMin,
                         "natural",
                         {kMinText + "-b.txt", "-1-a10.txt", kMaxText + "-a2.txt"}},
        CounterLimitCase{"HugeStepFromZeroInNaturalOrder",
                         0,
                         kMax,
                         "natural",
                         {kMaxText + "-b.txt", kMaxText + "-a10.txt", "0-a2.txt"}}),
    [](const testing::TestParamInfo<CounterLimitCase>& info) { return std::string(info.param.name); });

} // namespace
