// Loads the plug-in into the simulated host, runs the commands a host sends
// when it first meets an effect, presses "Create Controls" in a scene (the
// built-in one, or one read from a file), and shows what was recorded: a
// summary in words, and on request a per-frame table, JSON and CSV exports,
// an SVG plot and the host calls.
#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "Exports.h"
#include "FrameTable.h"
#include "Host.h"
#include "HostNames.h"
#include "Plot.h"
#include "PressProgress.h"
#include "PressReport.h"
#include "Recording.h"
#include "SceneFile.h"
#include "TimingOverrides.h"
#include "Validate.h"
#include "project/DemoScene.h"
#include "project/ProjectDump.h"

namespace {

using namespace dorvane_host;

constexpr int kBadInput = 2;

struct Options {
    std::string plugin = DORVANE_PLUGIN_PATH;
    std::string scene_file;
    std::string fps;
    std::optional<long long> frames;
    std::optional<long long> in_point;
    int presses = 1;
    bool undo = false;
    bool table = false;
    std::string json_file, csv_file, plot_file;
    bool trace = false;
    std::string trace_file;  // empty: standard error
};

// Opens an output file, or says why it cannot.
std::ofstream OutputFile(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path + ": cannot be written");
    return file;
}

// Where the host calls go: each command's calls, printed as it ends, to
// standard error or to the file given.
class TraceOutput {
public:
    explicit TraceOutput(const Options& options, simhost::Host& host) : host_(host) {
        if (!options.trace) return;
        if (!options.trace_file.empty()) file_ = std::make_unique<std::ofstream>(OutputFile(options.trace_file));
        host_.PrintTraceTo(file_ ? file_.get() : &std::cerr);
    }
    ~TraceOutput() { host_.PrintTraceTo(nullptr); }
    TraceOutput(const TraceOutput&) = delete;
    TraceOutput& operator=(const TraceOutput&) = delete;

private:
    simhost::Host& host_;
    std::unique_ptr<std::ofstream> file_;
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

void PrintControls(const Recording& recording) {
    std::printf("\n%-14s %-22s %-4s %6s  %-36s %s\n", "Control", "Kind", "On", "Keys", "First", "Last");
    auto text = [](const RecordedControl& control, const simhost::Vec3& value) {
        char buffer[96];
        if (control.three_d) {
            std::snprintf(buffer, sizeof(buffer), "(%.4f, %.4f, %.4f)", value.x, value.y, value.z);
        } else {
            std::snprintf(buffer, sizeof(buffer), "%.9f", value.x);
        }
        return std::string(buffer);
    };
    for (const RecordedControl& control : recording.controls) {
        if (!control.found) continue;
        const bool keyed = !control.keys.empty();
        std::printf("%-14s %-22s %-4s %6zu  %-36s %s\n", control.name.name, control.name.kind,
                    control.enabled ? "on" : "off", control.keys.size(),
                    text(control, keyed ? control.keys.front().value : control.static_value).c_str(),
                    keyed ? text(control, control.keys.back().value).c_str() : "(static value)");
    }
    std::printf("\n");
}

void WriteFiles(const Options& options, const Recording& recording) {
    if (!options.json_file.empty()) {
        std::ofstream file = OutputFile(options.json_file);
        WriteJson(recording, file);
        Line("JSON:", "every key written to " + options.json_file);
    }
    if (!options.csv_file.empty()) {
        std::ofstream file = OutputFile(options.csv_file);
        WriteCsv(recording, file);
        Line("CSV:", "every key written to " + options.csv_file);
    }
    if (!options.plot_file.empty()) {
        std::ofstream file = OutputFile(options.plot_file);
        WritePlot(recording, file);
        Line("Plot:", "field of view and camera path drawn in " + options.plot_file);
    }
}

simhost::Scene LoadScene(const Options& options, const simhost::Project& project) {
    simhost::Scene scene = options.scene_file.empty() ? simhost::DemoScene() : ReadSceneFile(options.scene_file, project);
    TimingOverrides overrides;
    if (!options.fps.empty()) overrides.frame_duration = FrameDurationOf(options.fps);
    overrides.frames = options.frames;
    overrides.in_point = options.in_point;
    OverrideTiming(scene, overrides);
    return scene;
}

int Run(const Options& options) {
    simhost::Host host(options.plugin);
    simhost::Scene scene;
    try {
        scene = LoadScene(options, host.project());
    } catch (const SceneError& e) {
        std::cerr << e.what() << "\n";
        return kBadInput;
    } catch (const std::invalid_argument& e) {
        std::cerr << "timing override: " << e.what() << "\n";
        return kBadInput;
    }
    // An hour-long press makes millions of calls: keep them only when asked.
    host.SetTracing(options.trace);
    const TraceOutput trace(options, host);
    Line("Plug-in:", options.plugin);

    const PF_Err about_err = host.About();
    if (about_err) return Fail("About", about_err);
    Lines("About:", TextLines(host.OutData().return_msg));

    const PF_Err setup_err = host.GlobalSetup();
    if (setup_err) return Fail("Global set-up", setup_err);
    const PF_OutData& setup = host.OutData();
    Line("Version:", VersionText(setup.my_version));
    Line("Flags:", OutFlagNames(static_cast<A_u_long>(setup.out_flags)));
    Line("Flags 2:", OutFlag2Names(static_cast<A_u_long>(setup.out_flags2)));
    Lines("Registers as:", {"\"" + host.Registrations().back() + "\", plug-in id " + std::to_string(host.LastPluginId()),
                            "(the name the effect registers under with the host: a name, not an error report)"});

    const PF_Err params_err = host.ParamsSetup();
    if (params_err) return Fail("Parameter set-up", params_err);
    int param_index = 0;
    for (const simhost::AddedParam& param : host.Params()) {
        Line("Parameter " + std::to_string(++param_index) + ":",
             "button \"" + param.label + "\" (id " + std::to_string(param.def.uu.id) + ", " +
                 ParamFlagNames(static_cast<A_u_long>(param.def.flags)) + ")");
    }

    const int layer_id = host.Instance().layer_id;
    simhost::BuildScene(host.project(), layer_id, scene);
    Lines("Scene:", DescribeScene(scene, options.scene_file.empty()));

    const bool terminal = IsTerminal(stderr);
    std::optional<simhost::Project> before_last_press;
    Recording recording;  // what the latest press left
    for (int press = 1; press <= options.presses; ++press) {
        const ControlUids before = ClaimedControls(host.project(), layer_id);
        const std::size_t steps = host.undo().Steps().size();
        if (options.undo && press == options.presses) before_last_press = host.project();
        PF_Err err;
        {
            PressProgress progress(host, FramesInSpan(scene.duration, scene.frame_duration), terminal, stderr);
            err = host.UserChangedParam(1);
        }
        if (err) return Fail("Create Controls", err);
        recording = ReadRecording(host.project(), layer_id, scene.name);
        std::vector<std::string> lines = DescribePress(before, ClaimedControls(host.project(), layer_id), recording);
        const std::size_t new_steps = host.undo().Steps().size() - steps;
        lines.push_back(new_steps == 1 ? "as one undo step, \"" + host.undo().Steps().back().label + "\""
                                       : "as " + std::to_string(new_steps) + " undo steps");
        lines.push_back(std::to_string(host.trace().Size()) + " host calls");
        Lines("Press " + std::to_string(press) + ":", lines);
    }

    PrintControls(recording);
    if (options.table) {
        WriteFrameTable(recording, std::cout);
        std::cout << "\n";
    }
    WriteFiles(options, recording);

    if (before_last_press) {
        const std::optional<std::string> undone = host.Undo();
        const bool same = simhost::DumpProject(host.project()) == simhost::DumpProject(*before_last_press);
        Line("Undo:", (undone ? "undid \"" + *undone + "\"; " : std::string("nothing to undo; ")) +
                          (same ? "the project equals its state before press " + std::to_string(options.presses)
                                : "the project DIFFERS from its state before press " + std::to_string(options.presses)));
        if (!same) return 1;
    }

    const PF_Err setdown_err = host.GlobalSetdown();
    if (setdown_err) return Fail("Global set-down", setdown_err);
    const bool clean =
        host.ledger().Empty() && host.ledger().Violations().empty() && host.handles().Live() == 0;
    Line("Host ledger:", clean ? "nothing held" : host.ledger().Report());
    return clean ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Press Dorvane's \"Create Controls\" in the simulated host and show what it recorded"};
    Options options;
    app.add_option("--plugin", options.plugin, "the built plug-in library")->capture_default_str();
    app.add_option("--scene", options.scene_file, "a scene file (JSON); the built-in scene if left out");
    app.add_option("--fps", options.fps, "override the frame rate: 24, 29.97, 30000/1001, ...");
    app.add_option("--frames", options.frames, "override the layer's length, in frames");
    app.add_option("--in-point", options.in_point, "override the layer's in-point, in frames");
    app.add_option("--press", options.presses, "press the button this many times")->check(CLI::Range(1, 1000));
    app.add_flag("--undo", options.undo, "undo the last press and check the project is as before it");
    app.add_flag("--table", options.table, "print every recorded frame");
    app.add_option("--json", options.json_file, "write every key to this JSON file");
    app.add_option("--csv", options.csv_file, "write every key to this CSV file");
    app.add_option("--plot", options.plot_file, "draw field of view and camera path into this SVG file");
    CLI::Option* trace = app.add_option("--trace", options.trace_file,
                                        "print every host call, to standard error or to the file given")
                             ->expected(0, 1);
    ValidateOptions validate;
    AddValidateOptions(app, validate);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kBadInput;
    }
    options.trace = trace->count() > 0;
    try {
        if (ValidationRequested(validate)) return RunValidation(validate, options.plugin, options.json_file);
        return Run(options);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
