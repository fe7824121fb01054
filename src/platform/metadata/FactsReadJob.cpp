#include "platform/metadata/FactsReadJob.h"

namespace platform::metadata {

FactsReadJob::FactsReadJob(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted,
                           QObject* parent)
    : QObject(parent), reader_(reader), paths_(std::move(paths)), wanted_(wanted) {}

FactsReadJob::~FactsReadJob() {
    // The workers stop before the members they write to go away.
    pool_.reset();
}

void FactsReadJob::start() {
    if (!pool_)
        pool_ = std::make_unique<FactsPool>(reader_, paths_, wanted_, static_cast<FactsSink&>(*this));
}

void FactsReadJob::cancel() {
    if (pool_)
        pool_->Cancel();
}

void FactsReadJob::Arrived(std::size_t index, FileFacts facts) {
    std::lock_guard lock(mutex_);
    pending_.push_back({index, std::move(facts)});
    PostLocked();
}

void FactsReadJob::Finished(bool cancelled) {
    std::lock_guard lock(mutex_);
    finishedCancelled_ = cancelled;
    PostLocked();
}

void FactsReadJob::PostLocked() {
    if (posted_)
        return;
    posted_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Deliver(); }, Qt::QueuedConnection);
}

void FactsReadJob::Deliver() {
    std::vector<ArrivedFacts> batch;
    std::optional<bool> end;
    {
        std::lock_guard lock(mutex_);
        batch.swap(pending_);
        end = finishedCancelled_;
        posted_ = false;
    }
    if (!batch.empty()) {
        delivered_ += static_cast<qsizetype>(batch.size());
        emit arrived(batch);
        emit progress(delivered_, total());
    }
    if (end && !ended_) {
        ended_ = true;
        emit finished(*end);
    }
}

} // namespace platform::metadata
