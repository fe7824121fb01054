#pragma once

#include "engine/BatchRename.h"

#include <string>

namespace fakes {

// A batch's prompts for tests that only look at the disk: every clash is answered Yes, failures are counted.
class AnswerYes : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { return true; }
    void ReportFailure(const std::string&) override { ++failures; }
    int failures = 0;
};

} // namespace fakes
