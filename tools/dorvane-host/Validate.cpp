#include "Validate.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>
#include <ostream>
#include <iostream>
#include <random>

#include "Check.h"
#include "Checks.h"
#include "PendingFile.h"
#include "RunChecks.h"
#include "Wording.h"

namespace dorvane_host {

namespace {

void PrintList(const std::vector<validator::Check>& checks) {
    for (const validator::Check& check : checks) {
        std::cout << check.level << "  " << check.name << "\n   " << check.description << "\n";
    }
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f s", seconds);
    return text;
}

void PrintResult(const validator::CheckResult& result) {
    std::cout << result.name << "  " << (result.passed ? "passed" : "FAILED") << "  " << Seconds(result.seconds);
    if (!result.passed) std::cout << "  expected " << OneLine(result.expected, "; ") << ", found " << OneLine(result.found, "; ");
    std::cout << std::endl;
}

void WriteReport(std::ostream& file, const std::string& plugin, int level, std::uint64_t seed,
                 const std::vector<validator::CheckResult>& results, std::size_t failed) {
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const validator::CheckResult& result : results) {
        nlohmann::ordered_json check = {{"name", result.name},
                                        {"level", result.level},
                                        {"passed", result.passed},
                                        {"seconds", result.seconds}};
        if (!result.passed) {
            check["expected"] = result.expected;
            check["found"] = result.found;
        }
        checks.push_back(std::move(check));
    }
    const nlohmann::ordered_json report = {{"format", "dorvane-validation"},
                                           {"version", 1},
                                           {"plugin", plugin},
                                           {"level", level},
                                           {"seed", seed},
                                           {"checks", checks},
                                           {"passed", results.size() - failed},
                                           {"failed", failed}};
    file << report.dump(2) << "\n";
}

}  // namespace

int RunValidation(const Options& options) {
    const ValidateOptions& validation = options.validation;
    const std::vector<validator::Check> checks = validator::AllChecks();
    if (validation.list) {
        PrintList(checks);
        return 0;
    }
    // The report's file is made before the first check, so a folder that
    // cannot take it is found at once.
    const std::unique_ptr<PendingFile> report = OpenOutput("--json", options.json_file);
    const int level = validation.level == 0 ? validator::kLevels : validation.level;
    const std::uint64_t seed = validation.seed ? *validation.seed : std::random_device{}();
    std::cout << "Validating " << options.plugin << ", levels 1 to " << level << ", seed " << seed << std::endl;
    const validator::CheckContext context{options.plugin, seed};
    const std::vector<validator::CheckResult> results = validator::RunChecks(checks, context, level, PrintResult);
    std::size_t failed = 0;
    for (const validator::CheckResult& result : results) failed += result.passed ? 0 : 1;
    if (report) {
        WriteReport(report->Stream(), options.plugin, level, seed, results, failed);
        CommitOutput("--json", report.get());
    }
    std::cout << results.size() - failed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}

}  // namespace dorvane_host
