#include "platform/metadata/FactsPool.h"

#include "FakeFactsReaders.h"
#include "WaitUntil.h"
#include "platform/metadata/FactsReadJob.h"

#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <stop_token>
#include <thread>

namespace {

using engine::recipes::FactBit;
using platform::metadata::Fact;
using platform::metadata::FactsPool;
using platform::metadata::FileFacts;

std::vector<std::string> Paths(std::size_t count) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < count; ++i)
        paths.push_back("/photos/" + std::to_string(i) + ".jpg");
    return paths;
}

// Records what the pool hands over, from whichever thread.
class RecordingSink : public platform::metadata::FactsSink {
public:
    void Arrived(std::size_t index, FileFacts facts) override {
        std::lock_guard lock(mutex);
        indices.push_back(index);
        cameras.push_back(facts.camera.value_or(""));
        threads.insert(std::this_thread::get_id());
    }
    void Finished(bool cancelled) override {
        std::lock_guard lock(mutex);
        ends.push_back(cancelled);
        arrivedAtEnd = indices.size();
    }

    std::mutex mutex;
    std::vector<std::size_t> indices;
    std::vector<std::string> cameras;
    std::set<std::thread::id> threads;
    std::vector<bool> ends;
    std::size_t arrivedAtEnd = 0;
};

TEST(FactsPoolTest, EveryFileArrivesOnceThenTheEnd) {
    fakes::RecordingFactsReader reader;
    RecordingSink sink;
    const auto paths = Paths(300);
    FactsPool pool(reader, paths, FactBit(Fact::Camera), sink);
    pool.Wait();
    std::vector<std::size_t> expected(paths.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::vector<std::size_t> sorted = sink.indices;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected);
    for (std::size_t i = 0; i < sink.indices.size(); ++i)
        EXPECT_EQ(sink.cameras[i], "camera of " + paths[sink.indices[i]]);
    EXPECT_EQ(sink.ends, std::vector<bool>{false});
    EXPECT_EQ(sink.arrivedAtEnd, paths.size());
    EXPECT_EQ(pool.Done(), paths.size());
}

TEST(FactsPoolTest, NoMoreWorkersThanCoresOrFiles) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    EXPECT_EQ(FactsPool::WorkersFor(0), 0u);
    EXPECT_EQ(FactsPool::WorkersFor(1), 1u);
    EXPECT_EQ(FactsPool::WorkersFor(100'000), cores);
    fakes::RecordingFactsReader reader;
    RecordingSink sink;
    FactsPool pool(reader, Paths(500), FactBit(Fact::Camera), sink, 64);
    pool.Wait();
    EXPECT_LE(sink.threads.size(), cores);
}

TEST(FactsPoolTest, NoFilesEndsAtOnce) {
    fakes::RecordingFactsReader reader;
    RecordingSink sink;
    FactsPool pool(reader, {}, FactBit(Fact::Camera), sink);
    EXPECT_EQ(sink.ends, std::vector<bool>{false});
    EXPECT_TRUE(reader.Asked().empty());
}

TEST(FactsPoolTest, CancelDuringAReadStopsAfterTheFilesInHand) {
    fakes::RecordingFactsReader reader;
    reader.hold = true;
    RecordingSink sink;
    const auto paths = Paths(100);
    FactsPool pool(reader, paths, FactBit(Fact::Camera), sink);
    const int workers = static_cast<int>(FactsPool::WorkersFor(paths.size()));
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() == workers; }));
    pool.Cancel();
    reader.gate.Release();
    pool.Wait();
    EXPECT_EQ(sink.indices.size(), static_cast<std::size_t>(workers));
    EXPECT_EQ(reader.Asked().size(), static_cast<std::size_t>(workers));
    EXPECT_EQ(sink.ends, std::vector<bool>{true});
}

// The job that owns a pool asks for the stop through a token: the workers see it at once, also when it
// comes before the job has the pool in hand (a Cancel clicked as the reading starts on a busy machine).
TEST(FactsPoolTest, AStopAskedThroughTheTokenStopsAfterTheFilesInHand) {
    fakes::RecordingFactsReader reader;
    reader.hold = true;
    RecordingSink sink;
    std::stop_source stop;
    const auto paths = Paths(100);
    FactsPool pool(reader, paths, FactBit(Fact::Camera), sink, 0, stop.get_token());
    const int workers = static_cast<int>(FactsPool::WorkersFor(paths.size()));
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() == workers; }));
    stop.request_stop();
    reader.gate.Release();
    pool.Wait();
    EXPECT_EQ(sink.indices.size(), static_cast<std::size_t>(workers));
    EXPECT_EQ(sink.ends, std::vector<bool>{true});
}

class FactsReadJobTest : public testing::Test {
protected:
    void Watch(platform::metadata::FactsReadJob& job) {
        QObject::connect(&job, &platform::metadata::FactsReadJob::arrived, [this](const auto& batch) {
            onWindowThread = onWindowThread && QThread::currentThread() == qApp->thread();
            for (const auto& arrived : batch)
                indices.push_back(arrived.index);
        });
        QObject::connect(&job, &platform::metadata::FactsReadJob::progress,
                         [this](qsizetype done, qsizetype total) { progress.emplace_back(done, total); });
        QObject::connect(&job, &platform::metadata::FactsReadJob::finished, [this](bool cancelled) {
            ends.push_back(cancelled);
            arrivedAtEnd = indices.size();
        });
    }

    fakes::RecordingFactsReader reader;
    bool onWindowThread = true;
    std::vector<std::size_t> indices;
    std::vector<std::pair<qsizetype, qsizetype>> progress;
    std::vector<bool> ends;
    std::size_t arrivedAtEnd = 0;
};

TEST_F(FactsReadJobTest, ValuesArriveOnTheWindowThreadWithProgressThenTheEnd) {
    platform::metadata::FactsReadJob job(reader, Paths(200), FactBit(Fact::Camera));
    Watch(job);
    job.start();
    ASSERT_TRUE(WaitUntil([&] { return !ends.empty(); }));
    EXPECT_TRUE(onWindowThread);
    std::sort(indices.begin(), indices.end());
    EXPECT_EQ(std::unique(indices.begin(), indices.end()), indices.end());
    EXPECT_EQ(indices.size(), 200u);
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), std::make_pair(qsizetype{200}, qsizetype{200}));
    EXPECT_EQ(ends, std::vector<bool>{false});
    EXPECT_EQ(arrivedAtEnd, 200u);
}

TEST_F(FactsReadJobTest, CancelDuringAReadEndsCancelledWithThePartRead) {
    reader.hold = true;
    platform::metadata::FactsReadJob job(reader, Paths(100), FactBit(Fact::Camera));
    Watch(job);
    job.start();
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() > 0; }));
    job.cancel();
    reader.gate.Release();
    ASSERT_TRUE(WaitUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends, std::vector<bool>{true});
    EXPECT_LT(indices.size(), 100u);
    EXPECT_EQ(static_cast<std::size_t>(job.delivered()), indices.size());
    EXPECT_EQ(reader.Asked().size(), indices.size());
}

TEST_F(FactsReadJobTest, ClosingDuringAReadStopsTheWorkers) {
    reader.hold = true;
    auto job = std::make_unique<platform::metadata::FactsReadJob>(reader, Paths(100), FactBit(Fact::Camera));
    Watch(*job);
    job->start();
    ASSERT_TRUE(WaitUntil([&] { return reader.Entered() > 0; }));
    job->cancel();
    reader.gate.Release();
    job.reset();
    const std::size_t asked = reader.Asked().size();
    QCoreApplication::processEvents();
    EXPECT_LT(asked, 100u);
    EXPECT_TRUE(indices.empty()) << "nothing is delivered from a job that is gone";
}

TEST_F(FactsReadJobTest, ReadsAFolderByNamesAndKeepsEveryValueByIndex) {
    const auto names =
        std::make_shared<const std::vector<std::string>>(std::vector<std::string>{"b.jpg", "a.jpg"});
    platform::metadata::FactsReadJob job(reader, "/photos", names, FactBit(Fact::Camera));
    Watch(job);
    job.start();
    ASSERT_TRUE(WaitUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(job.total(), 2);
    EXPECT_EQ(job.Facts(1).camera, "camera of /photos/a.jpg");
    const std::vector<FileFacts> facts = job.TakeFacts();
    ASSERT_EQ(facts.size(), 2u);
    EXPECT_EQ(facts[0].camera, "camera of /photos/b.jpg");
    EXPECT_EQ(facts[1].camera, "camera of /photos/a.jpg");
    EXPECT_FALSE(facts[0].title) << "only what was asked for";
}

TEST_F(FactsReadJobTest, CancelledBeforeItsWorkersStartItEndsCancelledHavingReadNothing) {
    platform::metadata::FactsReadJob job(reader, Paths(50), FactBit(Fact::Camera));
    Watch(job);
    job.cancel();
    job.start();
    ASSERT_TRUE(WaitUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends, std::vector<bool>{true});
    EXPECT_TRUE(reader.Asked().empty());
    EXPECT_EQ(job.TakeFacts().size(), 50u);
}

} // namespace
