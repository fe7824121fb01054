// Names from inside the files in the Rules dialog: the values are read on the pool while the dialog stays
// live, with a count and Cancel.

#include "DialogsRecorder.h"
#include "FakeFactsReaders.h"
#include "WaitUntil.h"
#include "engine/recipes/RecipeJson.h"
#include "main/rules/RecipePreviewModel.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

constexpr char kByCamera[] = R"({"steps": [{"replace": {"find": "^.*$", "with": "{camera}", "regex": true,
                                                        "scope": "name"}}]})";

engine::recipes::Recipe ByCamera() {
    return *engine::recipes::ParseRecipe(kByCamera).recipe;
}

class RulesReadingTest : public testing::Test {
protected:
    rules::RulesDialog* Open(fakes::RecordingFactsReader& reader) {
        auto names = std::make_shared<const std::vector<std::string>>(
            std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"});
        dialog_ = std::make_unique<rules::RulesDialog>(names, "/photos", ByCamera(), nullptr, dialogs_,
                                                       nullptr, &reader);
        return dialog_.get();
    }
    template <class T> T* Control(const char* name) const {
        return dialog_->findChild<T*>(QLatin1String(name));
    }
    QString Cell(int row, int column) const {
        const auto* table = Control<QTableView>(rulesnames::grdPreview);
        return table->model()->index(row, column).data().toString();
    }
    QString Status() const { return Control<QLabel>(rulesnames::lblStatus)->text(); }

    fakes::DialogsRecorder dialogs_;
    std::unique_ptr<rules::RulesDialog> dialog_;
};

TEST_F(RulesReadingTest, ShowsTheCountWhileReadingThenTheNames) {
    fakes::RecordingFactsReader reader;
    reader.hold = true;
    Open(reader);
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() > 0; }));
    EXPECT_EQ(Status(), "Reading 0 of 6 files");
    EXPECT_TRUE(Control<QPushButton>(rulesnames::btnStopReading)->isVisibleTo(dialog_.get()));
    EXPECT_EQ(Cell(0, rules::RecipePreviewModel::NewColumn), "") << "no name before its file is read";
    reader.gate.Release();
    ASSERT_TRUE(WaitUntil([&] { return !Status().startsWith("Reading"); }));
    EXPECT_FALSE(Control<QPushButton>(rulesnames::btnStopReading)->isVisibleTo(dialog_.get()));
    // The fake's camera is "camera of /photos/a.jpg": the slashes of a tag become '_' in a name.
    EXPECT_EQ(Cell(0, rules::RecipePreviewModel::NewColumn), "camera of _photos_a.jpg.jpg");
    EXPECT_EQ(reader.Asked().size(), 6u);
}

TEST_F(RulesReadingTest, CancelLeavesTheFilesNotReadWithoutValues) {
    fakes::RecordingFactsReader reader;
    reader.hold = true;
    Open(reader);
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() > 0; }));
    Control<QPushButton>(rulesnames::btnStopReading)->click();
    reader.gate.Release();
    ASSERT_TRUE(WaitUntil([&] {
        return !Status().startsWith("Reading") && !Status().startsWith("Numbering") &&
               !Status().startsWith("Checking");
    }));
    const std::size_t read = reader.Asked().size();
    EXPECT_LT(read, 6u);
    int missing = 0;
    for (int row = 0; row < 6; ++row)
        missing += Cell(row, rules::RecipePreviewModel::MarkColumn) == "no camera";
    EXPECT_EQ(missing, static_cast<int>(6 - read));
}

TEST_F(RulesReadingTest, ARecipeWithoutFileTokensReadsNothing) {
    fakes::RecordingFactsReader reader;
    auto names = std::make_shared<const std::vector<std::string>>(std::vector<std::string>{"a.jpg"});
    rules::RulesDialog dialog(
        names, "/photos", *engine::recipes::ParseRecipe(R"({"steps": [{"case": {"to": "upper"}}]})").recipe,
        nullptr, dialogs_, nullptr, &reader);
    const auto* status = dialog.findChild<QLabel*>(QLatin1String(rulesnames::lblStatus));
    ASSERT_TRUE(WaitUntil([&] { return status->text().contains("renamed"); }));
    EXPECT_TRUE(reader.Asked().empty());
}

// A second read for a further value, stopped early: the files it did not reach keep what the first read
// found, so that only the new value is missing there.
TEST_F(RulesReadingTest, AStoppedSecondReadKeepsTheValuesOfTheFirst) {
    fakes::RecordingFactsReader reader;
    auto names = std::make_shared<const std::vector<std::string>>(
        std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"});
    rules::RecipePreviewModel model(names, "/photos", nullptr, &reader);
    model.SetRecipe(ByCamera());
    ASSERT_TRUE(WaitUntil([&] { return model.Ready(); }));
    reader.hold = true;
    const int entered = reader.Entered();
    model.SetRecipe(*engine::recipes::ParseRecipe(R"({"steps": [{"replace": {"find": "^.*$",
        "with": "{camera} {title}", "regex": true, "scope": "name"}}]})")
                         .recipe);
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() > entered; }));
    model.StopReading();
    reader.gate.Release();
    ASSERT_TRUE(WaitUntil([&] { return model.Ready(); }));
    int noTitle = 0;
    for (int row = 0; row < 6; ++row) {
        const QString mark = model.index(row, rules::RecipePreviewModel::MarkColumn).data().toString();
        EXPECT_NE(mark, "no camera") << "row " << row;
        noTitle += mark == "no title";
    }
    EXPECT_GT(noTitle, 0);
    EXPECT_LT(noTitle, 6);
}

} // namespace
