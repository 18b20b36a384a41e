// The README's expression recipes, run: each recipe's text is taken from
// README.md itself, run in node against a stand-in for the host's
// expression names fed from the JSON export of a recorded scene, and what
// it gives at several frames must be the scene's own camera.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "Exports.h"
#include "PressedScene.h"

namespace {

using dorvane_host::RecordedKey;
using simhost::Vec3;

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Mul(const Vec3& v, double s) { return {v.x * s, v.y * s, v.z * s}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct Recipe {
    std::string introduction;  // the paragraph that leads into it
    std::string code;
};

// The ```js blocks of the README's section on expressions, each with the
// paragraph before it.
std::vector<Recipe> ReadmeRecipes() {
    const std::string readme = Slurp(DORVANE_README);
    const std::size_t section = readme.find("\n## Reading the camera in expressions\n");
    if (section == std::string::npos) return {};
    const std::size_t end = readme.find("\n## ", section + 1);
    const std::string text = readme.substr(section, end - section);
    std::vector<Recipe> recipes;
    std::size_t from = 0;
    for (std::size_t fence; (fence = text.find("```js\n", from)) != std::string::npos;) {
        const std::size_t code_end = text.find("\n```", fence);
        if (code_end == std::string::npos) break;
        const std::string before = text.substr(from, fence - from);
        const std::size_t paragraph = before.rfind("\n\n", before.size() > 2 ? before.size() - 3 : 0);
        recipes.push_back({before.substr(paragraph == std::string::npos ? 0 : paragraph + 2),
                           text.substr(fence + 6, code_end - fence - 6)});
        from = code_end + 4;
    }
    return recipes;
}

// The camera the scene built, as the host evaluates it at a time.
simhost::CameraPose ScenePose(PressedScene& pressed, double seconds) {
    const simhost::Composition& comp = pressed.host.state().project().comp;
    return comp.camera ? comp.camera->PoseAt(seconds) : simhost::Camera::Default(comp.width, comp.height).PoseAt(seconds);
}

bool AimedAtAPoint(const simhost::Scene& scene) {
    return scene.camera.kind != simhost::SceneCamera::Kind::Keyed || scene.camera.aims_at_point_of_interest;
}

// What a recipe must give at a time, as JSON (a number or [x, y, z]), from
// the scene's camera alone; with the tolerance it is compared at. Null:
// the recipe does not apply to this scene's camera.
struct Expected {
    nlohmann::json value;
    double tolerance;
};

Expected ExpectedOf(const std::string& introduction, PressedScene& pressed, double seconds) {
    const simhost::CameraPose pose = ScenePose(pressed, seconds);
    const double height = pressed.host.state().project().comp.height;
    const auto point = [](const Vec3& v) { return nlohmann::json::array({v.x, v.y, v.z}); };
    if (introduction.rfind("Field of view in degrees", 0) == 0) {
        return {dorvane_host::Degrees(2.0 * std::atan(height / (2.0 * pose.zoom))), 1e-9};
    }
    if (introduction.rfind("The camera's zoom", 0) == 0) return {pose.zoom, pose.zoom * 1e-12};
    const double reach = std::sqrt(Dot(pose.position, pose.position)) + 1.0;
    if (introduction.rfind("Following the camera", 0) == 0) return {point(pose.position), reach * 1e-12};
    if (introduction.rfind("A point in front of the camera", 0) == 0) {
        // [0, 0, 1000]: 1000 pixels along the line to the point of interest.
        if (!AimedAtAPoint(pressed.scene)) return {nullptr, 0.0};
        const Vec3 ahead = Sub(pose.point_of_interest, pose.position);
        const Vec3 target = Add(pose.position, Mul(ahead, 1000.0 / std::sqrt(Dot(ahead, ahead))));
        return {point(target), (reach + 1000.0) * 1e-9};
    }
    ADD_FAILURE() << "a recipe the tests do not know; say what it must give:\n" << introduction;
    return {nullptr, 0.0};
}

struct NodeRun {
    int exit_code;
    std::string out, err;
};

NodeRun RunRecipe(const std::string& code, const std::string& export_path, const std::vector<double>& times) {
    const std::string base = testing::TempDir() + "dorvane-recipe-" + std::to_string(getpid());
    const std::string recipe = base + ".js", times_path = base + "-times.json", out = base + ".out",
                      err = base + ".err";
    std::ofstream(recipe) << code;
    std::ofstream(times_path) << nlohmann::json(times).dump();
    const std::string command = std::string("\"") + DORVANE_NODE + "\" \"" + DORVANE_EXPRESSION_STAND_IN + "\" \"" +
                                export_path + "\" \"" + recipe + "\" \"" + times_path + "\" >\"" + out + "\" 2>\"" +
                                err + "\"";
    const int status = std::system(command.c_str());
    NodeRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
    for (const std::string& file : {recipe, times_path, out, err}) std::remove(file.c_str());
    return run;
}

TEST(ReadmeRecipes, AreFoundInTheReadme) {
    const std::vector<Recipe> recipes = ReadmeRecipes();
    ASSERT_EQ(recipes.size(), 4u) << "the README's section on expressions has changed its recipes";
    for (const Recipe& recipe : recipes) EXPECT_NE(recipe.code.find("thisComp"), std::string::npos) << recipe.code;
}

class Recipes : public testing::TestWithParam<const char*> {};

TEST_P(Recipes, RunOnTheExportGiveTheScenesCamera) {
    PressedScene pressed(TestScene(GetParam()));
    const std::string export_path = testing::TempDir() + "dorvane-recipe-export-" + std::to_string(getpid()) + ".json";
    {
        std::ofstream file(export_path, std::ios::binary);
        dorvane_host::WriteJson(pressed.recording, file);
    }
    // Frames across the span: the first, the last and some between.
    const std::vector<RecordedKey>& keys = pressed.recording.Control(dorvane_host::kFov).keys;
    ASSERT_GE(keys.size(), 2u);
    std::vector<double> times;
    for (std::size_t i = 0; i < keys.size(); i += std::max<std::size_t>(1, keys.size() / 6)) times.push_back(keys[i].seconds);
    times.push_back(keys.back().seconds);

    for (const Recipe& recipe : ReadmeRecipes()) {
        SCOPED_TRACE(recipe.code);
        const NodeRun run = RunRecipe(recipe.code, export_path, times);
        ASSERT_EQ(run.exit_code, 0) << run.err;
        const nlohmann::json values = nlohmann::json::parse(run.out);
        ASSERT_EQ(values.size(), times.size()) << run.out;
        for (std::size_t i = 0; i < times.size(); ++i) {
            const Expected expected = ExpectedOf(recipe.introduction, pressed, times[i]);
            if (expected.value.is_null()) continue;
            ASSERT_EQ(values[i].is_array(), expected.value.is_array()) << values[i] << " at " << times[i] << " s";
            const nlohmann::json got = values[i].is_array() ? values[i] : nlohmann::json::array({values[i]});
            const nlohmann::json want = expected.value.is_array() ? expected.value : nlohmann::json::array({expected.value});
            ASSERT_EQ(got.size(), want.size()) << values[i];
            for (std::size_t k = 0; k < want.size(); ++k) {
                ASSERT_TRUE(got[k].is_number()) << values[i] << " at " << times[i] << " s";
                EXPECT_NEAR(got[k].get<double>(), want[k].get<double>(), expected.tolerance)
                    << "component " << k << " at " << times[i] << " s";
            }
        }
    }
    std::remove(export_path.c_str());
}

// A recipe with a typo, or reading a parameter a control does not have,
// fails rather than giving a number.
TEST(ReadmeRecipes, AMistakenRecipeFails) {
    PressedScene pressed(TestScene("demo"));
    const std::string export_path = testing::TempDir() + "dorvane-recipe-export-" + std::to_string(getpid()) + ".json";
    {
        std::ofstream file(export_path, std::ios::binary);
        dorvane_host::WriteJson(pressed.recording, file);
    }
    // Each with the reason the stand-in gives, so that a run that failed for
    // another reason (a missing export, say) does not pass for a refusal.
    const struct {
        const char* recipe;
        const char* reason;
    } mistakes[] = {
        {"radiansToDegrees(thisComp.layer(\"Solid 1\").effect(\"Camera_Fov\")(\"Slider\")", "SyntaxError"},
        {"thisComp.layer(\"Solid 1\").effect(\"Camera_Row4\")(\"Slider\")", "has no parameter \"Slider\""},
        {"thisComp.layer(\"Solid 1\").effect(\"Camera_FOV\")(\"Slider\")", "no effect named \"Camera_FOV\""},
        {"thisComp.layer(\"Solid 2\").effect(\"Camera_Fov\")(\"Slider\")", "no layer named \"Solid 2\""},
    };
    for (const auto& mistake : mistakes) {
        const NodeRun run = RunRecipe(mistake.recipe, export_path, {0.0});
        EXPECT_EQ(run.exit_code, 1) << mistake.recipe;
        EXPECT_NE(run.err.find(mistake.reason), std::string::npos) << mistake.recipe << "\n" << run.err;
    }
    std::remove(export_path.c_str());
}

// Camera_Row4 is the camera's position, exactly.
TEST_P(Recipes, RowFourIsTheCamerasPosition) {
    PressedScene pressed(TestScene(GetParam()));
    for (const RecordedKey& key : pressed.recording.Control(dorvane_host::kRow4).keys) {
        const Vec3 position = ScenePose(pressed, key.seconds).position;
        EXPECT_EQ(key.value.x, position.x) << "at " << key.seconds << " s";
        EXPECT_EQ(key.value.y, position.y) << "at " << key.seconds << " s";
        EXPECT_EQ(key.value.z, position.z) << "at " << key.seconds << " s";
    }
}

// A camera without scale: rows 1 to 3 are unit length and at right angles.
TEST_P(Recipes, RowsOneToThreeAreOrthonormal) {
    PressedScene pressed(TestScene(GetParam()));
    const dorvane_host::Recording& recording = pressed.recording;
    for (std::size_t k = 0; k < recording.Frames(); ++k) {
        const Vec3 rows[3] = {recording.Control(dorvane_host::kRow1).keys[k].value,
                              recording.Control(dorvane_host::kRow2).keys[k].value,
                              recording.Control(dorvane_host::kRow3).keys[k].value};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(Dot(rows[i], rows[j]), i == j ? 1.0 : 0.0, 1e-12) << "frame " << k << " rows " << i + 1
                                                                              << ", " << j + 1;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DemoAndExamples, Recipes, EveryTestScene());

}  // namespace
