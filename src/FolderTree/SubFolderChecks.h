#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

class TFolderNodeItem;

// The open sub-folder question of one node. The node holds it; an answer whose question has gone with its
// node is dropped.
struct SubFolderQuestion {
    TFolderNodeItem* node = nullptr;
};

// Sub-folder questions that would read a whole folder (one of a million files) are answered one after
// another on a worker thread of their own, so that the window never waits for them; each answer comes back
// on the user-interface thread to the node that asked, if it is still there.
class SubFolderChecks {
public:
    using Settle = std::function<void(TFolderNodeItem& node, bool hasSubFolder)>;

    explicit SubFolderChecks(Settle settle);
    // Waits for the check under way; the questions still waiting are dropped.
    ~SubFolderChecks();
    SubFolderChecks(const SubFolderChecks&) = delete;
    SubFolderChecks& operator=(const SubFolderChecks&) = delete;

    // Asks check (work that may run on any thread) about node, unless node has a question open already.
    void Ask(TFolderNodeItem& node, std::function<bool()> check);
    // The same, but the question waits aside for Tell instead of going to the worker: someone who reads the
    // folder in full anyway (the window's file list) is to answer it. A question of node still waiting for
    // the worker is taken aside as well.
    void AskLater(TFolderNodeItem& node, std::function<bool()> check);
    // Answers the questions waiting aside whose node matches; with no answer, and for every other node, the
    // questions go to the worker after all.
    void Tell(const std::function<bool(const TFolderNodeItem&)>& matches, std::optional<bool> hasSubFolder);
    // to, made afresh in the place of from, takes over from's open question (or none, when from has none).
    static void TakeOver(TFolderNodeItem& to, TFolderNodeItem& from);
    static bool Asked(const TFolderNodeItem& node);

private:
    struct Request {
        std::weak_ptr<SubFolderQuestion> question;
        std::function<bool()> check;
    };
    struct Answer {
        std::weak_ptr<SubFolderQuestion> question;
        bool hasSubFolder = true;
    };

    void Work();
    void Deliver();
    void Send(std::vector<Request> requests);

    Settle settle_;
    // Receives the answers on the user-interface thread; what is posted to it dies with it.
    QObject receiver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> requests_;
    std::vector<Request> aside_; // on the user-interface thread only
    std::vector<Answer> answers_;
    bool stopping_ = false;
    std::thread worker_;
};
