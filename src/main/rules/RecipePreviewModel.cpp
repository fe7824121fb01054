#include "RecipePreviewModel.h"

#include "CoreThreads.h"
#include "engine/names/ShownName.h"
#include "engine/recipes/CounterValues.h"
#include "platform/metadata/FactsReadJob.h"

#include <QBrush>
#include <QColor>
#include <limits>

namespace rules {
namespace {

using engine::recipes::CounterOrder;
using engine::recipes::RowMark;

QString Shown(const std::string& name) {
    const std::string shown = engine::ShownName(name);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

bool Marked(RowMark mark) {
    return mark != RowMark::None && mark != RowMark::Unchanged;
}

// Rows numbered as listed need no ranking.
bool NeedsRanking(CounterOrder order) {
    return order != CounterOrder::Grid;
}

} // namespace

RecipePreviewModel::RecipePreviewModel(std::shared_ptr<const std::vector<std::string>> oldNames,
                                       std::string folder, QObject* parent,
                                       platform::metadata::FileFactsReader* files)
    : QAbstractTableModel(parent), oldNames_(std::move(oldNames)), folder_(std::move(folder)),
      libraries_(files ? nullptr : std::make_unique<platform::metadata::LibraryFactsReader>()),
      reader_(files ? *files : *libraries_),
      generation_(std::make_shared<std::atomic<unsigned long long>>(0)) {
    // One worker: the pieces of work follow each other, and a stale one gives way to the next.
    pool_.setMaxThreadCount(1);
}

RecipePreviewModel::~RecipePreviewModel() {
    // The reading workers use the reader, a member: they stop before it goes.
    delete job_;
    generation_->store(std::numeric_limits<unsigned long long>::max());
    pool_.waitForDone();
    // A million rows' results take tens of milliseconds to free; the program's shared workers do it, as
    // this model's own go with it.
    FreeOn(*QThreadPool::globalInstance(), std::move(rows_), std::move(newNames_));
}

std::string RecipePreviewModel::SetRecipe(const engine::recipes::Recipe& recipe) {
    ++*generation_;
    FreeOnWorker(std::move(rows_), {});
    rows_.reset();
    engine::recipes::CompileResult compiled = engine::recipes::CompiledRecipe::Compile(recipe);
    recipe_ = std::move(compiled.compiled);
    error_ = compiled.error;
    Advance();
    ShowChanges();
    return error_;
}

bool RecipePreviewModel::Waiting() const {
    return recipe_ && (Unknown().any() || (NeedsRanking(recipe_->Source().counter.order) && !Ranks()));
}

engine::recipes::FactSet RecipePreviewModel::Unknown() const {
    return recipe_ ? recipe_->FactsNeeded() & ~known_ : engine::recipes::FactSet();
}

void RecipePreviewModel::Advance() {
    if (!recipe_ || rows_)
        return;
    if (Unknown().any()) {
        StartFacts();
        return;
    }
    const CounterOrder order = recipe_->Source().counter.order;
    if (NeedsRanking(order) && !Ranks()) {
        StartRanking(order);
        return;
    }
    StartRows();
}

void RecipePreviewModel::StartFacts() {
    const engine::recipes::FactSet wanted = Unknown();
    if (job_ && (wanted & ~reading_).none())
        return;
    delete job_;
    // A recipe that needs more than the read under way reads again, with the values known already too:
    // the cache answers those without opening the file, and this read's values are then whole, to be
    // handed over at its end without a copy.
    arrived_.assign(oldNames_->size(), false);
    reading_ = wanted | known_;
    job_ = new platform::metadata::FactsReadJob(reader_, folder_, oldNames_, reading_, this);
    connect(job_, &platform::metadata::FactsReadJob::arrived, this, &RecipePreviewModel::FactsArrived);
    connect(job_, &platform::metadata::FactsReadJob::finished, this, &RecipePreviewModel::FactsRead);
    job_->start();
    emit ReadProgress();
}

void RecipePreviewModel::FactsArrived(const std::vector<platform::metadata::ArrivedFacts>& batch) {
    for (const platform::metadata::ArrivedFacts& arrived : batch)
        arrived_[arrived.index] = true;
    ShowChanges();
    emit ReadProgress();
}

void RecipePreviewModel::FactsRead() {
    // Read to the end or stopped: a file not read holds no values, as one that cannot be read, but for
    // those an earlier read found.
    std::vector<engine::recipes::FileFacts> values = job_->TakeFacts();
    if (facts_)
        for (std::size_t row = 0; row < values.size(); ++row)
            if (!arrived_[row])
                values[row] = facts_->values[row];
    job_->deleteLater();
    job_ = nullptr;
    known_ |= reading_;
    arrived_.clear();
    facts_ = std::make_shared<const RowFacts>(PointAt(std::move(values)));
    Advance();
    ShowChanges();
    emit ReadProgress();
}

void RecipePreviewModel::StopReading() {
    if (job_)
        job_->cancel();
}

std::optional<const engine::recipes::FileFacts*> RecipePreviewModel::FactsOf(std::size_t row) const {
    if (!recipe_ || recipe_->FactsNeeded().none())
        return facts_ ? facts_->pointers[row] : nullptr;
    if (Unknown().none())
        return facts_->pointers[row];
    if (job_ && (Unknown() & ~reading_).none() && arrived_[row])
        return &job_->Facts(row);
    return std::nullopt;
}

void RecipePreviewModel::StartRanking(CounterOrder order) {
    if (!ranking_.insert(order).second)
        return;
    // The ranks are the counter values from 0 in steps of 1; every start and step follows from them.
    engine::recipes::Recipe ranking;
    ranking.counter = {0, 1, 1, order};
    pool_.start([this, ranking, names = oldNames_, facts = facts_] {
        auto ranks = std::make_shared<const std::vector<long long>>(
            CountersOf(ranking, *names, facts ? *facts : RowFacts{}, OnAllCores()));
        QMetaObject::invokeMethod(
            this,
            [this, order = ranking.counter.order, ranks] {
                ranks_[order] = ranks;
                Advance();
                ShowChanges();
            },
            Qt::QueuedConnection);
    });
}

void RecipePreviewModel::StartRows() {
    const unsigned long long generation = *generation_;
    const CounterOrder order = recipe_->Source().counter.order;
    pool_.start([this, generation, current = generation_, recipe = *recipe_, names = oldNames_,
                 facts = facts_, ranks = NeedsRanking(order) ? ranks_.at(order) : nullptr] {
        const auto stale = [&] { return *current != generation; };
        if (stale())
            return;
        const engine::recipes::Counter& counter = recipe.Source().counter;
        std::vector<long long> counters(names->size());
        for (std::size_t row = 0; row < counters.size(); ++row)
            counters[row] =
                engine::recipes::CounterAt(counter, ranks ? (*ranks)[row] : static_cast<long long>(row));
        auto rows = WorkOutRows(recipe, *names, counters, facts ? *facts : RowFacts{}, stale, OnAllCores());
        if (!rows)
            return;
        std::vector<std::string> newNames(names->size());
        for (std::size_t row = 0; row < newNames.size(); ++row)
            newNames[row] = NewNameOf((*names)[row], rows->results[row]);
        auto shared = std::make_shared<std::pair<RecipeRows, std::vector<std::string>>>(std::move(*rows),
                                                                                        std::move(newNames));
        QMetaObject::invokeMethod(
            this,
            [this, generation, shared] {
                if (*generation_ != generation)
                    return;
                FreeOnWorker(std::nullopt, std::move(newNames_));
                rows_ = std::move(shared->first);
                newNames_ = std::move(shared->second);
                ShowChanges();
                emit Worked();
            },
            Qt::QueuedConnection);
    });
}

void RecipePreviewModel::FreeOn(QThreadPool& pool, std::optional<RecipeRows> rows,
                                std::vector<std::string> names) {
    if (!rows && names.empty())
        return;
    // The worker drops its copy of the job once run, and with it the last hold on the names.
    pool.start([rows = std::make_shared<std::optional<RecipeRows>>(std::move(rows)),
                names = std::make_shared<std::vector<std::string>>(std::move(names))] {});
}

void RecipePreviewModel::ShowChanges() {
    if (rowCount() > 0)
        emit dataChanged(index(0, NewColumn), index(rowCount() - 1, MarkColumn));
}

const std::vector<long long>* RecipePreviewModel::Ranks() const {
    const auto found = ranks_.find(recipe_->Source().counter.order);
    return found == ranks_.end() ? nullptr : found->second.get();
}

std::optional<long long> RecipePreviewModel::Counter(int row) const {
    const engine::recipes::Counter& counter = recipe_->Source().counter;
    if (!NeedsRanking(counter.order))
        return engine::recipes::CounterAt(counter, row);
    const std::vector<long long>* ranks = Ranks();
    if (!ranks)
        return std::nullopt;
    return engine::recipes::CounterAt(counter, (*ranks)[static_cast<std::size_t>(row)]);
}

std::vector<std::string> RecipePreviewModel::TakeNewNames() {
    return rows_ ? std::move(newNames_) : std::vector<std::string>(oldNames_->size());
}

QString RecipePreviewModel::Summary() const {
    if (!recipe_)
        return QString::fromStdString(error_);
    if (job_)
        return tr("Reading %1 of %2 files").arg(job_->delivered()).arg(job_->total());
    if (Waiting())
        return tr("Numbering the files...");
    if (!rows_)
        return tr("Checking the new names...");
    int renamed = 0;
    int marked = 0;
    for (const RowMark mark : rows_->marks) {
        renamed += mark == RowMark::None;
        marked += Marked(mark);
    }
    const QString files = renamed == 1 ? tr("%1 file renamed") : tr("%1 files renamed");
    return files.arg(renamed) + (marked == 0 ? QString() : tr(", %1 marked").arg(marked));
}

int RecipePreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(oldNames_->size());
}

int RecipePreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecipePreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const std::string& oldName = (*oldNames_)[row];
    const std::optional<RowMark> mark = rows_ ? std::optional(rows_->marks[row]) : std::nullopt;
    if (role == Qt::BackgroundRole)
        return mark && Marked(*mark) ? QVariant(QBrush(QColor(255, 224, 224))) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case OldColumn:
        return Shown(oldName);
    case NewColumn: {
        // The one row asked for, worked out now (as soon as its file is read, while others are still
        // being read); the same recipe gives the same name on the worker.
        if (!recipe_)
            return {};
        const std::optional<const engine::recipes::FileFacts*> facts = FactsOf(row);
        const std::optional<long long> counter = facts ? Counter(index.row()) : std::nullopt;
        if (!counter)
            return {};
        const engine::recipes::NameResult result = recipe_->Apply(oldName, *counter, *facts);
        return result.name == oldName ? QString() : Shown(result.name);
    }
    case MarkColumn:
        if (!mark)
            return {};
        if (*mark == RowMark::Missing && !rows_->results[row].missing.empty())
            return QString::fromStdString(rows_->results[row].missing);
        return QString::fromStdString(engine::recipes::MarkText(*mark));
    default:
        return {};
    }
}

QVariant RecipePreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OldColumn:
        return tr("Filename");
    case NewColumn:
        return tr("New Name");
    case MarkColumn:
        return tr("Note");
    default:
        return {};
    }
}

} // namespace rules
