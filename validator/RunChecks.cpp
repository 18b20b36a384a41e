#include "RunChecks.h"

#include <chrono>
#include <exception>

namespace validator {

CheckResult RunCheck(const Check& check, const CheckContext& context) {
    CheckResult result;
    result.name = check.name;
    result.level = check.level;
    const auto started = std::chrono::steady_clock::now();
    try {
        check.run(context);
        result.passed = true;
    } catch (const CheckFailure& failure) {
        result.expected = failure.Expected();
        result.found = failure.Found();
    } catch (const std::exception& error) {
        result.expected = "the check to run to its end";
        result.found = error.what();
    } catch (...) {
        result.expected = "the check to run to its end";
        result.found = "an exception of unknown type";
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}

std::vector<CheckResult> RunChecks(const std::vector<Check>& checks, const CheckContext& context, int max_level,
                                   const std::function<void(const CheckResult&)>& on_result) {
    std::vector<CheckResult> results;
    for (const Check& check : checks) {
        if (check.level > max_level) continue;
        results.push_back(RunCheck(check, context));
        if (on_result) on_result(results.back());
    }
    return results;
}

}  // namespace validator
