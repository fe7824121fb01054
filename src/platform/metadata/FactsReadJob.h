#pragma once

#include "platform/metadata/FactsPool.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

namespace platform::metadata {

struct ArrivedFacts {
    std::size_t index; // into the list of paths the job reads
    FileFacts facts;
};

// A pool's read of many files as Qt signals on the thread that owns the job: the values come in batches
// as they arrive, with the count read so far, and the end once. Workers never wait for the event loop:
// what arrives while a batch is on its way joins the next batch. The job also keeps every file's values
// by index; a long list's paths and that store are made on a thread of the job's own, so that starting a
// read of a million files costs the owning thread nothing.
class FactsReadJob : public QObject, private FactsSink {
    Q_OBJECT
public:
    FactsReadJob(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted,
                 QObject* parent = nullptr);
    // The files of one folder, by their names.
    FactsReadJob(FileFactsReader& reader, std::string folder,
                 std::shared_ptr<const std::vector<std::string>> names, FactSet wanted,
                 QObject* parent = nullptr);
    ~FactsReadJob() override;

    // Starts the workers; connect the signals first.
    void start();
    // Stops after the files in hand; finished(true) follows unless every file had been read.
    void cancel();
    qsizetype total() const { return static_cast<qsizetype>(count_); }
    qsizetype delivered() const { return delivered_; }
    // The values of file `index`, once a batch that holds it has arrived.
    const FileFacts& Facts(std::size_t index) const { return values_[index]; }
    // Every file's values by index (empty for a file not read), handed over once after finished.
    std::vector<FileFacts> TakeFacts() { return std::move(values_); }

signals:
    void arrived(const std::vector<platform::metadata::ArrivedFacts>& batch);
    void progress(qsizetype done, qsizetype total);
    void finished(bool cancelled);

private:
    void Prepare();
    void Arrived(std::size_t index, FileFacts facts) override;
    void Finished(bool cancelled) override;
    void PostLocked();
    void Deliver();

    FileFactsReader& reader_;
    std::vector<std::string> paths_;
    const std::string folder_;
    const std::shared_ptr<const std::vector<std::string>> names_;
    const std::size_t count_;
    const FactSet wanted_;
    qsizetype delivered_ = 0;
    bool ended_ = false;
    // Written by the workers, each file's once, before it joins a batch.
    std::vector<FileFacts> values_;

    // Asked by cancel and seen by the workers at once, also while the pool is still being made.
    std::stop_source stop_;
    std::mutex mutex_; // guards the four below, shared with the workers and the preparing thread
    std::vector<ArrivedFacts> pending_;
    std::optional<bool> finishedCancelled_;
    bool posted_ = false;
    std::unique_ptr<FactsPool> pool_;

    std::thread preparing_;
};

} // namespace platform::metadata
