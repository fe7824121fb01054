#include "platform/metadata/FactsReadJob.h"

namespace platform::metadata {

FactsReadJob::FactsReadJob(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted,
                           QObject* parent)
    : QObject(parent), reader_(reader), paths_(std::move(paths)), count_(paths_.size()), wanted_(wanted) {}

FactsReadJob::FactsReadJob(FileFactsReader& reader, std::string folder,
                           std::shared_ptr<const std::vector<std::string>> names, FactSet wanted,
                           QObject* parent)
    : QObject(parent), reader_(reader), folder_(std::move(folder)), names_(std::move(names)),
      count_(names_->size()), wanted_(wanted) {}

FactsReadJob::~FactsReadJob() {
    cancel();
    // The workers stop before the members they write to go away.
    if (preparing_.joinable())
        preparing_.join();
    pool_.reset();
}

void FactsReadJob::start() {
    if (!preparing_.joinable())
        preparing_ = std::thread([this] { Prepare(); });
}

void FactsReadJob::Prepare() {
    if (names_) {
        paths_.reserve(names_->size());
        for (const std::string& name : *names_)
            paths_.push_back(folder_ + "/" + name);
    }
    values_.resize(count_);
    if (stop_.stop_requested()) {
        std::lock_guard lock(mutex_);
        finishedCancelled_ = count_ > 0;
        PostLocked();
        return;
    }
    // The pool's workers start at once and see a cancel through the token, even one that comes before
    // the pool is stored below; they take the lock to hand over what they read.
    auto pool = std::make_unique<FactsPool>(reader_, std::move(paths_), wanted_,
                                            static_cast<FactsSink&>(*this), 0, stop_.get_token());
    std::lock_guard lock(mutex_);
    pool_ = std::move(pool);
}

void FactsReadJob::cancel() {
    stop_.request_stop();
}

void FactsReadJob::Arrived(std::size_t index, FileFacts facts) {
    values_[index] = facts;
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
