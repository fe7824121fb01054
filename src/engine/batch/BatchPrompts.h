#pragma once

#include <string>

namespace engine {

// What the user answers to a failed rename while the batch has more renames to go.
enum class FailureAnswer {
    GoOn,    // OK: report the next failure the same way
    SkipAll, // go on, and gather every further failure into one report at the end
    Stop,    // end the batch here
};

// The questions and reports of a batch; the window answers them with message boxes and shows its progress.
class BatchPrompts {
public:
    virtual ~BatchPrompts() = default;
    // The clash question; true (Yes) goes on, false (No) ends the batch before anything is renamed.
    virtual bool ConfirmClash(const std::string& text) = 0;
    // Any other question of the batch, or of an undo, in the same confirmation box; true is Yes.
    virtual bool Confirm(const std::string& text) { return ConfirmClash(text); }
    virtual void ReportFailure(const std::string& text) = 0;
    // A failed rename while more renames are to come. Reported like any other failure unless the
    // window offers more than OK.
    virtual FailureAnswer AskAfterFailure(const std::string& text) {
        ReportFailure(text);
        return FailureAnswer::GoOn;
    }
    // A failed rename with the reason for it, which the window shows apart from the text. By default
    // reported as above, without the reason.
    virtual void ReportRenameFailure(const std::string& text, const std::string& /*reason*/) {
        ReportFailure(text);
    }
    virtual FailureAnswer AskAfterRenameFailure(const std::string& text, const std::string& /*reason*/) {
        return AskAfterFailure(text);
    }
    // Called before each rename with the number of renames tried so far and the number the batch holds;
    // false ends the batch before that rename, so a stop always falls between two renames.
    virtual bool Proceed(int /*tried*/, int /*total*/) { return true; }
};

} // namespace engine
