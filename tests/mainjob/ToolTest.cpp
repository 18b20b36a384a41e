// The demo program as a user runs it: its exit codes, what it says, and a
// trace that two runs of one scene write byte for byte alike.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PressedScene.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Files of this test, apart from those of tests running beside it.
std::string Scratch(const std::string& name) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string test_name = test->name();  // "Case/param" for a parameterised test
    for (char& c : test_name) c = c == '/' ? '-' : c;
    return testing::TempDir() + "dorvane-" + std::to_string(getpid()) + "-" + test_name + "-" + name;
}

struct ToolRun {
    int exit_code;
    std::string out;
    std::string err;
};

// Runs the program, in `folder` when one is given.
ToolRun RunTool(const std::string& arguments, const std::string& folder = "") {
    const std::string out = Scratch("stdout"), err = Scratch("stderr");
    const std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") + "\"" + DORVANE_HOST_TOOL +
                                "\" " + arguments + " >\"" + out + "\" 2>\"" + err + "\" </dev/null";
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Tool, WithNoArgumentPressesTheBuiltInSceneAndSaysWhatHappened) {
    const ToolRun run = RunTool("");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Version:        1.0.0")) << run.out;
    EXPECT_TRUE(Has(run.out, "PF_OutFlag_DEEP_COLOR_AWARE")) << run.out;
    EXPECT_TRUE(Has(run.out, "not an error")) << run.out;
    EXPECT_FALSE(Has(run.out, "\r")) << "the About text's carriage return reaches the terminal";
    EXPECT_TRUE(Has(run.out, "created all six controls")) << run.out;
    EXPECT_TRUE(Has(run.out, "keyed 300 frames")) << run.out;
    EXPECT_TRUE(Has(run.out, "as one undo step, \"Teskaline: Create Expression Controls\"")) << run.out;
    EXPECT_TRUE(Has(run.out, "Host ledger:    nothing held")) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST(Tool, RefusesABrokenSceneWithOneLineAndPressesNothing) {
    const std::string scene = Scratch("scene.json");
    std::ofstream(scene) << R"({"composition": {"width": 1920, "height": 1080, "frame_duration": {"value": 1, "scale": 30}},
                              "layer": {"duration": {"value": 30, "scale": -30}}, "camera": "none"})";
    const ToolRun run = RunTool("--scene \"" + scene + "\" --json \"" + Scratch("never.json") + "\"");
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.err, scene + ": /layer/duration/scale: expected a positive whole number of ticks per second below "
                               "2^32, found -30\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::ifstream(Scratch("never.json")).good());
    std::remove(scene.c_str());

}

// One command line that the program must refuse, or (exit code 0) run:
// `{dir}` in the arguments and the message stands for a scratch folder
// holding a copy of the plug-in, in which the program runs.
struct CommandLineCase {
    const char* what;
    std::string arguments;
    std::string message;  // the whole of standard error
    int exit_code;
    bool needs_permissions = false;  // checks that the superuser passes
};

void PrintTo(const CommandLineCase& line, std::ostream* out) { *out << line.what; }

std::string WithFolder(std::string text, const std::string& folder) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, folder);
    return text;
}

class CommandLines : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLines, SayWhatIsWrongInOneLineBeforeAnythingIsPressedOrWritten) {
    if (GetParam().needs_permissions && geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    const std::string folder = Scratch("folder");
    const std::string plugin = DORVANE_PLUGIN_PATH;
    const std::string resources = plugin.substr(0, plugin.rfind('.')) + ".rsrc";
    ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "/sub' && cp '" + plugin + "' '" +
                           resources + "' '" + folder + "'")
                              .c_str()),
              0);
    // A folder nobody may write in, and scene files the cases name.
    ASSERT_EQ(std::system(("mkdir '" + folder + "/sub/locked' && chmod a-w '" + folder + "/sub/locked'").c_str()), 0);
    std::ofstream(folder + "/sub/long.json")
        << R"({"composition": {"width": 8, "height": 8, "frame_duration": {"value": 1, "scale": 1}},
              "layer": {"duration": {"value": 2147483647, "scale": 1}}, "camera": "none"})";
    const ToolRun run = RunTool(WithFolder(GetParam().arguments, folder), folder);
    EXPECT_EQ(run.exit_code, GetParam().exit_code) << run.err;
    if (GetParam().exit_code != 0) {
        EXPECT_EQ(run.err, WithFolder(GetParam().message, folder) + "\n");
        EXPECT_EQ(run.out, "") << "printed before refusing";
        // Only what the test put there: no output file, whole or partial.
        EXPECT_EQ(std::system(("test \"$(ls -A '" + folder + "' | tr '\\n' ' ')\" = 'Dorvane.rsrc Dorvane.so sub '")
                                  .c_str()),
                  0)
            << "the refused run left a file in " << folder;
    } else {
        EXPECT_EQ(run.err, "");
    }
    std::system(("chmod -R u+w '" + folder + "' && rm -rf '" + folder + "'").c_str());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfMistake, CommandLines,
    testing::Values(
        CommandLineCase{"unknown_option", "--no-such-option", "--no-such-option: not an option of this program (--help lists them)", 2},
        CommandLineCase{"value_without_option", "stray", "stray: a value without an option before it", 2},
        CommandLineCase{"option_without_value", "--json", "--json: expected a value after it, found none", 2},
        CommandLineCase{"option_twice", "--fps 24 --fps 25", "--fps: given more than once; give it once", 2},
        CommandLineCase{"bare_plugin_name_is_in_the_current_folder", "--plugin Dorvane.so --frames 1", "", 0},
        CommandLineCase{"missing_plugin", "--plugin {dir}/missing/Dorvane.so",
                        "--plugin {dir}/missing/Dorvane.so: cannot be read: No such file or directory", 2},
        CommandLineCase{"missing_bare_plugin", "--plugin Other.so",
                        "--plugin Other.so: cannot be read: No such file or directory", 2},
        CommandLineCase{"plugin_a_directory", "--plugin {dir}/sub", "--plugin {dir}/sub: is a directory, not a plug-in", 2},
        CommandLineCase{"plugin_not_a_library", "--plugin {dir}/Dorvane.rsrc",
                        "--plugin {dir}/Dorvane.rsrc: cannot be loaded: cannot load {dir}/Dorvane.rsrc: "
                        "{dir}/Dorvane.rsrc: invalid ELF header", 2},
        CommandLineCase{"empty_plugin", "--plugin ''", "--plugin '': expected a file name, found none", 2},
        CommandLineCase{"missing_scene", "--scene nowhere.json",
                        "--scene nowhere.json: cannot be read: No such file or directory", 2},
        CommandLineCase{"scene_a_directory", "--scene {dir}/sub", "--scene {dir}/sub: is a directory, not a scene file", 2},
        CommandLineCase{"empty_scene", "--scene ''", "--scene '': expected a file name, found none", 2},
        CommandLineCase{"json_in_a_missing_folder", "--json {dir}/missing/x.json",
                        "--json {dir}/missing/x.json: cannot be written: No such file or directory", 2},
        CommandLineCase{"csv_a_directory", "--json {dir}/x.json --csv {dir}/sub",
                        "--csv {dir}/sub: cannot be written: Is a directory", 2},
        CommandLineCase{"plot_under_a_file", "--plot {dir}/Dorvane.so/x.svg",
                        "--plot {dir}/Dorvane.so/x.svg: cannot be written: Not a directory", 2},
        CommandLineCase{"trace_in_a_missing_folder", "--json x.json --trace {dir}/missing/t",
                        "--trace {dir}/missing/t: cannot be written: No such file or directory", 2},
        CommandLineCase{"json_in_a_folder_without_permission", "--json {dir}/sub/locked/x.json",
                        "--json {dir}/sub/locked/x.json: cannot be written: Permission denied", 2, true},
        CommandLineCase{"empty_json", "--json ''", "--json '': expected a file name, found none", 2},
        CommandLineCase{"empty_trace", "--trace ''", "--trace '': expected a file name, found none", 2},
        CommandLineCase{"two_outputs_one_file", "--json x --csv x", "--csv x: is already the file of --json", 2},
        CommandLineCase{"fps_not_a_rate", "--fps fast",
                        "--fps fast: expected frames per second as a number (24, 12.5, 2.5e1) or a fraction "
                        "(30000/1001)", 2},
        CommandLineCase{"fps_zero", "--fps 0.0",
                        "--fps 0.0: 0 frames per second is no rate; rates above 0 and up to 1000 frames per second "
                        "are accepted", 2},
        CommandLineCase{"fps_negative", "--fps -24",
                        "--fps -24: a rate below 0 is no rate; rates above 0 and up to 1000 frames per second are "
                        "accepted", 2},
        CommandLineCase{"fps_too_fast", "--fps 1e9",
                        "--fps 1e9: 1e9 is above 1000; rates above 0 and up to 1000 frames per second are accepted", 2},
        CommandLineCase{"fps_divided_by_zero", "--fps 24/0", "--fps 24/0: a fraction with 0 below the line is no rate", 2},
        CommandLineCase{"fps_finer_than_ticks", "--fps 29.9700000001",
                        "--fps 29.9700000001: a frame of 10000000000/299700000001 s is finer than the host's time "
                        "holds (at most 2^31 ticks over a scale below 2^32)", 2},
        CommandLineCase{"fps_with_an_exponent", "--fps 2.5e1 --frames 1", "", 0},
        CommandLineCase{"frames_negative", "--frames -1", "--frames -1: expected a whole number of frames, 0 or more", 2},
        CommandLineCase{"frames_beyond_the_host", "--frames 3000000",
                        "--frames 3000000: a layer of 3000000 frames of 1001/30000 s is beyond the host's 32-bit time "
                        "(at most 2145338 frames at this rate)", 2},
        CommandLineCase{"frames_more_than_a_press_keys", "--fps 1000 --frames 2000000",
                        "--frames 2000000: expected at most 1000000 frames, the most a press keys", 2},
        CommandLineCase{"fps_making_more_frames_than_a_press_keys",
                        "--scene " + ExamplePath("hour-60fps-no-camera.json") + " --fps 1000",
                        "--fps 1000: the layer would span 3600000 frames of 1/1000 s, more than the 1000000 a press keys", 2},
        CommandLineCase{"scene_of_more_frames_than_a_press_keys", "--scene {dir}/sub/long.json",
                        "{dir}/sub/long.json: /layer/duration: expected a layer of at most 1000000 frames (the most a press "
                        "keys), found 2147483647 frames of 1/1 s", 2},
        CommandLineCase{"frames_of_twenty_digits", "--frames 99999999999999999999",
                        "--frames 99999999999999999999: is far beyond what the host's 32-bit time holds", 2},
        CommandLineCase{"in_point_not_a_number", "--in-point 1.5", "--in-point 1.5: expected a whole number of frames", 2},
        CommandLineCase{"presses_out_of_range", "--press 0", "--press 0: expected a number of presses from 1 to 1000", 2}),
    [](const testing::TestParamInfo<CommandLineCase>& param_info) { return param_info.param.what; });

// What the summary must say for a command line, in this order; `{dir}` is a
// scratch folder for files, holding the scenes `huge.json`, whose camera
// flies to the ends of the doubles, and `behind.json`, with a look-alike
// below the control it imitates.
struct SummaryCase {
    const char* what;
    std::string arguments;
    std::vector<std::string> says;
    std::vector<std::string> never = {"-nan", "1 frames", "1 keys", " 0 fps"};
};

void PrintTo(const SummaryCase& summary, std::ostream* out) { *out << summary.what; }

class Summaries : public testing::TestWithParam<SummaryCase> {};

TEST_P(Summaries, SayWhatTheyMean) {
    const std::string folder = Scratch("files");
    ASSERT_EQ(std::system(("mkdir -p '" + folder + "'").c_str()), 0);
    std::ofstream(folder + "/huge.json")
        << R"({"composition": {"width": 1920, "height": 1080, "frame_duration": {"value": 1, "scale": 30}},
        "layer": {"duration": {"value": 3, "scale": 30}},
        "camera": {"keys": [
          {"time": {"value": 0, "scale": 1}, "position": [1e308, 0, -1e308], "point_of_interest": [-1e308, 0, 1e308]},
          {"time": {"value": 1, "scale": 1}, "position": [-1e308, 1e-300, 1e308], "point_of_interest": [1e308, 0, -1e308]}]}})";
    // A look-alike below the control it imitates.
    std::ofstream(folder + "/behind.json")
        << R"({"composition": {"width": 64, "height": 64, "frame_duration": {"value": 1, "scale": 30}},
        "layer": {"duration": {"value": 3, "scale": 30}}, "camera": "static",
        "effects": [{"kind": "ADBE Point3D Control", "name": "Camera_Row3", "value": [0, 0, 1]},
                    {"kind": "ADBE Slider Control", "name": "Camera_Row3", "value": 2}]})";
    const std::string arguments = WithFolder(GetParam().arguments, folder);
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    std::size_t from = 0;
    for (const std::string& part : GetParam().says) {
        const std::size_t at = run.out.find(part, from);
        EXPECT_NE(at, std::string::npos) << "missing, or out of order: " << part << "\n" << run.out;
        if (at != std::string::npos) from = at + part.size();
    }
    for (const std::string& part : GetParam().never) EXPECT_FALSE(Has(run.out, part)) << part << "\n" << run.out;
    std::string svg = Slurp(folder + "/plot.svg");
    if (Has(arguments, "--plot")) {
        EXPECT_FALSE(svg.empty()) << "no plot was written";
    }
    for (const char* overlong : {"00000000000000000000", "nan", "inf"}) {
        EXPECT_FALSE(Has(svg, overlong)) << "the plot holds " << overlong;
    }
    std::system(("rm -rf '" + folder + "'").c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Summaries,
    testing::Values(
        SummaryCase{"one_frame", "--frames 1",
                    {"(0.0333667 s, 1 frame)", "keyed 1 frame into each", "(5 keys, from 0/30000 s to 0/30000 s)",
                     "Camera_Fov     ADBE Slider Control    off       1  0.399591629 rad (22.895 deg)"}},
        SummaryCase{"ntsc_rate", "--fps 30000/1001 --frames 2", {"at 29.97 fps (a frame lasts 1001/30000 s)"}},
        SummaryCase{"decimal_rate_that_looks_like_ntsc", "--fps 29.970 --frames 2",
                    {"at 2997/100 fps (a frame lasts 100/2997 s)"}},
        SummaryCase{"slow_rate", "--fps 0.0001 --frames 1", {"at 0.0001 fps (a frame lasts 10000/1 s)"}},
        SummaryCase{"rate_without_a_decimal", "--fps 1/3 --frames 1", {"at 1/3 fps (a frame lasts 3/1 s)"}},
        SummaryCase{"look_alike_control", "--scene " + ExamplePath("earlier-controls.json") + " --frames 2",
                    {"Warning:        the 4th effect on the layer (ADBE Point Control) is also named \"Camera_Row1\", "
                     "beside the recorded control (ADBE Point3D Control, the 7th): it comes first, so an "
                     "expression's effect(\"Camera_Row1\") finds it, not the recorded control: rename or remove it"}},
        SummaryCase{"look_alike_behind_the_control", "--scene {dir}/behind.json",
                    {"reused, as already on the layer: Camera_Row3",
                     "Warning:        the 3rd effect on the layer (ADBE Slider Control) is also named \"Camera_Row3\", "
                     "beside the recorded control (ADBE Point3D Control, the 2nd): the recorded control comes first, "
                     "so an expression's effect(\"Camera_Row3\") finds the recording; moving either would change that"}},
        SummaryCase{"layer_spanning_no_frame", "--frames 0 --plot {dir}/plot.svg",
                    {"(0 s, 0 frames)", "keyed nothing: the layer spans no frame",
                     "Warning:        the layer spans no frame (it lasts 0/30000 s), so nothing was keyed",
                     "Camera_Fov     ADBE Slider Control    off       0", "(not recorded: no frame)",
                     "Camera_Aspect  ADBE Slider Control    off       0  1.777777778                          "
                     "(one value, not keyed)"}},
        SummaryCase{"undo_after_the_tables_and_exports", "--frames 2 --press 2 --undo --table --json {dir}/x.json",
                    {"Press 2:", "Controls after press 2, as the exports hold them (the undo comes after):",
                     "Camera_Row4 (x y z)",
                     "JSON:           every key of press 2, as recorded before the undo, written to ",
                     "Undo:           undid \"Teskaline: Create Expression Controls\"; the project equals its state "
                     "before press 2"}},
        SummaryCase{"huge_numbers", "--scene {dir}/huge.json --table --plot {dir}/plot.svg",
                    {"Camera_Row1    ADBE Point3D Control   off       3  (nan, nan, nan)",
                     "Camera_Row4    ADBE Point3D Control   off       3  (1.000e+308, 0.0000, -1.000e+308)", "   1.00e+308     0.0000 -1.00e+308", "      -inf  3.33e-302        inf"},
                    {"-nan", "00000000000000000000"}}),
    [](const testing::TestParamInfo<SummaryCase>& param_info) { return param_info.param.what; });

TEST(Tool, SecondPressReusesTheControlsAndUndoRestoresTheProject) {
    const ToolRun run = RunTool("--scene \"" + ExamplePath("earlier-controls.json") + "\" --press 2 --undo");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Press 1:        created Camera_Row1, Camera_Row2 and Camera_Row4\n"
                             "                reused, as already on the layer: Camera_Fov, Camera_Aspect and "
                             "Camera_Row3\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "Press 2:        reused all six controls already on the layer")) << run.out;
    EXPECT_TRUE(Has(run.out, "Undo:           undid \"Teskaline: Create Expression Controls\"; the project equals "
                             "its state before press 2"))
        << run.out;
}

TEST(Tool, WritesTheFilesAskedFor) {
    const std::string json = Scratch("out.json"), csv = Scratch("out.csv"), svg = Scratch("out.svg");
    const ToolRun run = RunTool("--scene \"" + ExamplePath("orbit-24fps.json") + "\" --fps 30 --frames 40 --in-point 5 "
                            "--table --json \"" + json + "\" --csv \"" + csv + "\" --plot \"" + svg + "\"");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "keyed 40 frames")) << run.out;
    EXPECT_TRUE(Has(run.out, "\n      5    0.166667 5/30 ")) << run.out;  // the table's first frame
    EXPECT_TRUE(Has(Slurp(json), "\"frame_duration\": {\"value\": 1, \"scale\": 30,"));
    EXPECT_TRUE(Has(Slurp(csv), "Camera_Row4,ADBE Point3D Control,44,30,"));
    EXPECT_TRUE(Has(Slurp(svg), "<polyline id=\"path\" data-keys=\"40\""));
    for (const std::string& file : {json, csv, svg}) std::remove(file.c_str());
}

TEST(Tool, WritesTheTraceToStandardErrorWithoutAFile) {
    const ToolRun run = RunTool("--frames 2 --trace");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(Has(run.err, "AEGP_GetEffectCameraMatrix")) << run.err;
}

TEST(Tool, TwoRunsOfOneSceneTraceAlike) {
    const std::string first = Scratch("first.trace"), second = Scratch("second.trace");
    const std::string scene = "--scene \"" + ExamplePath("earlier-controls.json") + "\" --frames 5 --press 2 --trace ";
    ASSERT_EQ(RunTool(scene + "\"" + first + "\"").exit_code, 0);
    ASSERT_EQ(RunTool(scene + "\"" + second + "\"").exit_code, 0);
    std::istringstream first_lines(Slurp(first)), second_lines(Slurp(second));
    std::remove(first.c_str());
    std::remove(second.c_str());
    std::string line, other;
    int number = 0, camera_queries = 0;
    std::vector<std::string> commands;
    while (std::getline(first_lines, line)) {
        ++number;
        camera_queries += Has(line, "AEGP_GetEffectCameraMatrix") ? 1 : 0;
        if (line.rfind("== ", 0) == 0 && !Has(line, " returned ")) commands.push_back(line.substr(3));
        ASSERT_TRUE(std::getline(second_lines, other)) << "the second trace ends before line " << number;
        ASSERT_EQ(line, other) << "the traces part at line " << number;
        // References go by stable names, never by address.
        ASSERT_FALSE(Has(line, "0x")) << "line " << number << " names an address: " << line;
    }
    EXPECT_FALSE(std::getline(second_lines, other)) << "the second trace goes on after line " << number;
    EXPECT_EQ(camera_queries, 2 * (1 + 5));  // per press, the aspect's query and one a frame
    // Every command the program sends, from the first to the last.
    EXPECT_EQ(commands, (std::vector<std::string>{"PF_Cmd_ABOUT", "PF_Cmd_GLOBAL_SETUP", "PF_Cmd_PARAMS_SETUP",
                                                  "PF_Cmd_USER_CHANGED_PARAM", "PF_Cmd_USER_CHANGED_PARAM",
                                                  "PF_Cmd_GLOBAL_SETDOWN"}));
}

}  // namespace
