#include "TerminalRecipe.h"

#include "engine/batch/BatchPrompts.h"
#include "engine/batch/BatchRename.h"
#include "engine/batch/FolderIdentity.h"
#include "engine/names/ShownName.h"
#include "engine/recipes/RecipeJson.h"
#include "engine/recipes/RenameOrder.h"
#include "engine/undo/StoredBatchJournal.h"
#include "main/rules/CoreThreads.h"
#include "main/rules/RecipeRows.h"
#include "platform/files/FolderLister.h"
#include "platform/metadata/FolderFacts.h"
#include "platform/settings/RecipeStore.h"

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace {

using engine::recipes::RowMark;

QString Shown(const std::string& name) {
    return QString::fromStdString(engine::ShownName(name));
}

// The recipe's text: the file at that path, else the saved recipe of that name.
std::optional<std::string> RecipeText(const std::string& recipe, const platform::RecipeStore& store,
                                      std::string& error) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(recipe, ignored)) {
        std::ifstream file(recipe, std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(file), {});
        if (file.bad() || !file.is_open()) {
            error = QCoreApplication::translate("TerminalRecipe", "The recipe file %1 cannot be read.")
                        .arg(Shown(recipe))
                        .toStdString();
            return std::nullopt;
        }
        return text;
    }
    if (platform::RecipeNameProblem(recipe).empty() && std::filesystem::exists(store.PathOf(recipe), ignored))
        return store.Load(recipe, error);
    error = QCoreApplication::translate("TerminalRecipe",
                                        "There is no recipe file %1 and no saved recipe of that name.")
                .arg(Shown(recipe))
                .toStdString();
    return std::nullopt;
}

std::string CannotBeUsed(const std::string& recipe, const std::string& why) {
    return QCoreApplication::translate("TerminalRecipe", "The recipe %1 cannot be used: %2")
        .arg(Shown(recipe), QString::fromStdString(why))
        .toStdString();
}

std::optional<engine::recipes::CompiledRecipe>
LoadRecipe(const std::string& recipe, const platform::RecipeStore& store, std::string& error) {
    const std::optional<std::string> text = RecipeText(recipe, store, error);
    if (!text)
        return std::nullopt;
    const engine::recipes::RecipeParse parse = engine::recipes::ParseRecipe(*text);
    if (!parse.recipe) {
        error = CannotBeUsed(recipe, parse.error);
        return std::nullopt;
    }
    engine::recipes::CompileResult compiled = engine::recipes::CompiledRecipe::Compile(*parse.recipe);
    if (!compiled.compiled)
        error = CannotBeUsed(recipe, compiled.error);
    return std::move(compiled.compiled);
}

// The recipe over the folder's files as the window would list them.
struct FolderResult {
    std::vector<std::string> oldNames;
    engine::FolderIdentity identity;
    rules::RecipeRows rows;
};

FolderResult WorkOutFolder(const engine::recipes::CompiledRecipe& recipe, const std::string& folder,
                           platform::FolderLister& lister, platform::metadata::FileFactsReader& reader,
                           const engine::recipes::ParallelJobs& parallel) {
    FolderResult result;
    platform::ListingControl unwatched;
    result.oldNames = lister.ListFilesWatched(folder, result.identity, unwatched);
    const engine::recipes::FactSet wanted = recipe.FactsNeeded();
    const rules::RowFacts facts =
        wanted.any()
            ? rules::PointAt(platform::metadata::ReadFolderFacts(reader, folder, result.oldNames, wanted))
            : rules::RowFacts{};
    const std::vector<long long> counters =
        rules::CountersOf(recipe.Source(), result.oldNames, facts, parallel);
    result.rows = *rules::WorkOutRows(recipe, result.oldNames, counters, facts, {}, parallel);
    return result;
}

// What stands in the way of a row's rename, for the end of its line.
std::string Reason(RowMark mark, const engine::recipes::NameResult& result) {
    if (mark == RowMark::Missing && !result.missing.empty())
        return result.missing;
    return engine::recipes::MarkText(mark);
}

void AppendRow(std::string& text, const std::string& oldName, const std::string& newName,
               const std::string& reason) {
    engine::AppendShownName(oldName, text);
    text += '\t';
    engine::AppendShownName(newName, text);
    if (!reason.empty()) {
        text += '\t';
        text += reason;
    }
    text += '\n';
}

void PrintRow(std::ostream& stream, const std::string& oldName, const std::string& newName,
              const std::string& reason) {
    std::string line;
    AppendRow(line, oldName, newName, reason);
    stream << line;
}

int ShowNewNames(const FolderResult& folder, std::ostream& out,
                 const engine::recipes::ParallelJobs& parallel) {
    // A million lines are put together in pieces at once, and each piece goes out in one write, in order.
    const std::size_t rows = folder.oldNames.size();
    const std::size_t pieces = parallel.Pieces(rows);
    std::vector<std::string> texts(pieces);
    std::vector<char> allDone(pieces, true);
    parallel.RunPieces(rows, pieces, [&](std::size_t piece, std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row) {
            const RowMark mark = folder.rows.marks[row];
            if (mark == RowMark::Unchanged)
                continue;
            allDone[piece] = allDone[piece] && mark == RowMark::None;
            AppendRow(texts[piece], folder.oldNames[row], folder.rows.results[row].name,
                      Reason(mark, folder.rows.results[row]));
        }
    });
    for (const std::string& text : texts)
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return std::all_of(allDone.begin(), allDone.end(), [](char done) { return done != 0; })
               ? RecipeAllDone
               : RecipeSomeNotDone;
}

// A batch run from the terminal: the user asked already, and a failure is printed as it comes. Nobody is
// there to agree to renaming without a way back: a journal that cannot be written stops the batch before
// its first rename.
class PrintedPrompts : public engine::BatchPrompts {
public:
    explicit PrintedPrompts(std::ostream& err) : err_(err) {}
    bool ConfirmClash(const std::string&) override { return true; }
    bool Confirm(const std::string& text) override {
        err_ << text << '\n';
        refused_ = true;
        return false;
    }
    void ReportFailure(const std::string& text) override { err_ << text << '\n'; }
    bool Refused() const { return refused_; }

private:
    std::ostream& err_;
    bool refused_ = false;
};

int RenameFiles(const std::string& folderPath, const FolderResult& folder, const RecipeServices& services,
                std::ostream& out, std::ostream& err) {
    // Only rows that nothing stands in the way of are renamed; the others keep their names.
    bool allDone = true;
    std::vector<std::string> newNames(folder.oldNames.size());
    for (std::size_t row = 0; row < folder.oldNames.size(); ++row) {
        const RowMark mark = folder.rows.marks[row];
        newNames[row] = mark == RowMark::None ? folder.rows.results[row].name : folder.oldNames[row];
        if (mark != RowMark::None && mark != RowMark::Unchanged) {
            allDone = false;
            PrintRow(err, folder.oldNames[row], folder.rows.results[row].name,
                     Reason(mark, folder.rows.results[row]));
        }
    }
    const engine::recipes::RenameOrder order = engine::recipes::OrderRenames(folder.oldNames, newNames);
    for (const auto* leftAlone : {&order.cycles, &order.blocked}) {
        for (std::size_t row : *leftAlone) {
            allDone = false;
            PrintRow(err, folder.oldNames[row], newNames[row],
                     (leftAlone == &order.cycles
                          ? QCoreApplication::translate("TerminalRecipe", "a cycle of renames, left alone")
                          : QCoreApplication::translate("TerminalRecipe", "waits on a cycle, left alone"))
                         .toStdString());
        }
    }
    engine::BatchSnapshot batch{folderPath, {}, folder.identity};
    batch.rows.reserve(order.order.size());
    for (std::size_t row : order.order)
        batch.rows.push_back({folder.oldNames[row], newNames[row]});

    PrintedPrompts prompts(err);
    engine::StoredBatchJournal journal(services.journal);
    const engine::BatchResult result = engine::RunBatch(batch, services.renamer, prompts, &journal);
    for (std::size_t row = 0; row < result.renamedRows.size(); ++row) {
        if (result.renamedRows[row])
            PrintRow(out, batch.rows[row].oldName, batch.rows[row].newName, {});
    }
    const QString renamed =
        result.renamed == 1
            ? QCoreApplication::translate("TerminalRecipe", "Renamed 1 file in %1.").arg(Shown(folderPath))
            : QCoreApplication::translate("TerminalRecipe", "Renamed %1 files in %2.")
                  .arg(QString::number(result.renamed), Shown(folderPath));
    out << renamed.toStdString() << '\n';
    const bool batchDone = !prompts.Refused() && !result.folderMoved && result.failed == 0;
    return allDone && batchDone ? RecipeAllDone : RecipeSomeNotDone;
}

} // namespace

int TerminalRecipe(const RecipeRequest& request, const RecipeServices& services, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    const std::optional<engine::recipes::CompiledRecipe> recipe =
        LoadRecipe(request.recipe, services.store, error);
    if (!recipe) {
        err << error << '\n';
        return RecipeRefused;
    }
    // The names are worked out, and the lines put together, on every core.
    const engine::recipes::ParallelJobs parallel = rules::OnAllCores();
    FolderResult folder;
    try {
        folder = WorkOutFolder(*recipe, request.folder, services.lister, services.facts, parallel);
    } catch (const std::exception& failure) {
        err << QCoreApplication::translate("TerminalRecipe", "The folder %1 cannot be read: %2.")
                   .arg(Shown(request.folder), QString::fromStdString(failure.what()))
                   .toStdString()
            << '\n';
        return RecipeRefused;
    }
    if (!request.apply)
        return ShowNewNames(folder, out, parallel);
    return RenameFiles(request.folder, folder, services, out, err);
}
