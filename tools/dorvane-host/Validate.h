// The validator's front-end: `--validate` runs the checks of a built
// plug-in level by level and reports each, `--list` names them.
#pragma once

#include "CommandLine.h"

namespace dorvane_host {

// Lists the checks, or runs them on the plug-in and writes the report to
// --json's file too; returns the exit code: 0 when every check passed.
// Throws CommandLineError, before any check runs, when the report's file
// cannot be written.
int RunValidation(const Options& options);

}  // namespace dorvane_host
