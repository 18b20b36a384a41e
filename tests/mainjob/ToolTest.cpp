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
    return testing::TempDir() + "dorvane-" + std::to_string(getpid()) + "-" + test->name() + "-" + name;
}

struct ToolRun {
    int exit_code;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::string& arguments) {
    const std::string out = Scratch("stdout"), err = Scratch("stderr");
    const std::string command = std::string("\"") + DORVANE_HOST_TOOL + "\" " + arguments + " >\"" + out +
                                "\" 2>\"" + err + "\" </dev/null";
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

    const ToolRun missing = RunTool("--scene \"" + scene + "\"");
    EXPECT_EQ(missing.exit_code, 2);
    EXPECT_EQ(missing.err, scene + ": cannot be read\n");
}

TEST(Tool, RefusesBadOptionsWithExitCodeTwo) {
    for (const char* arguments : {"--fps fast", "--frames 3000000", "--press 0", "--no-such-option"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exit_code, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err, "") << arguments;
    }
}

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

    const ToolRun unwritable = RunTool("--json /nonexistent-folder/out.json");
    EXPECT_EQ(unwritable.exit_code, 1);
    EXPECT_TRUE(Has(unwritable.err, "/nonexistent-folder/out.json: cannot be written")) << unwritable.err;
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
