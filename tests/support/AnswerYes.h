#pragma once

#include "engine/batch/BatchPrompts.h"

#include <string>
#include <vector>

namespace fakes {

// A batch's prompts for tests that look at the disk: every clash is answered Yes, failures are recorded.
class AnswerYes : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { return true; }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    std::vector<std::string> failures;
};

} // namespace fakes
