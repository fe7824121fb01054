#pragma once

#include "RecipeRows.h"
#include "engine/recipes/Recipe.h"

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
// out only when the view asks for its row. The rest runs on a worker thread in this order, each piece
// once: the files' modification times (only for a recipe that uses them), each counter order's ranking,
// and, for every recipe in turn, all new names and their marks. A recipe typed over is not waited for:
// its work stops at the next check and its result is dropped.
class RecipePreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OldColumn, NewColumn, MarkColumn, ColumnCount };

    // folder: where the files are, for their modification times.
    RecipePreviewModel(std::shared_ptr<const std::vector<std::string>> oldNames, std::string folder,
                       QObject* parent = nullptr);
    ~RecipePreviewModel() override;

    // Shows a recipe; answers the reason it cannot run (a bad pattern or token), empty when it can.
    std::string SetRecipe(const engine::recipes::Recipe& recipe);

    // True once every row of the present recipe is worked out and marked.
    bool Ready() const { return rows_.has_value(); }
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

private:
    // Starts the next piece of work the present recipe is waiting for, if any.
    void Advance();
    void StartFacts();
    void StartRanking(engine::recipes::CounterOrder order);
    void StartRows();
    void ShowChanges();
    // The counter's ranks of the rows for the present order; null while they are being worked out.
    const std::vector<long long>* Ranks() const;
    bool Waiting() const;
    std::optional<long long> Counter(int row) const;

    std::shared_ptr<const std::vector<std::string>> oldNames_;
    std::string folder_;
    std::string error_;
    std::optional<engine::recipes::CompiledRecipe> recipe_;
    std::shared_ptr<const RowFacts> facts_;
    bool factsStarted_ = false;
    std::map<engine::recipes::CounterOrder, std::shared_ptr<const std::vector<long long>>> ranks_;
    std::set<engine::recipes::CounterOrder> ranking_;
    // Counts the recipes shown; the worker drops the work of every recipe but the last.
    std::shared_ptr<std::atomic<unsigned long long>> generation_;
    std::optional<RecipeRows> rows_;
    std::vector<std::string> newNames_;
    QThreadPool pool_;
};

} // namespace rules
