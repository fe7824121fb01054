#include "SubFolderChecks.h"

#include "FolderNode.h"

#include <algorithm>

SubFolderChecks::SubFolderChecks(Settle settle) : settle_(std::move(settle)) {}

SubFolderChecks::~SubFolderChecks() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        requests_.clear();
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void SubFolderChecks::Ask(TFolderNodeItem& node, std::function<bool()> check) {
    if (Asked(node) || !check)
        return;
    node.SubFolderAsked = std::make_shared<SubFolderQuestion>(SubFolderQuestion{&node});
    std::vector<Request> one;
    one.push_back({node.SubFolderAsked, std::move(check)});
    Send(std::move(one));
}

void SubFolderChecks::AskLater(TFolderNodeItem& node, std::function<bool()> check) {
    if (Asked(node)) {
        // Not begun yet: it waits aside instead.
        const std::lock_guard lock(mutex_);
        const auto queued = std::find_if(requests_.begin(), requests_.end(), [&node](const Request& request) {
            return request.question.lock() == node.SubFolderAsked;
        });
        if (queued != requests_.end()) {
            aside_.push_back(std::move(*queued));
            requests_.erase(queued);
        }
        return;
    }
    if (!check)
        return;
    node.SubFolderAsked = std::make_shared<SubFolderQuestion>(SubFolderQuestion{&node});
    aside_.push_back({node.SubFolderAsked, std::move(check)});
}

void SubFolderChecks::Tell(const std::function<bool(const TFolderNodeItem&)>& matches,
                           std::optional<bool> hasSubFolder) {
    std::vector<Request> waiting;
    waiting.swap(aside_);
    std::vector<Request> unanswered;
    for (Request& request : waiting) {
        const std::shared_ptr<SubFolderQuestion> question = request.question.lock();
        if (!question || !question->node)
            continue; // its node has gone
        TFolderNodeItem& node = *question->node;
        if (hasSubFolder && matches(node)) {
            node.SubFolderAsked.reset();
            settle_(node, *hasSubFolder);
        } else {
            unanswered.push_back(std::move(request));
        }
    }
    Send(std::move(unanswered));
}

void SubFolderChecks::Send(std::vector<Request> requests) {
    if (requests.empty())
        return;
    {
        const std::lock_guard lock(mutex_);
        for (Request& request : requests)
            requests_.push_back(std::move(request));
    }
    // The worker starts with the first question: most trees never ask one.
    if (!worker_.joinable())
        worker_ = std::thread([this] { Work(); });
    wake_.notify_one();
}

void SubFolderChecks::TakeOver(TFolderNodeItem& to, TFolderNodeItem& from) {
    // An older question of to's own is dropped with it: from's look at the folder is the newer one.
    to.SubFolderAsked = std::move(from.SubFolderAsked);
    if (to.SubFolderAsked)
        to.SubFolderAsked->node = &to;
}

bool SubFolderChecks::Asked(const TFolderNodeItem& node) {
    return node.SubFolderAsked != nullptr;
}

void SubFolderChecks::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
        if (stopping_)
            return;
        Request request = std::move(requests_.front());
        requests_.pop_front();
        // A node deleted meanwhile (its folder's parent folded away and listed afresh) needs no answer.
        if (request.question.expired())
            continue;
        lock.unlock();
        bool hasSubFolder = true;
        try {
            hasSubFolder = request.check();
        } catch (...) {
            // The expand button stays: expanding the folder lists it, which tells.
        }
        lock.lock();
        // One delivery carries every answer that came in before it ran.
        const bool first = answers_.empty();
        answers_.push_back({std::move(request.question), hasSubFolder});
        if (first)
            QMetaObject::invokeMethod(
                &receiver_, [this] { Deliver(); }, Qt::QueuedConnection);
    }
}

void SubFolderChecks::Deliver() {
    std::vector<Answer> answers;
    {
        const std::lock_guard lock(mutex_);
        answers.swap(answers_);
    }
    for (const Answer& answer : answers) {
        const std::shared_ptr<SubFolderQuestion> question = answer.question.lock();
        if (!question || !question->node)
            continue;
        TFolderNodeItem& node = *question->node;
        node.SubFolderAsked.reset();
        settle_(node, answer.hasSubFolder);
    }
}
