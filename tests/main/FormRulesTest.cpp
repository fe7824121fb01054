// The Rules dialog over the listed folder: opened with Ctrl+R or from the grid's menu, its Apply fills the
// Manual column that Go then renames by, and Cancel or Escape change nothing.
#include "FormFixture.h"
#include "RecipeExamples.h"
#include "RowNames.h"
#include "engine/names/ShownName.h"
#include "engine/recipes/RecipeJson.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <filesystem>
#include <optional>

namespace {

using rownames::PrintTo;

class FormRules : public FormTest {
protected:
    // The dialog open now; one closed a moment ago lingers until the event loop deletes it.
    rules::RulesDialog* Dialog() const {
        const auto dialogs = form_->findChildren<rules::RulesDialog*>();
        const auto open =
            std::find_if(dialogs.begin(), dialogs.end(), [](auto* d) { return d->isVisible(); });
        return open != dialogs.end() ? *open : (dialogs.isEmpty() ? nullptr : dialogs.back());
    }
    template <class T = QWidget> T* InDialog(const char* name) const {
        T* control = Dialog() ? Dialog()->findChild<T*>(QLatin1String(name)) : nullptr;
        if (!control)
            ADD_FAILURE() << "no control " << name << " in the Rules dialog";
        return control;
    }
    rules::RulesDialog* OpenRules() {
        // A progress dialog of a Go may have left no window active; Ctrl+R is the window's key.
        QApplication::setActiveWindow(form_.get());
        QTest::keyClick(form_.get(), Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(WaitUntil([this] { return Dialog() && Dialog()->isVisible(); }));
        return Dialog();
    }
    void ClickInDialog(const char* name) {
        QTest::mouseClick(InDialog<QAbstractButton>(name), Qt::LeftButton);
    }
    void TypeInDialog(const char* name, const QString& text) {
        auto* field = InDialog<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    QAbstractItemModel* Preview() const { return InDialog<QTableView>(rulesnames::grdPreview)->model(); }
    QString PreviewCell(int row, int column) const { return Preview()->index(row, column).data().toString(); }
    // The background has marked every row of the present recipe.
    bool Marked() const {
        const QString status = InDialog<QLabel>(rulesnames::lblStatus)->text();
        return status.contains(QStringLiteral("renamed"));
    }
    bool Closed() const { return !Dialog() || !Dialog()->isVisible(); }
};

TEST_F(FormRules, ApplyFillsTheManualColumnAndGoRenamesByIt) {
    OpenListing({"IMG_0412.JPG", "IMG_0413.JPG", "notes.txt"});
    Click(names::rdbReplacer);
    ASSERT_NE(OpenRules(), nullptr);
    ClickInDialog(rulesnames::btnAddReplace);
    TypeInDialog(rulesnames::edtFind, QStringLiteral("IMG_"));
    TypeInDialog(rulesnames::edtWith, QStringLiteral("Holiday "));
    ClickInDialog(rulesnames::btnAddCase);
    InDialog<QComboBox>(rulesnames::cmbScope)->setCurrentIndex(2);
    // Every keystroke shows at once in the rows in view; the marks follow.
    EXPECT_EQ(PreviewCell(0, 1), QStringLiteral("Holiday 0412.jpg"));
    EXPECT_EQ(PreviewCell(2, 1), QString());
    ASSERT_TRUE(WaitUntil([this] { return Marked(); }));
    EXPECT_EQ(PreviewCell(2, 2), QString::fromStdString(MarkText(engine::recipes::RowMark::Unchanged)));

    ClickInDialog(rulesnames::btnApply);
    ASSERT_TRUE(WaitUntil([this] { return Closed(); }));
    EXPECT_TRUE(Find<QRadioButton>(names::rdbManual)->isChecked());
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"Holiday 0412.jpg", "Holiday 0413.jpg", ""}));
    EXPECT_TRUE(dialogs_.None());

    Click(names::btnGo);
    ASSERT_TRUE(WaitUntil([this] { return OnDisk().count("Holiday 0412.jpg") == 1; }));
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"Holiday 0412.jpg", "Holiday 0413.jpg", "notes.txt"}));
    // Undo puts back what Go renamed from the recipe's names.
    dialogs_.answers.push_back(true);
    form_->UndoLastGo();
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"IMG_0412.JPG", "IMG_0413.JPG", "notes.txt"}));

    // The dialog opens again with the recipe it was closed with.
    ASSERT_NE(OpenRules(), nullptr);
    EXPECT_EQ(InDialog<QListWidget>(rulesnames::lstSteps)->count(), 2);
    ClickInDialog(rulesnames::btnCancel);
}

struct LeavingRow {
    const char* label; // Escape or Cancel
};

class FormRulesLeaving : public FormRules, public ::testing::WithParamInterface<LeavingRow> {};

TEST_P(FormRulesLeaving, ChangesNothing) {
    OpenListing({"a.txt", "b.txt"});
    Click(names::rdbManual);
    EditNewName(1, QStringLiteral("typed.txt"));
    // The grid's own menu holds the dialog too.
    QAction* rules = nullptr;
    for (QAction* action : Grid()->actions())
        rules = action->objectName() == QLatin1String(rulesnames::actRules) ? action : rules;
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->text(), QStringLiteral("Rules..."));
    rules->trigger();
    ASSERT_TRUE(WaitUntil([this] { return Dialog() && Dialog()->isVisible(); }));
    ClickInDialog(rulesnames::btnAddInsert);
    TypeInDialog(rulesnames::edtText, QStringLiteral("new-"));
    EXPECT_EQ(PreviewCell(1, 1), QStringLiteral("new-b.txt"));

    if (std::string(GetParam().label) == "Escape")
        QTest::keyClick(InDialog<QLineEdit>(rulesnames::edtText), Qt::Key_Escape);
    else
        ClickInDialog(rulesnames::btnCancel);
    ASSERT_TRUE(WaitUntil([this] { return Closed(); }));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"typed.txt", ""}));
    EXPECT_TRUE(Find<QRadioButton>(names::rdbManual)->isChecked());
    // Nor is the recipe kept: the dialog opens as it did before.
    ASSERT_NE(OpenRules(), nullptr);
    EXPECT_EQ(InDialog<QListWidget>(rulesnames::lstSteps)->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(By, FormRulesLeaving, ::testing::Values(LeavingRow{"Escape"}, LeavingRow{"Cancel"}),
                         rownames::RowLabel());

// The saved recipe used last opens with the dialog; Apply writes what the recipe gives.
class RecipeExamplesInTheDialog : public FormRules, public ::testing::WithParamInterface<RecipeExample> {
protected:
    ScratchFolder config_;
    platform::RecipeStore store_{config_.Sub("recipes")};
};

TEST_P(RecipeExamplesInTheDialog, ApplyWritesTheRecipesNames) {
    const RecipeExample& example = GetParam();
    ASSERT_EQ(store_.Save("example", example.recipe), "");
    ASSERT_EQ(store_.SetLastUsed("example"), "");
    recipes_ = &store_;
    OpenListing(example.files);
    ASSERT_EQ(OldNames(), example.files);
    ASSERT_NE(OpenRules(), nullptr);
    EXPECT_EQ(InDialog<QComboBox>(rulesnames::cmbRecipes)->currentText(), QStringLiteral("example"));
    ASSERT_TRUE(WaitUntil([this] { return Marked(); }));
    for (std::size_t row = 0; row < example.files.size(); ++row) {
        const int at = static_cast<int>(row);
        EXPECT_EQ(PreviewCell(at, 1).toStdString(), engine::ShownName(example.newNames[row]))
            << "row " << row;
        const engine::recipes::RowMark mark = example.marks[row];
        EXPECT_EQ(PreviewCell(at, 2).toStdString(),
                  mark == engine::recipes::RowMark::None ? "" : engine::recipes::MarkText(mark))
            << "row " << row;
    }
    ClickInDialog(rulesnames::btnApply);
    ASSERT_TRUE(WaitUntil([this] { return Closed(); }));
    EXPECT_EQ(NewNames(), example.newNames);
}

INSTANTIATE_TEST_SUITE_P(Table, RecipeExamplesInTheDialog, ::testing::ValuesIn(RecipeExamples()),
                         rownames::RowLabel());

} // namespace

namespace {

// "Save as..." and "Delete" over a recipes folder of the test's own.
class FormRulesSaved : public FormRules {
protected:
    void SetUp() override {
        FormRules::SetUp();
        recipes_ = &store_;
    }
    // Clicks "Save as..." and types `name` into the box that asks for it, from within the box's own loop.
    void SaveAs(const QString& name) {
        bool asked = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (asked || !box || !box->isVisible())
                return;
            asked = true;
            box->setTextValue(name);
            box->accept();
        });
        poll.start(10);
        ClickInDialog(rulesnames::btnSaveRecipe);
        poll.stop();
        EXPECT_TRUE(asked) << "no box asked for the recipe's name";
    }
    QStringList Offered() const {
        QStringList names;
        auto* combo = InDialog<QComboBox>(rulesnames::cmbRecipes);
        for (int k = 0; k < combo->count(); ++k)
            names << combo->itemText(k);
        return names;
    }
    // The files of the recipes folder: the recipes and the note of the last one used, nothing half-written.
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        std::error_code none;
        for (const auto& entry : std::filesystem::directory_iterator(config_.Sub("recipes"), none))
            files.push_back(entry.path().filename().string());
        std::sort(files.begin(), files.end());
        return files;
    }
    std::optional<engine::recipes::Recipe> Saved(const std::string& name) const {
        return engine::recipes::ParseRecipe(config_.Read("recipes/" + name + ".json")).recipe;
    }

    ScratchFolder config_;
    platform::RecipeStore store_{config_.Sub("recipes")};
};

TEST_F(FormRulesSaved, SaveAsKeepsTheRecipeAndDeleteRemovesIt) {
    OpenListing({"a.txt", "b.txt"});
    ASSERT_NE(OpenRules(), nullptr);
    ClickInDialog(rulesnames::btnAddInsert);
    TypeInDialog(rulesnames::edtText, QStringLiteral("new-"));
    SaveAs(QStringLiteral("Holiday"));
    EXPECT_TRUE(dialogs_.None());
    EXPECT_EQ(Files(), (std::vector<std::string>{".last-used", "Holiday.json"}));
    EXPECT_EQ(Saved("Holiday"), Dialog()->CurrentRecipe());
    EXPECT_EQ(InDialog<QComboBox>(rulesnames::cmbRecipes)->currentText(), QStringLiteral("Holiday"));
    EXPECT_EQ(Offered(), (QStringList{QString(), QStringLiteral("Holiday")}));

    // Saved again under its name, after a yes to the question, the file is replaced whole.
    ClickInDialog(rulesnames::btnAddCase);
    dialogs_.answers.push_back(true);
    SaveAs(QStringLiteral("Holiday"));
    EXPECT_EQ(dialogs_.questions,
              (std::vector<std::string>{"A recipe named \"Holiday\" is saved already. Replace it?"}));
    EXPECT_EQ(Saved("Holiday"), Dialog()->CurrentRecipe());
    EXPECT_EQ(Files(), (std::vector<std::string>{".last-used", "Holiday.json"}));

    // A dialog opened later starts with it.
    ClickInDialog(rulesnames::btnCancel);
    ASSERT_TRUE(WaitUntil([this] { return Closed(); }));
    ASSERT_NE(OpenRules(), nullptr);
    EXPECT_EQ(InDialog<QComboBox>(rulesnames::cmbRecipes)->currentText(), QStringLiteral("Holiday"));
    EXPECT_EQ(InDialog<QListWidget>(rulesnames::lstSteps)->count(), 2);
    EXPECT_EQ(PreviewCell(0, 1), QStringLiteral("new-a.txt"));

    dialogs_.Clear();
    dialogs_.answers.push_back(true);
    ClickInDialog(rulesnames::btnDeleteRecipe);
    EXPECT_EQ(dialogs_.questions, (std::vector<std::string>{"Delete the saved recipe \"Holiday\"?"}));
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(store_.PathOf("Holiday")));
    EXPECT_EQ(Offered(), QStringList{QString()});
    EXPECT_EQ(store_.LastUsed(), "");
}

TEST_F(FormRulesSaved, DeleteAnsweredNoKeepsTheRecipe) {
    ASSERT_EQ(store_.Save("Keep", R"({"steps": []})"), "");
    OpenListing({"a.txt"});
    ASSERT_NE(OpenRules(), nullptr);
    InDialog<QComboBox>(rulesnames::cmbRecipes)->setCurrentIndex(1);
    dialogs_.answers.push_back(false);
    ClickInDialog(rulesnames::btnDeleteRecipe);
    EXPECT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(store_.PathOf("Keep")));
    EXPECT_EQ(Offered(), (QStringList{QString(), QStringLiteral("Keep")}));
}

struct RefusedName {
    const char* label;
    const char* name;
};

void PrintTo(const RefusedName& row, std::ostream* out) {
    *out << row.label;
}

class FormRulesRefusedName : public FormRulesSaved, public ::testing::WithParamInterface<RefusedName> {};

TEST_P(FormRulesRefusedName, GivesItsMessageAndWritesNothing) {
    OpenListing({"a.txt"});
    ASSERT_NE(OpenRules(), nullptr);
    ClickInDialog(rulesnames::btnAddInsert);
    SaveAs(QString::fromUtf8(GetParam().name));
    EXPECT_EQ(dialogs_.messages, (std::vector<std::string>{platform::RecipeNameProblem(GetParam().name)}));
    EXPECT_FALSE(dialogs_.messages.front().empty());
    EXPECT_EQ(Files(), std::vector<std::string>{});
    EXPECT_EQ(Offered(), QStringList{QString()});
}

INSTANTIATE_TEST_SUITE_P(Names, FormRulesRefusedName,
                         ::testing::Values(RefusedName{"Empty", ""}, RefusedName{"Hidden", ".holiday"},
                                           RefusedName{"Slash", "photos/holiday"},
                                           RefusedName{"SpaceAtAnEnd", "holiday "},
                                           RefusedName{"ControlCharacter", "holi\tday"}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
