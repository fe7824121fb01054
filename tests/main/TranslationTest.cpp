// The program in other languages: every text a user sees goes through the translation, the user's
// language is chosen as the desktop orders them, and German reaches the window and the toolkit's buttons.
#include "FormFixture.h"
#include "OpenBox.h"
#include "RowNames.h"
#include "app/CommandLine.h"
#include "engine/text/EngineText.h"
#include "engine/undo/UndoLastGo.h"
#include "main/Translations.h"
#include "main/layout/InfoPanel.h"
#include "main/longwork/BatchProgressDialog.h"
#include "main/rules/RulesDialog.h"
#include "main/rules/RulesNames.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

namespace {

using rownames::PrintTo;

struct LanguageRow {
    const char* label;
    QStringList uiLanguages;
    QStringList translated;
    QString chosen;
};

class ChooseLanguageTest : public testing::TestWithParam<LanguageRow> {};

TEST_P(ChooseLanguageTest, TakesTheFirstTranslatedLanguageUnlessEnglishComesFirst) {
    EXPECT_EQ(ChooseLanguage(GetParam().uiLanguages, GetParam().translated), GetParam().chosen);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Preferences, ChooseLanguageTest,
    testing::Values(
        LanguageRow{"GermanOfGermany", {"de-DE", "de"}, {"de"}, "de"},
        LanguageRow{"GermanOfAustriaAlone", {"de-AT"}, {"de"}, "de"},
        LanguageRow{"EnglishBeforeGerman", {"en-GB", "de-DE"}, {"de"}, ""},
        LanguageRow{"FrenchUntranslatedThenGerman", {"fr-FR", "fr", "de"}, {"de"}, "de"},
        LanguageRow{"TheCountrysOwnFileFirst", {"pt-BR"}, {"pt", "pt_BR"}, "pt_BR"},
        LanguageRow{"NothingTranslated", {"ja-JP"}, {"de"}, ""},
        LanguageRow{"ThePosixLocale", {"C"}, {"de"}, ""},
        LanguageRow{"NoLanguageAtAll", {}, {"de"}, ""}),
    rownames::RowLabel());
// clang-format on

// Marks every text that passes through the translation, the toolkit's own included.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source)
            return {};
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.startsWith(QStringLiteral("⟦")) && text.endsWith(QStringLiteral("⟧"));
}

// A text built of several translated parts, such as an engine message with a step's prefix, a reason
// and a full stop: no word stands outside the marks.
bool MarkedInParts(QString text) {
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    return !text.contains(letter) && !text.contains(QStringLiteral("⟦"));
}

class PseudoTranslated : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        QCoreApplication::installTranslator(&marking_);
        engine::SetTextTranslation(&TranslateEngineText);
    }
    void TearDown() override {
        FormTest::TearDown();
        engine::SetTextTranslation(nullptr);
        QCoreApplication::removeTranslator(&marking_);
    }

    // Every text the window shows or hands to a screen reader that is not marked, by where it stands. The
    // cells and the folder tree hold file and folder names, and the hidden line buffer the clipboard's.
    std::vector<std::string> Unmarked(QWidget* top) const {
        std::vector<std::string> unmarked;
        const auto check = [&](const QObject* owner, const char* what, const QString& text) {
            if (!text.isEmpty() && !Marked(text))
                unmarked.push_back(owner->objectName().toStdString() + " " + what + ": " +
                                   text.toStdString());
        };
        check(top, "title", top->windowTitle());
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            if (widget->objectName() == QLatin1String(names::memHid))
                continue;
            check(widget, "accessible name", widget->accessibleName());
            if (auto* label = qobject_cast<QLabel*>(widget))
                check(label, "text", label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                check(button, "caption", button->text());
            if (auto* page = qobject_cast<QPlainTextEdit*>(widget))
                check(page, "page", page->toPlainText());
            if (auto* grid = qobject_cast<QTableView*>(widget))
                for (int column = 0; column < grid->model()->columnCount(); ++column)
                    check(grid, "header", grid->model()->headerData(column, Qt::Horizontal).toString());
            for (QAction* action : widget->actions())
                check(action, "action", action->text());
        }
        return unmarked;
    }

    MarkingTranslator marking_;
};

TEST_F(PseudoTranslated, TheWindowAndItsPagesShowNoTextLeftUnmarked) {
    OpenListing({"IMG_0412.JPG", "notes.txt"});
    Click(names::btnHelp);
    EXPECT_EQ(Unmarked(form_.get()), std::vector<std::string>{});
}

TEST_F(PseudoTranslated, TheBoxesAndTheProgressOfAGoShowNoTextLeftUnmarked) {
    MessageBoxDialogs dialogs(QStringLiteral("Quillmap"));
    std::vector<std::string> unmarked;
    // The message's own text comes from the engine, and the title of a message is the program's file name;
    // the rest of each box is checked here.
    for (const auto& show : std::vector<std::function<void()>>{
             [&] { dialogs.Confirm("clash"); }, [&] { dialogs.AskAfterFailure("Disk full"); }}) {
        LookAtOpenBox(show, [&](QMessageBox& box) { unmarked = Unmarked(&box); });
        std::erase_if(unmarked, [](const std::string& text) {
            return text.find(": clash") != std::string::npos ||
                   text.find(": Disk full") != std::string::npos ||
                   text.find("accessible name: Quillmap") != std::string::npos || text == " title: Quillmap";
        });
        EXPECT_EQ(unmarked, std::vector<std::string>{});
    }

    BatchProgressDialog progress(nullptr);
    progress.setWindowTitle(QStringLiteral("⟦Quillmap⟧"));
    for (const auto& step : std::vector<std::function<void()>>{[] {}, [&] { progress.SetProgress(2, 5); }}) {
        step();
        EXPECT_EQ(Unmarked(&progress), std::vector<std::string>{});
    }
}

TEST_F(PseudoTranslated, TheRulesDialogShowsNoTextLeftUnmarked) {
    // Two names that one letter case makes the same: the preview marks them.
    OpenListing({"Q.txt", "q.TXT"});
    QApplication::setActiveWindow(form_.get());
    QTest::keyClick(form_.get(), Qt::Key_R, Qt::ControlModifier);
    rules::RulesDialog* dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto open = form_->findChildren<rules::RulesDialog*>();
        dialog = open.isEmpty() ? nullptr : open.back();
        return dialog && dialog->isVisible();
    }));
    const auto click = [&](const char* name) {
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
    };
    for (const char* add : {rulesnames::btnAddReplace, rulesnames::btnAddCase, rulesnames::btnAddInsert,
                            rulesnames::btnAddRemove})
        click(add);
    auto* status = dialog->findChild<QLabel*>(QLatin1String(rulesnames::lblStatus));
    // The replace step has no "find" yet: the engine's refusal names the step.
    ASSERT_TRUE(WaitUntil([&] { return status->text().contains(QStringLiteral("find")); }));
    EXPECT_TRUE(MarkedInParts(status->text())) << status->text().toStdString();

    auto* steps = dialog->findChild<QListWidget*>(QLatin1String(rulesnames::lstSteps));
    steps->setCurrentRow(0);
    auto* find = dialog->findChild<QLineEdit*>(QLatin1String(rulesnames::edtFind));
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("z"));
    auto* preview = dialog->findChild<QTableView*>(QLatin1String(rulesnames::grdPreview));
    const auto note = [&](int row) { return preview->model()->index(row, 2).data().toString(); };
    ASSERT_TRUE(WaitUntil([&] { return !note(0).isEmpty(); })) << status->text().toStdString();

    std::vector<std::string> unmarked = Unmarked(dialog);
    const auto check = [&](const char* what, const QString& text) {
        if (!MarkedInParts(text))
            unmarked.push_back(std::string(what) + ": " + text.toStdString());
    };
    for (int row = 0; row < preview->model()->rowCount(); ++row)
        check("note", note(row));
    for (int row = 0; row < steps->count(); ++row)
        check("step", steps->item(row)->text());
    for (auto* box : dialog->findChildren<QGroupBox*>())
        check("group", box->title());
    for (auto* choices : dialog->findChildren<QComboBox*>()) {
        // The saved recipes are the user's own names.
        if (choices->objectName() == QLatin1String(rulesnames::cmbRecipes))
            continue;
        for (int item = 0; item < choices->count(); ++item)
            check(choices->objectName().toUtf8().constData(), choices->itemText(item));
    }
    EXPECT_EQ(steps->count(), 4);
    EXPECT_EQ(unmarked, std::vector<std::string>{});
    QTest::keyClick(dialog, Qt::Key_Escape);
}

// What the engine hands the window to say: each way to one of its texts, and the box that shows one.
enum class EngineTextWay {
    PreviewWithoutAText,
    CopyANameWithALineBreak,
    UndoWithNothingToUndo,
    FailedRename
};

class EngineTextsPseudoTranslated : public PseudoTranslated,
                                    public testing::WithParamInterface<EngineTextWay> {};

TEST_P(EngineTextsPseudoTranslated, ReachTheUserMarked) {
    switch (GetParam()) {
    case EngineTextWay::PreviewWithoutAText:
        OpenListing({"a.txt"});
        Click(names::rdbReplacer);
        Click(names::btnView);
        break;
    case EngineTextWay::CopyANameWithALineBreak:
        OpenListing({"two\nlines.txt"});
        Click(names::btnCopy);
        break;
    case EngineTextWay::UndoWithNothingToUndo:
        Open();
        form_->UndoLastGo();
        break;
    case EngineTextWay::FailedRename:
        // The second file's new name is the first's, whose file stays: the rename is refused.
        OpenListing({"a.txt", "b.txt"});
        Click(names::rdbManual);
        EditNewName(2, QStringLiteral("a.txt"));
        Click(names::btnGo);
        break;
    }
    ASSERT_TRUE(WaitUntil([this] { return !dialogs_.messages.empty(); }));
    for (const std::vector<std::string>* texts : {&dialogs_.messages, &dialogs_.reasons})
        for (const std::string& text : *texts)
            EXPECT_TRUE(MarkedInParts(QString::fromStdString(text))) << text;
}

std::string WayName(const testing::TestParamInfo<EngineTextWay>& info) {
    const char* const names[] = {"PreviewWithoutAText", "CopyANameWithALineBreak", "UndoWithNothingToUndo",
                                 "FailedRename"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, EngineTextsPseudoTranslated,
                         testing::Values(EngineTextWay::PreviewWithoutAText,
                                         EngineTextWay::CopyANameWithALineBreak,
                                         EngineTextWay::UndoWithNothingToUndo, EngineTextWay::FailedRename),
                         WayName);

TEST_F(PseudoTranslated, AMessageBoxOfAnEngineTextShowsItMarked) {
    MessageBoxDialogs dialogs(QStringLiteral("Quillmap"));
    QString shown;
    LookAtOpenBox([&] { dialogs.ShowMessage(engine::NothingToUndo()); },
                  [&](QMessageBox& box) { shown = box.text(); });
    EXPECT_EQ(shown, QStringLiteral("⟦Nothing to undo.⟧"));
}

TEST_F(PseudoTranslated, TheCommandLinesHelpAndErrorsAreMarked) {
    // Outside the marks stand only the program's name, the options as they are typed and the brackets
    // around an option's (marked) value name.
    const QString help = ParseCommandLine({"Quillmap", "--help"}).text;
    QString rest = help;
    rest.remove(QRegularExpression(QStringLiteral("⟦[^⟦⟧]*⟧")));
    rest.remove(QRegularExpression(QStringLiteral("⟦[^⟦⟧]*⟧")));
    const QStringList words = rest.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    for (const QString& word : words)
        EXPECT_TRUE(word.startsWith(QLatin1Char('-')) || word == QLatin1String("FOLDER") ||
                    word == QLatin1String("[FOLDER]") || word == QLatin1String("<>"))
            << "unmarked in --help: " << word.toStdString() << "\n"
            << help.toStdString();

    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"Quillmap", "--frobnicate"},
                                               {"Quillmap", "--undo", "/tmp"},
                                               {"Quillmap", "/tmp", "/var"},
                                               {"Quillmap", "--apply", "/tmp"},
                                               {"Quillmap", "--recipe", "r", "--undo", "/tmp"},
                                               {"Quillmap", "--recipe", "r", "--recipe", "s", "/tmp"},
                                               {"Quillmap", "--recipe", "r"}}) {
        const QString refusal = ParseCommandLine(arguments).text;
        EXPECT_TRUE(Marked(refusal)) << refusal.toStdString();
    }
}

std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression number(QStringLiteral("%[1-9]"));
    for (const QRegularExpressionMatch& match : number.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Every translation of every language fills in what its English text fills in, each placeholder as often,
// and keeps the spaces at the edges of the pieces that are joined to others (" (name)", "Step %1: ").
TEST(TranslationFiles, KeepThePlaceholdersAndTheSpacesAtTheEdges) {
    const QDir folder(QStringLiteral(TSW_TS_FOLDER));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int translations = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString translation = xml.readElementText();
                ++translations;
                const std::string where = name.toStdString() + ": " + source.toStdString();
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
                EXPECT_EQ(translation.startsWith(QLatin1Char(' ')), source.startsWith(QLatin1Char(' ')))
                    << where;
                EXPECT_EQ(translation.endsWith(QLatin1Char(' ')), source.endsWith(QLatin1Char(' '))) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(translations, 0) << name.toStdString();
    }
}

// The German translation as the program loads it, with the toolkit's own for the standard buttons.
class German : public FormTest {
protected:
    void TearDown() override {
        FormTest::TearDown();
        translations_.reset();
    }
    std::unique_ptr<Translations> translations_;
};

TEST_F(German, ReachesTheWindowAndTheToolkitsButtonsAndEnglishKeepsItsTexts) {
    const struct {
        const char* name;
        QStringList uiLanguages;
        const char* go;
        const char* help;
        const char* header;
    } rows[] = {
        {"German desktop", {"de-DE", "de"}, "Umbenennen", "Hilfe && Info", "Neuer Name"},
        {"English before German", {"en-US", "de"}, "Go", "Help && Info", "New Name"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        translations_ = std::make_unique<Translations>(row.uiLanguages, QStringLiteral(TSW_QM_FOLDER));
        translations_->Install();
        OpenListing({"a.txt"});
        EXPECT_EQ(Find<QAbstractButton>(names::btnGo)->text().toStdString(), row.go);
        EXPECT_EQ(Find<QAbstractButton>(names::btnHelp)->text().toStdString(), row.help);
        EXPECT_EQ(Grid()->model()->headerData(1, Qt::Horizontal).toString().toStdString(), row.header);
        Close();
        translations_.reset();
    }
}

// The German texts are longer than the English ones: the pages without a scroll bar still show their whole
// text at the smallest window size, and every caption stays inside its button.
TEST_F(German, PagesAndCaptionsFitTheWindow) {
    translations_ = std::make_unique<Translations>(QStringList{"de"}, QStringLiteral(TSW_QM_FOLDER));
    translations_->Install();
    Open();
    Click(names::btnHelp);
    namespace info = layout::info_names;
    for (const auto& [button, page] :
         {std::pair{info::btnInfoHelp, info::memInfoHelp}, std::pair{info::btnInfoPro, info::memInfoPro},
          std::pair{info::btnInfoPay, info::memInfoPay}}) {
        Click(button);
        QCoreApplication::processEvents();
        auto* shown = Find<QPlainTextEdit>(page);
        EXPECT_TRUE(shown->toPlainText().startsWith(QStringLiteral("Title Shaper Workshop")) ||
                    shown->toPlainText().startsWith(QStringLiteral("Wählen")))
            << page << " is not the German text";
        EXPECT_EQ(shown->verticalScrollBar()->maximum(), 0) << page << " runs past its page";
    }
    for (QPushButton* button : form_->findChildren<QPushButton*>()) {
        if (button->isHidden() && button->objectName() != QLatin1String(names::btnCopyOver))
            continue;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 2 * 3)
            << button->objectName().toStdString() << " " << button->text().toStdString();
    }
}

TEST_F(German, TranslatesTheToolkitsOwnButtonsWhereItsFileIsInstalled) {
    translations_ = std::make_unique<Translations>(QStringList{"de-DE"}, QStringLiteral(TSW_QM_FOLDER));
    ASSERT_EQ(translations_->Language(), QStringLiteral("de"));
    translations_->Install();
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    if (yes == QLatin1String("&Yes"))
        GTEST_SKIP() << "the toolkit's German translation (qt6-translations-l10n) is not installed";
    EXPECT_EQ(yes, QStringLiteral("&Ja"));
}

} // namespace
