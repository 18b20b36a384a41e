#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <initializer_list>
#include <iostream>
#include <utility>
#include <vector>

#include "PendingFile.h"
#include "TimingOverrides.h"
#include "Check.h"
#include "loading/PropertyListResourceFile.h"

namespace dorvane_host {

namespace {

constexpr int kMostPresses = 1000;
const char* const kPressRange = "expected a number of presses from 1 to 1000";
const char* const kBeyondTime = "is far beyond what the host's 32-bit time holds";

// An option given with its text, in the order the checks run.
struct Given {
    Given(const char* option_name, CLI::Option* added) : name(option_name), option(added) {}
    bool Present() const { return option->count() > 0; }
    // The value as typed; empty for --trace without a file.
    std::string Value() const { return option->results().empty() ? std::string() : option->results().front(); }

    const char* name;
    CLI::Option* option;
    std::string text;
};

// A whole number as a person types it: an optional minus and digits. One
// of more than 18 digits, beyond 64 bits, is refused for `too_large`.
std::optional<long long> WholeNumber(const Given& given, const std::string& text, const std::string& too_large) {
    const std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digits) return std::nullopt;
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    if (text.size() - digits > 18) throw OptionError(given.name, text, too_large);
    return std::stoll(text);
}

void RequireName(const Given& given) {
    if (given.Present() && given.text.empty()) throw OptionError(given.name, given.text, "expected a file name, found none");
}

// A file the run reads: its reason from the operating system, a folder
// named as one.
void RequireReadable(const Given& given, const std::string& path, const std::string& what) {
    if (IsDirectory(path)) throw OptionError(given.name, given.text, "is a directory, not " + what);
    const std::string reason = UnreadableReason(path);
    if (!reason.empty()) throw OptionError(given.name, given.text, "cannot be read: " + reason);
}

// The validator reads the plug-in and --json alone: the demo's options
// beside it would be ignored without a word, so they are refused; --level
// and --seed mean nothing without it.
void ReadValidation(ValidateOptions& validation, const Given& validate, const Given& list, const Given& level,
                    const Given& seed, const Given& json, std::initializer_list<const Given*> demo_options) {
    if (list.Present() && validate.Present()) {
        throw CommandLineError("--list: names the checks without running them; give it without --validate");
    }
    for (const Given* given : {&level, &seed}) {
        if (given->Present() && !validate.Present()) {
            throw OptionError(given->name, given->text, "is read only with --validate");
        }
    }
    if (!validation.Requested()) return;
    const std::string mode = list.Present() ? "--list" : "--validate";
    for (const Given* given : demo_options) {
        if (given->Present()) {
            throw CommandLineError(std::string(given->name) + ": not read by " + mode + "; give one or the other");
        }
    }
    if (list.Present() && json.Present()) {
        throw OptionError(json.name, json.text, "the report of a run; --list runs nothing");
    }
    if (level.Present()) {
        const std::string range = "expected a level from 1 to " + std::to_string(validator::kLevels);
        const std::optional<long long> number = WholeNumber(level, level.text, range);
        if (!number || *number < 1 || *number > validator::kLevels) throw OptionError(level.name, level.text, range);
        validation.level = static_cast<int>(*number);
    }
    if (seed.Present()) {
        const char* const seed_range = "expected a whole number from 0 to 18446744073709551615";
        const bool digits = !seed.text.empty() && seed.text.size() <= 20 &&
                            seed.text.find_first_not_of("0123456789") == std::string::npos;
        if (!digits) throw OptionError(seed.name, seed.text, seed_range);
        try {
            validation.seed = std::stoull(seed.text);
        } catch (const std::out_of_range&) {
            throw OptionError(seed.name, seed.text, seed_range);
        }
    }
}

}  // namespace

CommandLineError OptionError(const std::string& option, const std::string& value, const std::string& reason) {
    const bool quote = value.empty() || value.find_first_of(" \t'\"") != std::string::npos;
    return CommandLineError(option + " " + (quote ? "'" + value + "'" : value) + ": " + reason);
}

std::unique_ptr<PendingFile> OpenOutput(const char* option, const std::string& path) {
    if (path.empty()) return nullptr;
    try {
        return std::make_unique<PendingFile>(path);
    } catch (const FileError& e) {
        throw OptionError(option, path, std::string("cannot be written: ") + e.what());
    }
}

void CommitOutput(const char* option, PendingFile* file) {
    if (file == nullptr) return;
    try {
        file->Commit();
    } catch (const FileError& e) {
        throw std::runtime_error(option + std::string(" ") + file->Path() + ": could not be written: " + e.what());
    }
}

CommandLine ReadCommandLine(int argc, char** argv, const std::string& default_plugin) {
    CLI::App app{"Press Dorvane's \"Create Controls\" in the simulated host and show what it recorded"};
    // Every value is read as text and checked below, so that each mistake
    // gets a message of this program's own.
    app.allow_extras();
    CommandLine line;
    Options& options = line.options;
    std::string frames, in_point, presses;
    Given plugin{"--plugin", app.add_option("--plugin", options.plugin, "the built plug-in library (default: " +
                                                                         default_plugin + ")")
                                 ->type_name("FILE")};
    Given scene{"--scene", app.add_option("--scene", options.scene_file,
                                          "a scene file (JSON); the built-in scene if left out")
                               ->type_name("FILE")};
    Given fps{"--fps", app.add_option("--fps", options.fps, "the frame rate, above 0 and up to 1000: 24, 29.97, 30000/1001, 12.5, 2.5e1")
                           ->type_name("RATE")};
    Given frames_given{"--frames", app.add_option("--frames", frames, "the layer's length, in frames")->type_name("N")};
    Given in_point_given{"--in-point", app.add_option("--in-point", in_point, "the layer's in-point, in frames")->type_name("F")};
    Given presses_given{"--press", app.add_option("--press", presses, "press the button this many times (1 to 1000)")->type_name("N")};
    Given undo{"--undo", app.add_flag("--undo", options.undo, "undo the last press and check the project is as before it")};
    Given table{"--table", app.add_flag("--table", options.table, "print every recorded frame")};
    Given json{"--json", app.add_option("--json", options.json_file, "write every key to this JSON file")->type_name("FILE")};
    Given csv{"--csv", app.add_option("--csv", options.csv_file, "write every key to this CSV file")->type_name("FILE")};
    Given plot{"--plot", app.add_option("--plot", options.plot_file,
                                        "draw field of view and camera path into this SVG file")->type_name("FILE")};
    Given validate{"--validate", app.add_flag("--validate", options.validation.validate,
                                              "run the validator's checks on the plug-in instead of the demo "
                                              "(with --level, --seed and --json for a report)")};
    Given list{"--list", app.add_flag("--list", options.validation.list,
                                      "name every check of the validator and what it proves")};
    std::string level, seed;
    Given level_given{"--level", app.add_option("--level", level, "validate up to this level, 1 to 5 (default: all)")
                                     ->type_name("N")};
    Given seed_given{"--seed", app.add_option("--seed", seed, "the seed of the validator's random spans "
                                                             "(default: a fresh one, printed)")
                                   ->type_name("N")};
    Given trace{"--trace", app.add_option("--trace", options.trace_file,
                                          "print every host call, to standard error or to the file given")
                               ->expected(0, 1)
                               ->type_name("[FILE]")};
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        app.exit(e);
        line.help_shown = true;
        return line;
    } catch (const CLI::ArgumentMismatch& e) {
        // CLI11 names the option before a colon.
        const std::string what = e.what();
        const bool repeated = what.find("received") != std::string::npos;
        throw CommandLineError(what.substr(0, what.find(':')) +
                               (repeated ? ": given more than once; give it once" : ": expected a value after it, found none"));
    } catch (const CLI::ParseError& e) {
        throw CommandLineError(e.what());
    }
    for (const std::string& extra : app.remaining()) {
        throw CommandLineError(extra + ": " +
                               (extra.rfind("-", 0) == 0 ? "not an option of this program (--help lists them)"
                                                         : "a value without an option before it"));
    }
    for (Given* given : {&plugin, &scene, &fps, &frames_given, &in_point_given, &presses_given, &json, &csv, &plot,
                         &level_given, &seed_given}) {
        given->text = given->Value();
    }
    ReadValidation(options.validation, validate, list, level_given, seed_given, json,
                   {&scene, &fps, &frames_given, &in_point_given, &presses_given, &undo, &table, &csv, &plot, &trace});

    RequireName(plugin);
    if (!plugin.Present()) options.plugin = default_plugin;
    plugin.text = options.plugin;
    // A bare file name is a file in the current folder, as everywhere else
    // on the command line, not a library for the loader to search for.
    if (options.plugin.find('/') == std::string::npos) options.plugin = "./" + options.plugin;
    // A macOS bundle is a folder: what must be there to read is its code.
    RequireReadable(plugin, simhost::BundleCodePath(options.plugin), "a plug-in");
    if (options.validation.Requested()) {
        if (json.Present()) RequireName(json);
        return line;
    }

    RequireName(scene);
    if (scene.Present()) RequireReadable(scene, options.scene_file, "a scene file");

    if (fps.Present()) {
        try {
            options.frame_duration = FrameDurationOf(options.fps);
        } catch (const std::invalid_argument& e) {
            throw OptionError(fps.name, fps.text, e.what());
        }
    }
    if (frames_given.Present()) {
        options.frames = WholeNumber(frames_given, frames, kBeyondTime);
        if (!options.frames || *options.frames < 0) {
            throw OptionError(frames_given.name, frames, "expected a whole number of frames, 0 or more");
        }
    }
    if (in_point_given.Present()) {
        options.in_point = WholeNumber(in_point_given, in_point, kBeyondTime);
        if (!options.in_point) throw OptionError(in_point_given.name, in_point, "expected a whole number of frames");
    }
    if (presses_given.Present()) {
        const std::optional<long long> count = WholeNumber(presses_given, presses, kPressRange);
        if (!count || *count < 1 || *count > kMostPresses) {
            throw OptionError(presses_given.name, presses, kPressRange);
        }
        options.presses = static_cast<int>(*count);
    }

    options.trace = trace.Present();
    trace.text = trace.Value();
    // CLI11 reads a bare --trace and --trace '' alike: the second is told
    // from the arguments themselves.
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool empty_after = argument == "--trace" && i + 1 < argc && argv[i + 1][0] == '\0';
        if (empty_after || argument == "--trace=") throw OptionError(trace.name, "", "expected a file name, found none");
    }
    // Outputs are checked by making them (PendingFile), once the host has
    // read the plug-in and the scene; here only their names.
    std::vector<const Given*> outputs;
    for (const Given* given : {&json, &csv, &plot, &trace}) {
        if (!given->Present() || (given == &trace && given->text.empty())) continue;
        RequireName(*given);
        for (const Given* earlier : outputs) {
            if (earlier->text == given->text) {
                throw OptionError(given->name, given->text, std::string("is already the file of ") + earlier->name);
            }
        }
        outputs.push_back(given);
    }
    return line;
}

}  // namespace dorvane_host
