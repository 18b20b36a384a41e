// The demo program's options: read, checked and turned into what the run
// needs, in one place. Every mistake is one line naming the option, the
// value and the reason, found before anything is pressed or written.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "A.h"
#include "PendingFile.h"

namespace dorvane_host {

// A mistake on the command line: "--fps 1e9: 1e9 is above 1000; ...".
class CommandLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "--OPTION VALUE: REASON", the value quoted when it is empty or holds a
// space.
CommandLineError OptionError(const std::string& option, const std::string& value, const std::string& reason);

// --validate and --list: the validator's checks instead of the demo.
struct ValidateOptions {
    bool validate = false;
    bool list = false;
    int level = 0;                      // the last level run; 0: all
    std::optional<std::uint64_t> seed;  // drawn afresh, and printed, when not given
    bool Requested() const { return validate || list; }
};

struct Options {
    std::string plugin;
    std::string scene_file;  // empty: the built-in scene
    std::string fps;         // as given, for messages
    std::optional<A_Time> frame_duration;
    std::optional<long long> frames;
    std::optional<long long> in_point;
    int presses = 1;
    bool undo = false;
    bool table = false;
    std::string json_file, csv_file, plot_file;  // empty: not asked for
    bool trace = false;
    std::string trace_file;  // empty: standard error
    ValidateOptions validation;  // with --validate, only plugin and json_file are read
};

struct CommandLine {
    Options options;
    bool help_shown = false;  // --help: the options were printed, nothing to run
};

// The file an output option names, made before anything is pressed (null
// for no name); throws CommandLineError naming the option when it cannot be
// written.
std::unique_ptr<PendingFile> OpenOutput(const char* option, const std::string& path);
// Gives a made output its name once whole (nothing for null); throws
// std::runtime_error naming the option and the file when that fails.
void CommitOutput(const char* option, PendingFile* file);

// Reads the arguments and checks what can be checked without the host:
// names are not empty, numbers are in range, the plug-in and the scene file
// can be read, no two outputs share a file. The plug-in defaults to
// `default_plugin`; a bare file name is taken in the current folder.
// Throws CommandLineError.
CommandLine ReadCommandLine(int argc, char** argv, const std::string& default_plugin);

}  // namespace dorvane_host
