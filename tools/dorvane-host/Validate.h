// The validator's front-end: `--validate` runs the checks of a built
// plug-in level by level and reports each, `--list` names them.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace dorvane_host {

struct ValidateOptions {
    bool validate = false;
    bool list = false;
    int level = 5;
    std::optional<std::uint64_t> seed;  // drawn afresh, and printed, when not given
};

// Adds --validate, --list, --level and --seed to the program's options;
// the demo's own options are refused beside --validate.
void AddValidateOptions(CLI::App& app, ValidateOptions& options);

// Whether the command line asked for the validator rather than the demo.
inline bool ValidationRequested(const ValidateOptions& options) { return options.validate || options.list; }

// Lists the checks, or runs them on `plugin` and writes the report to
// `json_file` too when it is not empty; returns the exit code: 0 when every
// check passed.
int RunValidation(const ValidateOptions& options, const std::string& plugin, const std::string& json_file);

}  // namespace dorvane_host
