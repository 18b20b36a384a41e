// Runs checks one after another and times each: a check that throws
// anything at all has failed, and the run goes on with the next.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Check.h"

namespace validator {

struct CheckResult {
    std::string name;
    int level = 0;
    bool passed = false;
    double seconds = 0.0;
    std::string expected;  // on failure
    std::string found;
};

// Runs every check of level `max_level` or below; `on_result` hears of each
// as it ends.
std::vector<CheckResult> RunChecks(const std::vector<Check>& checks, const CheckContext& context, int max_level,
                                   const std::function<void(const CheckResult&)>& on_result);

// Runs one check.
CheckResult RunCheck(const Check& check, const CheckContext& context);

}  // namespace validator
