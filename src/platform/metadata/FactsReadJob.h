#pragma once

#include "platform/metadata/FactsPool.h"

#include <QObject>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace platform::metadata {

struct ArrivedFacts {
    std::size_t index; // into the list of paths the job reads
    FileFacts facts;
};

// A pool's read of many files as Qt signals on the thread that owns the job: the values come in batches
// as they arrive, with the count read so far, and the end once. Workers never wait for the event loop:
// what arrives while a batch is on its way joins the next batch.
class FactsReadJob : public QObject, private FactsSink {
    Q_OBJECT
public:
    FactsReadJob(FileFactsReader& reader, std::vector<std::string> paths, FactSet wanted,
                 QObject* parent = nullptr);
    ~FactsReadJob() override;

    // Starts the workers; connect the signals first.
    void start();
    // Stops after the files in hand; finished(true) follows unless every file had been read.
    void cancel();
    qsizetype total() const { return static_cast<qsizetype>(paths_.size()); }
    qsizetype delivered() const { return delivered_; }

signals:
    void arrived(const std::vector<platform::metadata::ArrivedFacts>& batch);
    void progress(qsizetype done, qsizetype total);
    void finished(bool cancelled);

private:
    void Arrived(std::size_t index, FileFacts facts) override;
    void Finished(bool cancelled) override;
    void PostLocked();
    void Deliver();

    FileFactsReader& reader_;
    std::vector<std::string> paths_;
    const FactSet wanted_;
    qsizetype delivered_ = 0;
    bool ended_ = false;

    std::mutex mutex_; // guards the three below, shared with the workers
    std::vector<ArrivedFacts> pending_;
    std::optional<bool> finishedCancelled_;
    bool posted_ = false;

    std::unique_ptr<FactsPool> pool_;
};

} // namespace platform::metadata
