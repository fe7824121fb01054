#pragma once

#include "RecipeRows.h"
#include "engine/recipes/Recipe.h"
#include "platform/metadata/CachedFactsReader.h"
#include "platform/metadata/FactsReadJob.h"
#include "platform/metadata/LibraryFactsReader.h"

#include <QAbstractTableModel>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace rules {

// The Rules dialog's preview: the listed files' old names, the new names a recipe gives them and what
// stands in the way of each rename. A million rows must follow every keystroke, so a new name is worked
// out only when the view asks for its row. The rest runs on worker threads in this order, each piece
// once: the values inside the files (only those the recipe uses, on a pool of workers, each file read
// once while the dialog is open; a row shows its name as soon as its file is read), each counter order's
// ranking, and, for every recipe in turn, all new names and their marks, each of these two on every core.
// A recipe typed over is not waited for: its work stops at the next check and its result is dropped.
class RecipePreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OldColumn, NewColumn, MarkColumn, ColumnCount };

    // folder: where the files are, for the values inside them; files: what reads them (the real
    // libraries when null).
    RecipePreviewModel(std::shared_ptr<const std::vector<std::string>> oldNames, std::string folder,
                       QObject* parent = nullptr, platform::metadata::FileFactsReader* files = nullptr);
    ~RecipePreviewModel() override;

    // Shows a recipe; answers the reason it cannot run (a bad pattern or token), empty when it can.
    std::string SetRecipe(const engine::recipes::Recipe& recipe);

    // True once every row of the present recipe is worked out and marked.
    bool Ready() const { return rows_.has_value(); }
    // True while the values inside the files are being read.
    bool ReadingFiles() const { return job_ != nullptr; }
    // Stops reading the files: those not read yet count as holding no values.
    void StopReading();
    // The new name of every row, blank where the file is left alone, handed over once; only when
    // Ready(). Worked out on the worker, so that Apply does not hold up the window with a million names.
    std::vector<std::string> TakeNewNames();
    // A line about the whole preview: what is still being worked out, or how many files are renamed
    // and how many are marked.
    QString Summary() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The work for the present recipe has finished: Ready() holds.
    void Worked();
    // More files were read, or the reading ended: Summary() and ReadingFiles() have changed.
    void ReadProgress();

private:
    // Starts the next piece of work the present recipe is waiting for, if any.
    void Advance();
    void StartFacts();
    void FactsArrived(const std::vector<platform::metadata::ArrivedFacts>& batch);
    void FactsRead();
    // The file values the present recipe needs and that are not read yet.
    engine::recipes::FactSet Unknown() const;
    // The values of a row's file, when the recipe can use them now; null when it needs none.
    std::optional<const engine::recipes::FileFacts*> FactsOf(std::size_t row) const;
    void StartRanking(engine::recipes::CounterOrder order);
    void StartRows();
    void ShowChanges();
    // Frees a million names on the worker rather than in the middle of a keystroke.
    void FreeOnWorker(std::optional<RecipeRows> rows, std::vector<std::string> names) {
        FreeOn(pool_, std::move(rows), std::move(names));
    }
    static void FreeOn(QThreadPool& pool, std::optional<RecipeRows> rows, std::vector<std::string> names);
    // The counter's ranks of the rows for the present order; null while they are being worked out.
    const std::vector<long long>* Ranks() const;
    bool Waiting() const;
    std::optional<long long> Counter(int row) const;

    std::shared_ptr<const std::vector<std::string>> oldNames_;
    std::string folder_;
    std::string error_;
    std::optional<engine::recipes::CompiledRecipe> recipe_;
    // What was read from the files: the job holds the values as they arrive, facts_ the whole of them once
    // read.
    std::unique_ptr<platform::metadata::LibraryFactsReader> libraries_;
    platform::metadata::CachedFactsReader reader_;
    std::vector<bool> arrived_;
    engine::recipes::FactSet known_, reading_;
    platform::metadata::FactsReadJob* job_ = nullptr;
    std::shared_ptr<const RowFacts> facts_;
    std::map<engine::recipes::CounterOrder, std::shared_ptr<const std::vector<long long>>> ranks_;
    std::set<engine::recipes::CounterOrder> ranking_;
    // Counts the recipes shown; the worker drops the work of every recipe but the last.
    std::shared_ptr<std::atomic<unsigned long long>> generation_;
    std::optional<RecipeRows> rows_;
    std::vector<std::string> newNames_;
    QThreadPool pool_;
};

} // namespace rules
