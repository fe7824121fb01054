#pragma once

#include "main/Dialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fakes {

// Answers the window's questions from a script and records the text of every box shown.
class DialogsRecorder : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected confirmation: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // A failed rename's box: its text joins the messages, its reason the reasons.
    void ShowFailure(const std::string& text, const std::string& reason) override {
        messages.push_back(text);
        reasons.push_back(reason);
    }
    // The failure box that also offers "Skip All" and "Stop"; its text joins the messages, and it is
    // answered from its own script (OK when that has run out).
    engine::FailureAnswer AskAfterFailure(const std::string& text, const std::string& reason) override {
        messages.push_back(text);
        reasons.push_back(reason);
        if (failureAnswers.empty())
            return engine::FailureAnswer::GoOn;
        const auto answer = failureAnswers.front();
        failureAnswers.pop_front();
        return answer;
    }
    bool None() const { return messages.empty() && questions.empty(); }
    void Clear() {
        messages.clear();
        questions.clear();
    }

    std::vector<std::string> messages;
    std::vector<std::string> reasons; // of the failed renames' boxes, in order
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::deque<engine::FailureAnswer> failureAnswers;
};

} // namespace fakes
