#include "Validate.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>

#include "Checks.h"
#include "RunChecks.h"

namespace dorvane_host {

namespace {

// The demo's options, which mean nothing to the validator.
constexpr const char* kDemoOptions[] = {"--scene", "--fps",  "--frames", "--in-point", "--press",
                                        "--undo",  "--table", "--csv",   "--plot",     "--trace"};

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

// A report of several lines, such as the ledger's, on the check's one line.
std::string OneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, "; ");
    }
    return text;
}

void PrintResult(const validator::CheckResult& result) {
    std::cout << result.name << "  " << (result.passed ? "passed" : "FAILED") << "  " << Seconds(result.seconds);
    if (!result.passed) std::cout << "  expected " << OneLine(result.expected) << ", found " << OneLine(result.found);
    std::cout << std::endl;
}

void WriteReport(const std::string& path, const std::string& plugin, int level, std::uint64_t seed,
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
    std::ofstream file(path, std::ios::binary);
    file << report.dump(2) << "\n";
    if (!file) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace

void AddValidateOptions(CLI::App& app, ValidateOptions& options) {
    CLI::Option* validate =
        app.add_flag("--validate", options.validate, "run the validator's checks on the plug-in instead of the demo");
    CLI::Option* list = app.add_flag("--list", options.list, "name every check of the validator and what it proves");
    app.add_option("--level", options.level, "validate up to this level (1 to 5; default: all)")
        ->check(CLI::Range(1, validator::kLevels))
        ->needs(validate);
    app.add_option("--seed", options.seed, "the seed of the checks drawn at random (default: a fresh one)")
        ->needs(validate);
    for (const char* name : kDemoOptions) {
        if (CLI::Option* demo = app.get_option_no_throw(name)) {
            validate->excludes(demo);
            list->excludes(demo);
        }
    }
    list->excludes(validate);
}

int RunValidation(const ValidateOptions& options, const std::string& plugin, const std::string& json_file) {
    const std::vector<validator::Check> checks = validator::AllChecks();
    if (options.list) {
        PrintList(checks);
        return 0;
    }
    const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
    std::cout << "Validating " << plugin << ", levels 1 to " << options.level << ", seed " << seed << std::endl;
    const validator::CheckContext context{plugin, seed};
    const std::vector<validator::CheckResult> results =
        validator::RunChecks(checks, context, options.level, PrintResult);
    std::size_t failed = 0;
    for (const validator::CheckResult& result : results) failed += result.passed ? 0 : 1;
    if (!json_file.empty()) WriteReport(json_file, plugin, options.level, seed, results, failed);
    std::cout << results.size() - failed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}

}  // namespace dorvane_host
