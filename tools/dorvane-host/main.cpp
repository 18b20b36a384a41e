// Loads the plug-in into the simulated host, runs the commands a host sends
// when it first meets an effect, presses "Create Controls" in a scene (the
// built-in one, or one read from a file), and shows what was recorded: a
// summary in words, and on request a per-frame table, JSON and CSV exports,
// an SVG plot and the host calls.

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CommandLine.h"
#include "Exports.h"
#include "FrameTable.h"
#include "Host.h"
#include "HostNames.h"
#include "PendingFile.h"
#include "Plot.h"
#include "PressProgress.h"
#include "PressReport.h"
#include "PressWarnings.h"
#include "Recording.h"
#include "SceneFile.h"
#include "ShortestNumber.h"
#include "TimingOverrides.h"
#include "Validate.h"
#include "Wording.h"
#include "scenes/DemoScene.h"
#include "project/ProjectDump.h"

namespace {

using namespace dorvane_host;

constexpr int kBadInput = 2;
// The most frames a press is asked to key: four and a half hours at 60
// fps. Beyond it a scene or an option would keep the program busy for
// minutes and its five controls' keys would fill gigabytes.
constexpr long long kMostFrames = 1000000;

// The files the run writes, made before the press so that a name that
// cannot be written is found first, and given their names once written.
struct Outputs {
    std::unique_ptr<PendingFile> json, csv, plot, trace;

    explicit Outputs(const Options& options) {
        json = OpenOutput("--json", options.json_file);
        csv = OpenOutput("--csv", options.csv_file);
        plot = OpenOutput("--plot", options.plot_file);
        if (options.trace) trace = OpenOutput("--trace", options.trace_file);
    }
};

// Where the host calls go: each command's calls, printed as it ends, to
// standard error or to the file given.
class TraceOutput {
public:
    TraceOutput(PendingFile* file, simhost::Host& host) : host_(host) {
        host_.PrintTraceTo(file != nullptr ? &file->Stream() : &std::cerr);
    }
    ~TraceOutput() { host_.PrintTraceTo(nullptr); }
    TraceOutput(const TraceOutput&) = delete;
    TraceOutput& operator=(const TraceOutput&) = delete;

private:
    simhost::Host& host_;
};

void Line(const std::string& label, const std::string& text) {
    std::cout << label << std::string(label.size() < 16 ? 16 - label.size() : 1, ' ') << text << "\n";
}

void Lines(const std::string& label, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) Line(i == 0 ? label : "", lines[i]);
}

int Fail(const char* step, PF_Err err) {
    std::cerr << step << " failed with host error " << err << "\n";
    return 1;
}

// The six controls after the press the exports hold: the last one.
void PrintControls(const Recording& recording, int press, bool undo) {
    std::printf("\nControls after press %d%s:\n", press,
                undo ? ", as the exports hold them (the undo comes after)" : "");
    std::printf("%-14s %-22s %-4s %6s  %-36s %s\n", "Control", "Kind", "On", "Keys", "First", "Last");
    auto text = [](const RecordedControl& control, const simhost::Vec3& value) {
        if (!control.three_d) {
            const std::string number = ReadableNumber(value.x, 16, 9);
            // The field of view is an angle: radians, as expressions read it.
            if (control.name.name != std::string(kControls[kFov].name)) return number;
            return number + " rad (" + ReadableNumber(Degrees(value.x), 10, 3) + " deg)";
        }
        return "(" + ReadableNumber(value.x, 11, 4) + ", " + ReadableNumber(value.y, 11, 4) + ", " +
               ReadableNumber(value.z, 11, 4) + ")";
    };
    const bool recorded = recording.Frames() > 0;
    for (const RecordedControl& control : recording.controls) {
        if (!control.found) continue;
        const bool keyed = !control.keys.empty();
        const char* unkeyed = control.name.name == std::string(kControls[kAspect].name) || recorded
                                  ? "(one value, not keyed)"
                                  : "(not recorded: no frame)";
        std::printf("%-14s %-22s %-4s %6zu  %-36s %s\n", control.name.name, control.name.kind,
                    control.enabled ? "on" : "off", control.keys.size(),
                    text(control, keyed ? control.keys.front().value : control.static_value).c_str(),
                    keyed ? text(control, control.keys.back().value).c_str() : unkeyed);
    }
    std::printf("\n");
}

// Writes every file asked for, then gives them their names together: a
// failure on the way leaves none of them.
void WriteFiles(Outputs& outputs, const Recording& recording, int press, bool undo) {
    const std::string which = "every key of press " + std::to_string(press) + (undo ? ", as recorded before the undo," : "");
    std::vector<std::pair<std::string, std::string>> lines;
    if (outputs.json) {
        WriteJson(recording, outputs.json->Stream());
        lines.emplace_back("JSON:", which + " written to " + outputs.json->Path());
    }
    if (outputs.csv) {
        WriteCsv(recording, outputs.csv->Stream());
        lines.emplace_back("CSV:", which + " written to " + outputs.csv->Path());
    }
    if (outputs.plot) {
        WritePlot(recording, outputs.plot->Stream());
        lines.emplace_back("Plot:", "field of view and camera path of press " + std::to_string(press) + " drawn in " +
                                        outputs.plot->Path());
    }
    CommitOutput("--json", outputs.json.get());
    CommitOutput("--csv", outputs.csv.get());
    CommitOutput("--plot", outputs.plot.get());
    for (const auto& [label, text] : lines) Line(label, text);
}

// The scene with the timing the options ask for, or why it cannot be
// pressed.
simhost::Scene LoadScene(const Options& options, const simhost::Project& project) {
    simhost::Scene scene;
    try {
        scene = options.scene_file.empty() ? simhost::DemoScene() : ReadSceneFile(options.scene_file, project);
    } catch (const SceneError& e) {
        throw CommandLineError(OneLine(e.what()));
    }
    // One change at a time, so that a refusal names the option it is for.
    auto apply = [&](const char* option, const std::string& value, const TimingOverrides& overrides) {
        try {
            OverrideTiming(scene, overrides);
        } catch (const std::invalid_argument& e) {
            throw OptionError(option, value, e.what());
        }
    };
    if (options.frame_duration) apply("--fps", options.fps, {options.frame_duration, std::nullopt, std::nullopt});
    if (options.frames) apply("--frames", std::to_string(*options.frames), {std::nullopt, options.frames, std::nullopt});
    if (options.in_point) {
        apply("--in-point", std::to_string(*options.in_point), {std::nullopt, std::nullopt, options.in_point});
    }
    const long long frames = FramesInSpan(scene.duration, scene.frame_duration);
    if (frames > kMostFrames) {
        const std::string most = std::to_string(kMostFrames);
        const std::string found = Count(frames, "frame") + " of " + std::to_string(scene.frame_duration.value) + "/" +
                                  std::to_string(scene.frame_duration.scale) + " s";
        if (options.frames) {
            throw OptionError("--frames", std::to_string(*options.frames),
                              "expected at most " + most + " frames, the most a press keys");
        }
        if (options.frame_duration) {
            throw OptionError("--fps", options.fps,
                              "the layer would span " + found + ", more than the " + most + " a press keys");
        }
        throw CommandLineError(options.scene_file + ": /layer/duration: expected a layer of at most " + most +
                               " frames (the most a press keys), found " + found);
    }
    return scene;
}

// Sends the host's commands, presses, and says what happened.
int Summarise(const Options& options, simhost::Host& host, const simhost::Scene& scene, Outputs& outputs) {
    Line("Plug-in:", options.plugin);
    // What the host reads from the property list before it loads the code:
    // how it lists the effect in its Effect menu.
    const simhost::PropertyList& properties = host.Properties();
    const auto text = [&](const char* key) {
        return properties.PascalString(simhost::FourCC(key)).value_or("(none)");
    };
    Line("Listed as:", "\"" + text("name") + "\" in the category \"" + text("catg") + "\" of the Effect menu (match name \"" +
                           text("eMNA") + "\")");

    const PF_Err about_err = host.About();
    if (about_err) return Fail("About", about_err);
    Lines("About:", TextLines(host.OutData().return_msg));

    const PF_Err setup_err = host.GlobalSetup();
    if (setup_err) return Fail("Global set-up", setup_err);
    const PF_OutData& setup = host.OutData();
    Line("Version:", VersionText(setup.my_version));
    Line("Flags:", OutFlagNames(static_cast<A_u_long>(setup.out_flags)));
    Line("Flags 2:", OutFlag2Names(static_cast<A_u_long>(setup.out_flags2)));
    Lines("Registers as:", {"\"" + host.state().Registrations().back() + "\", plug-in id " + std::to_string(host.state().LastPluginId()),
                            "(the name the effect registers under with the host: a name, not an error report)"});

    const PF_Err params_err = host.ParamsSetup();
    if (params_err) return Fail("Parameter set-up", params_err);
    int param_index = 0;
    for (const simhost::AddedParam& param : host.state().Params()) {
        Line("Parameter " + std::to_string(++param_index) + ":",
             "button \"" + param.label + "\" (id " + std::to_string(param.def.uu.id) + ", " +
                 ParamFlagNames(static_cast<A_u_long>(param.def.flags)) + ")");
    }

    const int layer_id = host.state().Instance().layer_id;
    simhost::BuildScene(host.state().project(), layer_id, scene);
    Lines("Scene:", DescribeScene(scene, options.scene_file.empty()));

    const bool terminal = IsTerminal(stderr);
    std::optional<simhost::Project> before_last_press;
    Recording recording;  // what the latest press left
    for (int press = 1; press <= options.presses; ++press) {
        const ControlUids before = ClaimedControls(host.state().project(), layer_id);
        const std::size_t steps = host.state().undo().Steps().size();
        const std::size_t calls = host.state().trace().Size();
        if (options.undo && press == options.presses) before_last_press = host.state().project();
        PF_Err err;
        {
            PressProgress progress(host, FramesInSpan(scene.duration, scene.frame_duration), terminal, stderr);
            err = host.UserChangedParam(1);
        }
        if (err) return Fail("Create Controls", err);
        recording = ReadRecording(host.state().project(), layer_id, scene.name);
        std::vector<std::string> lines = DescribePress(before, ClaimedControls(host.state().project(), layer_id), recording);
        const std::size_t new_steps = host.state().undo().Steps().size() - steps;
        lines.push_back(new_steps == 1 ? "as one undo step, \"" + host.state().undo().Steps().back().label +
                                             "\" (what the host's Edit menu offers to undo)"
                                       : "as " + Count(static_cast<long long>(new_steps), "undo step"));
        if (options.trace) {
            lines.push_back(Count(static_cast<long long>(host.state().trace().Size() - calls), "call") +
                            " to the host's functions");
        }
        Lines("Press " + std::to_string(press) + ":", lines);
    }
    for (const std::string& warning : PressWarnings(host.state().project(), layer_id, recording)) Line("Warning:", warning);

    PrintControls(recording, options.presses, before_last_press.has_value());
    if (options.table) {
        WriteFrameTable(recording, std::cout);
        std::cout << "\n";
    }
    WriteFiles(outputs, recording, options.presses, before_last_press.has_value());

    if (before_last_press) {
        const std::optional<std::string> undone = host.Undo();
        const bool same = simhost::DumpProject(host.state().project()) == simhost::DumpProject(*before_last_press);
        const std::string press = std::to_string(options.presses);
        Line("Undo:", (undone ? "undid \"" + *undone + "\"; " : std::string("nothing to undo; ")) +
                          (same ? "the project equals its state before press " + press
                                : "the project DIFFERS from its state before press " + press));
        if (!same) return 1;
    }

    const PF_Err setdown_err = host.GlobalSetdown();
    if (setdown_err) return Fail("Global set-down", setdown_err);
    const bool clean =
        host.state().ledger().Empty() && host.state().ledger().Violations().empty() && host.state().handles().Live() == 0;
    Line("Host ledger:", clean ? "nothing held (every handle and reference the effect took from the host was given back)"
                               : host.state().ledger().Report());
    return clean ? 0 : 1;
}

std::unique_ptr<simhost::Host> LoadPlugin(const std::string& path) {
    try {
        return std::make_unique<simhost::Host>(path);
    } catch (const std::exception& e) {
        throw OptionError("--plugin", path, "cannot be loaded: " + OneLine(e.what()));
    }
}

int Run(const Options& options) {
    const std::unique_ptr<simhost::Host> loaded = LoadPlugin(options.plugin);
    simhost::Host& host = *loaded;
    const simhost::Scene scene = LoadScene(options, host.state().project());
    Outputs outputs(options);
    // An hour-long press makes millions of calls: keep them only when asked.
    host.state().trace().SetRecording(options.trace);
    std::optional<TraceOutput> trace;
    if (options.trace) trace.emplace(outputs.trace.get(), host);
    // The trace is kept however the run ends: it is what shows why a press
    // went wrong.
    const auto keep_trace = [&] {
        trace.reset();
        CommitOutput("--trace", outputs.trace.get());
    };
    int code = 1;
    try {
        code = Summarise(options, host, scene, outputs);
    } catch (const std::exception&) {
        keep_trace();
        throw;
    }
    keep_trace();
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const CommandLine line = ReadCommandLine(argc, argv, DORVANE_PLUGIN_PATH);
        if (line.help_shown) return 0;
        if (line.options.validation.Requested()) return RunValidation(line.options);
        return Run(line.options);
    } catch (const CommandLineError& e) {
        std::cerr << e.what() << "\n";
        return kBadInput;
    } catch (const std::exception& e) {
        std::cerr << OneLine(e.what()) << "\n";
        return 1;
    }
}
