// Scene files: the shipped examples read as intended, and every kind of
// mistake is named by its JSON path before anything is pressed.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "PressedScene.h"
#include "SceneFile.h"
#include "TimingOverrides.h"
#include "scenes/DemoScene.h"

namespace {

using dorvane_host::SceneError;

simhost::Scene Parse(const std::string& text) {
    simhost::Host host(DORVANE_PLUGIN_PATH);
    return dorvane_host::ParseScene(text, "fallback", host.state().project());
}

// A valid scene with one part replaced, so that each broken case shows
// only its own mistake.
std::string SceneWith(const std::string& composition, const std::string& layer, const std::string& camera,
                      const std::string& effects = "[]") {
    return "{\"composition\": " + composition + ", \"layer\": " + layer + ", \"camera\": " + camera +
           ", \"effects\": " + effects + "}";
}

const char* const kComposition = R"({"width": 1920, "height": 1080, "frame_duration": {"value": 1, "scale": 30}})";
const char* const kLayer = R"({"duration": {"value": 30, "scale": 30}})";

TEST(ExampleScenes, ReadAsWritten) {
    const simhost::Scene orbit = ExampleScene("orbit-24fps.json");
    EXPECT_EQ(orbit.width, 2048);
    EXPECT_EQ(orbit.height, 858);
    EXPECT_EQ(orbit.frame_duration.value, 1);
    EXPECT_EQ(orbit.frame_duration.scale, 24u);
    EXPECT_EQ(orbit.in_point.value, 24);
    EXPECT_EQ(orbit.duration.value, 96);
    EXPECT_EQ(orbit.camera.kind, simhost::SceneCamera::Kind::Preset);
    EXPECT_EQ(orbit.camera.preset, simhost::CameraPreset::Orbit);

    const simhost::Scene earlier = ExampleScene("earlier-controls.json");
    EXPECT_EQ(earlier.camera.kind, simhost::SceneCamera::Kind::Keyed);
    EXPECT_FALSE(earlier.camera.aims_at_point_of_interest);
    ASSERT_EQ(earlier.camera.keys.size(), 2u);
    EXPECT_EQ(earlier.camera.keys[1].pose.orientation.y, 25.0);
    ASSERT_EQ(earlier.effects.size(), 5u);
    EXPECT_EQ(earlier.effects[0].keys.size(), 2u);
    EXPECT_EQ(earlier.effects[2].kind, "ADBE Point Control");
    EXPECT_FALSE(earlier.effects[4].enabled);

    const simhost::Scene hour = ExampleScene("hour-60fps-no-camera.json");
    EXPECT_EQ(hour.camera.kind, simhost::SceneCamera::Kind::None);
    EXPECT_EQ(hour.duration.value, 216000);
    EXPECT_EQ(hour.in_point.value, 0);
    EXPECT_EQ(hour.in_point.scale, 60u);
}

TEST(SceneFile, FillsDefaultsForWhatItLeavesOut) {
    const simhost::Scene scene = Parse(SceneWith(
        kComposition, kLayer, R"({"keys": [{"time": {"value": 0, "scale": 1}, "position": [1, 2, 3]}]})"));
    EXPECT_EQ(scene.name, "fallback");
    EXPECT_EQ(scene.in_point.value, 0);
    EXPECT_EQ(scene.start.value, 0);
    ASSERT_EQ(scene.camera.keys.size(), 1u);
    // A keyed camera without a point of interest and without a zoom: the
    // host's 50 mm zoom, looking along its orientation.
    EXPECT_FALSE(scene.camera.aims_at_point_of_interest);
    EXPECT_DOUBLE_EQ(scene.camera.keys[0].pose.zoom, 1920 * 50.0 / 36.0);
}

struct BrokenCase {
    const char* what;
    std::string text;
    std::string message;  // the whole message, less the file's name
};

// By its name: GoogleTest would otherwise show the case as its bytes, its
// strings' addresses among them, in every test's name and failure.
void PrintTo(const BrokenCase& broken, std::ostream* out) { *out << broken.what; }

class BrokenScene : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenScene, IsNamedByItsPathAndWhatWasExpected) {
    try {
        Parse(GetParam().text);
        FAIL() << "accepted";
    } catch (const SceneError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

const std::string kKey = R"({"time": {"value": 0, "scale": 1}, "position": [0, 0, -100], "point_of_interest": [0, 0, 0]})";

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfMistake, BrokenScene,
    testing::Values(
        BrokenCase{"not_json", "{\"composition\": ",
                   "not JSON: parse error at line 1, column 17: syntax error while parsing value - unexpected "
                   "end of input; expected '[', '{', or a literal"},
        BrokenCase{"not_an_object", "[1]", "the top level: expected an object with the fields name, composition, "
                                           "layer, camera, effects, found [1]"},
        BrokenCase{"missing_composition", R"({"layer": {}, "camera": "none"})",
                   "/composition: expected the composition's width, height and frame_duration, found nothing"},
        BrokenCase{"misspelt_field", SceneWith(kComposition, R"({"in_piont": {"value": 0, "scale": 30}})", "\"none\""),
                   "/layer/in_piont: expected one of the fields in_point, duration, start, found an unknown field"},
        BrokenCase{"zero_width",
                   SceneWith(R"({"width": 0, "height": 1080, "frame_duration": {"value": 1, "scale": 30}})", kLayer,
                             "\"none\""),
                   "/composition/width: expected a whole number of pixels from 1 to 30000, found 0"},
        BrokenCase{"fractional_ticks",
                   SceneWith(R"({"width": 10, "height": 10, "frame_duration": {"value": 1001.5, "scale": 30000}})",
                             kLayer, "\"none\""),
                   "/composition/frame_duration/value: expected a positive whole number of ticks below 2^31, found "
                   "1001.5"},
        BrokenCase{"negative_scale",
                   SceneWith(kComposition, R"({"duration": {"value": 30, "scale": -3}})", "\"none\""),
                   "/layer/duration/scale: expected a positive whole number of ticks per second below 2^32, found -3"},
        BrokenCase{"ticks_beyond_32_bits",
                   SceneWith(kComposition, R"({"duration": {"value": 2147483648, "scale": 30}})", "\"none\""),
                   "/layer/duration/value: expected a whole number of ticks from -2^31 to 2^31-1, found 2147483648"},
        BrokenCase{"unknown_preset", SceneWith(kComposition, kLayer, "\"spin\""),
                   "/camera: expected \"none\", a preset (static, dolly, orbit, zoom) or {\"keys\": [...]}, found "
                   "\"spin\""},
        BrokenCase{"no_camera_keys", SceneWith(kComposition, kLayer, R"({"keys": []})"),
                   "/camera/keys: expected a list of one or more camera keys, found []"},
        BrokenCase{"two_numbers_for_a_position",
                   SceneWith(kComposition, kLayer,
                             "{\"keys\": [" + kKey +
                                 R"(, {"time": {"value": 1, "scale": 1}, "position": [1, 2], "point_of_interest": [0, 0, 0]}]})"),
                   "/camera/keys/1/position: expected [x, y, z], three numbers, found [1,2]"},
        BrokenCase{"point_of_interest_on_some_keys_only",
                   SceneWith(kComposition, kLayer,
                             "{\"keys\": [" + kKey + R"(, {"time": {"value": 1, "scale": 1}, "position": [1, 2, 3]}]})"),
                   "/camera/keys/1/point_of_interest: expected a point of interest, as the first key has one, found "
                   "nothing"},
        BrokenCase{"negative_zoom",
                   SceneWith(kComposition, kLayer,
                             R"({"keys": [{"time": {"value": 0, "scale": 1}, "position": [0, 0, 0], "zoom": -5}]})"),
                   "/camera/keys/0/zoom: expected a positive number of pixels, found -5"},
        BrokenCase{"kind_not_installed",
                   SceneWith(kComposition, kLayer, "\"none\"", R"([{"kind": "ADBE Foo", "name": "Camera_Fov"}])"),
                   "/effects/0/kind: expected the match name of an installed effect with a value (ADBE Gaussian "
                   "Blur 2, ADBE Slider Control, ADBE Point Control, ADBE Point3D Control, ADBE Color Control, ADBE "
                   "Checkbox Control, ADBE Angle Control), found \"ADBE Foo\""},
        BrokenCase{"effect_under_test_as_a_control",
                   SceneWith(kComposition, kLayer, "\"none\"", R"([{"kind": "Dorvane", "name": "Dorvane 2"}])"),
                   "/effects/0/kind: expected the match name of an installed effect with a value (ADBE Gaussian "
                   "Blur 2, ADBE Slider Control, ADBE Point Control, ADBE Point3D Control, ADBE Color Control, ADBE "
                   "Checkbox Control, ADBE Angle Control), found \"Dorvane\""},
        BrokenCase{"empty_name",
                   SceneWith(kComposition, kLayer, "\"none\"", R"([{"kind": "ADBE Slider Control", "name": ""}])"),
                   "/effects/0/name: expected a name of 1 to 255 printable ASCII characters, found \"\""},
        BrokenCase{"number_for_a_3d_point",
                   SceneWith(kComposition, kLayer, "\"none\"",
                             R"([{"kind": "ADBE Point3D Control", "name": "Camera_Row1", "value": 3}])"),
                   "/effects/0/value: expected [x, y, z], three numbers, found 3"},
        BrokenCase{"point_for_a_slider_key",
                   SceneWith(kComposition, kLayer, "\"none\"",
                             R"([{"kind": "ADBE Slider Control", "name": "Camera_Fov", "keys": [{"time": {"value": 0, "scale": 30}, "value": [1, 2]}]}])"),
                   "/effects/0/keys/0/value: expected a number, found [1,2]"},
        BrokenCase{"camera_keys_out_of_order",
                   SceneWith(kComposition, kLayer,
                             "{\"keys\": [" + kKey +
                                 R"(, {"time": {"value": 2, "scale": 2}, "position": [0, 0, 0], "point_of_interest": [0, 0, 1]},
                                    {"time": {"value": 1, "scale": 2}, "position": [0, 0, 0], "point_of_interest": [0, 0, 1]}]})"),
                   "/camera/keys/2/time: expected a time after the previous key's, {\"value\": 2, \"scale\": 2}, "
                   "found {\"value\": 1, \"scale\": 2}"},
        // The same time in another scale is the same time.
        BrokenCase{"camera_keys_at_one_time",
                   SceneWith(kComposition, kLayer,
                             "{\"keys\": [" + kKey +
                                 R"(, {"time": {"value": 0, "scale": 30}, "position": [0, 0, 0], "point_of_interest": [0, 0, 1]}]})"),
                   "/camera/keys/1/time: expected a time after the previous key's, {\"value\": 0, \"scale\": 1}, "
                   "found {\"value\": 0, \"scale\": 30}"},
        BrokenCase{"control_keys_at_one_time",
                   SceneWith(kComposition, kLayer, "\"none\"",
                             R"([{"kind": "ADBE Slider Control", "name": "Camera_Fov", "keys": [{"time": {"value": 1, "scale": 30}, "value": 1}, {"time": {"value": 1, "scale": 30}, "value": 2}]}])"),
                   "/effects/0/keys/1/time: expected a time after the previous key's, {\"value\": 1, \"scale\": 30}, "
                   "found {\"value\": 1, \"scale\": 30}"},
        BrokenCase{"field_twice_at_the_top", R"({"camera": "none", "camera": "static"})",
                   "/camera: expected each field once in its object, found \"camera\" a second time"},
        BrokenCase{"field_twice_deep_in_a_list",
                   SceneWith(kComposition, kLayer,
                             "{\"keys\": [" + kKey +
                                 R"(, {"time": {"value": 1, "scale": 1}, "position": [0, 0, 0], "point_of_interest": [0, 0, 1], "zoom": 5, "zoom": 6}]})"),
                   "/camera/keys/1/zoom: expected each field once in its object, found \"zoom\" a second time"},
        BrokenCase{"field_twice_in_a_time",
                   SceneWith(R"({"width": 10, "height": 10, "frame_duration": {"value": 1, "scale": 30, "scale": 24}})",
                             kLayer, "\"none\""),
                   "/composition/frame_duration/scale: expected each field once in its object, found \"scale\" a "
                   "second time"}),
    [](const testing::TestParamInfo<BrokenCase>& param_info) { return param_info.param.what; });

TEST(SceneFile, MessagesStartWithTheFile) {
    const std::string path = testing::TempDir() + "broken-scene.json";
    std::ofstream(path) << SceneWith(kComposition, kLayer, "\"spin\"");
    simhost::Host host(DORVANE_PLUGIN_PATH);
    try {
        dorvane_host::ReadSceneFile(path, host.state().project());
        FAIL() << "accepted";
    } catch (const SceneError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(path + ": /camera: expected ", 0), 0u) << e.what();
    }
    std::remove(path.c_str());
    EXPECT_THROW(dorvane_host::ReadSceneFile(path, host.state().project()), SceneError);
}

TEST(TimingOverrides, ReadFrameRatesAsPeopleWriteThem) {
    struct Rate {
        const char* text;
        A_long value;
        A_u_long scale;
    };
    for (const Rate& rate : {Rate{"24", 1, 24}, Rate{"29.97", 1001, 30000}, Rate{"30000/1001", 1001, 30000},
                             Rate{"23.976", 1001, 24000}, Rate{"59.94", 1001, 60000}, Rate{"12.5", 2, 25},
                             Rate{"60/2", 1, 30}, Rate{"2.5e1", 1, 25}, Rate{"2997e-2", 100, 2997},
                             Rate{"1E3", 1, 1000}, Rate{"0.0001", 10000, 1}, Rate{"29.970", 100, 2997},
                             Rate{"1/3", 3, 1}}) {
        const A_Time frame = dorvane_host::FrameDurationOf(rate.text);
        EXPECT_EQ(frame.value, rate.value) << rate.text;
        EXPECT_EQ(frame.scale, rate.scale) << rate.text;
    }
    for (const char* bad : {"", "0", "-24", "abc", "1/0", "24fps", "1e4", "0.0", "1.2.3", "e5", "1e", "1000.001",
                            "29.9700000001", "1e-20", "99999999999999999999999"}) {
        EXPECT_THROW(dorvane_host::FrameDurationOf(bad), std::invalid_argument) << bad;
    }
}

TEST(TimingOverrides, CountFramesInTheNewRate) {
    simhost::Scene scene = simhost::DemoScene();
    dorvane_host::OverrideTiming(scene, {dorvane_host::FrameDurationOf("24"), 48, 12});
    EXPECT_EQ(scene.frame_duration.value, 1);
    EXPECT_EQ(scene.frame_duration.scale, 24u);
    EXPECT_EQ(scene.duration.value, 48);
    EXPECT_EQ(scene.duration.scale, 24u);
    EXPECT_EQ(scene.in_point.value, 12);

    // Only what is given changes.
    simhost::Scene longer = simhost::DemoScene();
    dorvane_host::OverrideTiming(longer, {std::nullopt, 600, std::nullopt});
    EXPECT_EQ(longer.duration.value, 600 * 1001);
    EXPECT_EQ(longer.frame_duration.value, 1001);
    EXPECT_EQ(longer.in_point.value, 0);

    // Beyond 32-bit ticks at 1001 ticks a frame, and a negative length.
    simhost::Scene scene_too_long = simhost::DemoScene();
    EXPECT_THROW(dorvane_host::OverrideTiming(scene_too_long, {std::nullopt, 3000000, std::nullopt}),
                 std::invalid_argument);
    EXPECT_THROW(dorvane_host::OverrideTiming(scene_too_long, {std::nullopt, -1, std::nullopt}), std::invalid_argument);
}

}  // namespace
