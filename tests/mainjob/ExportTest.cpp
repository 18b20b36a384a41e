// The exports: every key of the six controls, read back from JSON and CSV
// equal to the project to the last bit.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "Exports.h"
#include "FrameTable.h"
#include "PressedScene.h"
#include "ShortestNumber.h"
#include "TimingOverrides.h"
#include "scenes/DemoScene.h"
#include "project/LayerTime.h"

namespace {

using dorvane_host::ControlIndex;
using dorvane_host::kControls;

double Parsed(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << text;
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

// Same double, signed zeros told apart.
void ExpectSame(double read, double expected, const std::string& where) {
    EXPECT_TRUE(read == expected && std::signbit(read) == std::signbit(expected))
        << where << ": read " << read << ", the project holds " << expected;
}

void ExpectSameValue(const std::vector<double>& read, const AEGP_StreamVal2& expected, bool three_d,
                     const std::string& where) {
    if (three_d) {
        ASSERT_EQ(read.size(), 3u) << where;
        ExpectSame(read[0], expected.three_d.x, where + " x");
        ExpectSame(read[1], expected.three_d.y, where + " y");
        ExpectSame(read[2], expected.three_d.z, where + " z");
    } else {
        ASSERT_EQ(read.size(), 1u) << where;
        ExpectSame(read[0], expected.one_d, where);
    }
}

// A key as read from an export: composition time and value.
struct ReadKey {
    long long value;
    unsigned long long scale;
    double seconds;
    std::vector<double> components;
};

// The keys read back must be the project's keys, at the times the host
// keeps them (layer seconds: the composition time carried onto the layer's
// clock).
void ExpectProjectKeys(PressedScene& pressed, ControlIndex index, const std::vector<ReadKey>& keys) {
    const simhost::Stream& stream = pressed.ControlStream(index);
    const bool three_d = index >= dorvane_host::kRow1;
    ASSERT_EQ(keys.size(), stream.keyframes.size()) << kControls[index].name;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const std::string where = std::string(kControls[index].name) + " key " + std::to_string(k);
        const double seconds = static_cast<double>(keys[k].value) / static_cast<double>(keys[k].scale);
        ExpectSame(keys[k].seconds, seconds, where + " seconds");
        const A_Time comp_time{static_cast<A_long>(keys[k].value), static_cast<A_u_long>(keys[k].scale)};
        const std::optional<double> layer_seconds =
            simhost::LayerSeconds(pressed.TheLayer(), comp_time, AEGP_LTimeMode_CompTime);
        ASSERT_TRUE(layer_seconds.has_value()) << where;
        ExpectSame(*layer_seconds, stream.keyframes[k].layer_seconds, where + " time");
        ExpectSameValue(keys[k].components, stream.keyframes[k].value, three_d, where);
    }
}

std::vector<double> JsonComponents(const nlohmann::json& value) {
    if (value.is_number()) return {value.get<double>()};
    return {value.at("x").get<double>(), value.at("y").get<double>(), value.at("z").get<double>()};
}

void ExpectJsonEqualsProject(PressedScene& pressed) {
    std::ostringstream text;
    dorvane_host::WriteJson(pressed.recording, text);
    const nlohmann::json doc = nlohmann::json::parse(text.str());
    EXPECT_EQ(doc.at("format"), "dorvane-camera");
    EXPECT_EQ(doc.at("version"), 1);
    EXPECT_EQ(doc.at("scene"), pressed.scene.name);
    const simhost::Composition& comp = pressed.host.state().project().comp;
    EXPECT_EQ(doc.at("composition").at("width"), comp.width);
    EXPECT_EQ(doc.at("composition").at("height"), comp.height);
    EXPECT_EQ(doc.at("composition").at("frame_duration").at("value"), comp.frame_duration.value);
    EXPECT_EQ(doc.at("composition").at("frame_duration").at("scale"), comp.frame_duration.scale);
    ExpectSame(doc.at("composition").at("frame_rate").get<double>(),
               static_cast<double>(comp.frame_duration.scale) / comp.frame_duration.value, "frame rate");
    ExpectSame(doc.at("aspect").get<double>(), pressed.ControlStream(dorvane_host::kAspect).value.one_d, "aspect");

    const nlohmann::json& controls = doc.at("controls");
    ASSERT_EQ(controls.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const ControlIndex index = static_cast<ControlIndex>(i);
        EXPECT_EQ(controls[i].at("name"), kControls[i].name);
        EXPECT_EQ(controls[i].at("kind"), kControls[i].kind);
        EXPECT_EQ(controls[i].at("enabled"), false);
        std::vector<ReadKey> keys;
        for (const nlohmann::json& key : controls[i].at("keys")) {
            const nlohmann::json& time = key.at("time");
            keys.push_back({time.at("value").get<long long>(), time.at("scale").get<unsigned long long>(),
                            time.at("seconds").get<double>(), JsonComponents(key.at("value"))});
        }
        ExpectProjectKeys(pressed, index, keys);
    }
    const std::vector<double> aspect = JsonComponents(controls[dorvane_host::kAspect].at("value"));
    ExpectSameValue(aspect, pressed.ControlStream(dorvane_host::kAspect).value, false, "Camera_Aspect");
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

void ExpectCsvEqualsProject(PressedScene& pressed) {
    std::ostringstream text;
    dorvane_host::WriteCsv(pressed.recording, text);
    std::istringstream lines(text.str());
    std::string line;
    std::map<std::string, std::vector<ReadKey>> keys;
    std::map<std::string, std::string> notes;
    bool header_seen = false;
    int lines_without_a_time = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("# ", 0) == 0) {
            const std::size_t colon = line.find(": ");
            notes[line.substr(2, colon - 2)] = line.substr(colon + 2);
            continue;
        }
        if (!header_seen) {
            EXPECT_EQ(line, "control,kind,time_value,time_scale,seconds,value,x,y,z");
            header_seen = true;
            continue;
        }
        const std::vector<std::string> f = Fields(line);
        ASSERT_EQ(f.size(), 9u) << line;
        const bool three_d = f[5].empty();
        std::vector<double> components =
            three_d ? std::vector<double>{Parsed(f[6]), Parsed(f[7]), Parsed(f[8])} : std::vector<double>{Parsed(f[5])};
        if (f[2].empty()) {
            EXPECT_EQ(f[0], "Camera_Aspect");
            ++lines_without_a_time;
            ExpectSameValue(components, pressed.ControlStream(dorvane_host::kAspect).value, false, "Camera_Aspect");
            continue;
        }
        keys[f[0]].push_back({std::stoll(f[2]), std::stoull(f[3]), Parsed(f[4]), components});
    }
    EXPECT_EQ(lines_without_a_time, 1) << "Camera_Aspect's one value, without a time";
    const simhost::Composition& comp = pressed.host.state().project().comp;
    EXPECT_EQ(notes["composition"], std::to_string(comp.width) + "x" + std::to_string(comp.height));
    EXPECT_EQ(notes["frame_duration"],
              std::to_string(comp.frame_duration.value) + "/" + std::to_string(comp.frame_duration.scale));
    ExpectSame(Parsed(notes["aspect"]), pressed.ControlStream(dorvane_host::kAspect).value.one_d, "aspect");
    for (std::size_t i = 0; i < 6; ++i) ExpectProjectKeys(pressed, static_cast<ControlIndex>(i), keys[kControls[i].name]);
}

TEST(Exports, OfTheDefaultSceneHold300KeysAtWholeNtscFrames) {
    PressedScene pressed(simhost::DemoScene());
    const dorvane_host::Recording& recording = pressed.recording;
    EXPECT_EQ(recording.Frames(), 300u);
    for (ControlIndex index : {dorvane_host::kFov, dorvane_host::kRow1, dorvane_host::kRow2, dorvane_host::kRow3,
                               dorvane_host::kRow4}) {
        const std::vector<dorvane_host::RecordedKey>& keys = recording.Control(index).keys;
        ASSERT_EQ(keys.size(), 300u) << kControls[index].name;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(keys[k].time.value, static_cast<A_long>(k * 1001)) << kControls[index].name << " key " << k;
            EXPECT_EQ(keys[k].time.scale, 30000u);
        }
    }
    EXPECT_TRUE(recording.Control(dorvane_host::kAspect).keys.empty());
    EXPECT_EQ(recording.Aspect(), 1920.0 / 1080.0);
}

class ExportsOfEveryScene : public testing::TestWithParam<const char*> {};

TEST_P(ExportsOfEveryScene, ReadBackEqualToTheProject) {
    PressedScene pressed(TestScene(GetParam()));
    ExpectJsonEqualsProject(pressed);
    ExpectCsvEqualsProject(pressed);
}

TEST_P(ExportsOfEveryScene, TableHasALinePerFrameNumberedInCompositionFrames) {
    PressedScene pressed(TestScene(GetParam()));
    std::ostringstream text;
    dorvane_host::WriteFrameTable(pressed.recording, text);
    std::istringstream lines(text.str());
    std::string line;
    std::getline(lines, line);  // the header
    std::size_t count = 0;
    const A_Time& frame = pressed.scene.frame_duration;
    const long long first = dorvane_host::FrameNumber(pressed.scene.in_point, frame);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        long long number = 0;
        double seconds = 0.0;
        std::string time;
        fields >> number >> seconds >> time;
        EXPECT_EQ(number, first + static_cast<long long>(count)) << line;
        const dorvane_host::RecordedKey& key = pressed.recording.Control(dorvane_host::kFov).keys[count];
        EXPECT_EQ(time, std::to_string(key.time.value) + "/" + std::to_string(key.time.scale));
        ++count;
    }
    EXPECT_EQ(count, pressed.recording.Frames());
}

INSTANTIATE_TEST_SUITE_P(DemoAndExamples, ExportsOfEveryScene, EveryTestScene());

TEST(ShortestNumber, ReadsBackToTheSameDoubleInFewestDigits) {
    EXPECT_EQ(dorvane_host::Shortest(0.1), "0.1");
    EXPECT_EQ(dorvane_host::Shortest(-0.0), "-0");
    EXPECT_EQ(dorvane_host::Shortest(1920.0 / 1080.0), "1.7777777777777777");
    EXPECT_EQ(dorvane_host::Shortest(1.0), "1");
    for (double value : {1.0 / 3.0, 0.1 + 0.2, 5e-324, DBL_MAX, -DBL_MIN, 2666.7, 0.3995916294558281, 1e21, 1e-7}) {
        const std::string text = dorvane_host::Shortest(value);
        ExpectSame(Parsed(text), value, text);
    }
    EXPECT_EQ(dorvane_host::Shortest(std::nan("")), "nan");
    EXPECT_EQ(dorvane_host::Shortest(-HUGE_VAL), "-inf");
}

}  // namespace
