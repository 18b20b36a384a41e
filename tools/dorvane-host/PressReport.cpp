#include "PressReport.h"

#include <cmath>
#include <cstdio>
#include <numeric>

#include "ShortestNumber.h"
#include "Wording.h"
#include "scenes/CameraPresets.h"

namespace dorvane_host {

namespace {

std::string List(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return text;
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.6g s", seconds);
    return text;
}

std::string TimeText(const A_Time& time) {
    return std::to_string(time.value) + "/" + std::to_string(time.scale) + " s";
}

// N·1000/1001 frames per second as hosts name it: "29.97", "23.976".
std::string NtscRateText(long long n) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f", static_cast<double>(n) * 1000.0 / 1001.0);
    std::string rate = text;
    while (rate.back() == '0') rate.pop_back();
    if (rate.back() == '.') rate.pop_back();
    return rate;
}

// A frame rate as it is: "24", "12.5", "0.0001", "1/3"; N·1000/1001 by its
// usual rounded name, which no other rate is shown as ("2997/100").
std::string RateText(const A_Time& frame_duration) {
    const long long common = std::gcd(static_cast<long long>(frame_duration.scale),
                                      static_cast<long long>(frame_duration.value));
    const long long frames = frame_duration.scale / common, seconds = frame_duration.value / common;
    const std::string fraction = std::to_string(frames) + "/" + std::to_string(seconds);
    if (seconds == 1001 && frames % 1000 == 0) return NtscRateText(frames / 1000);
    long long rest = seconds;
    while (rest % 2 == 0) rest /= 2;
    while (rest % 5 == 0) rest /= 5;
    if (rest != 1) return fraction;
    // A decimal that ends: its digits by long division.
    std::string text = std::to_string(frames / seconds);
    long long remainder = frames % seconds;
    if (remainder != 0) text += ".";
    while (remainder != 0) {
        remainder *= 10;
        text += static_cast<char>('0' + remainder / seconds);
        remainder %= seconds;
    }
    const long long ntsc = std::llround(FrameRate(frame_duration) * 1.001);
    return ntsc > 0 && NtscRateText(ntsc) == text ? fraction : text;
}

// The controls that are keyed, or those set once, as runs of neighbours in
// the table: "Camera_Fov and Camera_Row1 to Camera_Row4".
std::string ControlsText(bool keyed) {
    std::vector<std::string> runs;
    for (int first = 0; first < kControlCount; ++first) {
        if (kControls[first].keyed != keyed) continue;
        int last = first;
        while (last + 1 < kControlCount && kControls[last + 1].keyed == keyed) ++last;
        std::string run = kControls[first].name;
        if (last > first) run += std::string(" to ") + kControls[last].name;
        runs.push_back(run);
        first = last;
    }
    return List(runs);
}

std::size_t KeyedCount() {
    std::size_t count = 0;
    for (const ControlSpec& control : kControls) count += control.keyed ? 1 : 0;
    return count;
}

}  // namespace

ControlUids ClaimedControls(const simhost::Project& project, int layer_id) {
    ControlUids uids{};
    for (std::size_t i = 0; i < uids.size(); ++i) uids[i] = ClaimedControl(project, layer_id, kControls[i]);
    return uids;
}

std::vector<std::string> DescribePress(const ControlUids& before, const ControlUids& after,
                                       const Recording& recording) {
    std::vector<std::string> created, reused, missing;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string name = kControls[i].name;
        if (after[i] == 0) {
            missing.push_back(name);
        } else if (after[i] == before[i]) {
            reused.push_back(name);
        } else {
            created.push_back(name);
        }
    }
    std::vector<std::string> lines;
    if (!created.empty()) {
        lines.push_back((created.size() == 6 ? "created all six controls: " : "created ") + List(created));
    }
    if (!reused.empty()) {
        lines.push_back((reused.size() == 6 ? "reused all six controls already on the layer: "
                                            : "reused, as already on the layer: ") +
                        List(reused));
    }
    if (!missing.empty()) lines.push_back("left without: " + List(missing));

    const std::size_t frames = recording.Frames();
    const RecordedControl& fov = recording.Control(kFov);
    if (frames == 0) {
        lines.push_back("keyed nothing: the layer spans no frame, so " + ControlsText(true) +
                        " hold their defaults (or what they held before), not a recording");
    } else {
        lines.push_back("keyed " + Count(static_cast<long long>(frames), "frame") + " into each of " +
                        ControlsText(true) + " (" + Count(static_cast<long long>(frames * KeyedCount()), "key") +
                        ", from " + TimeText(fov.keys.front().time) + " to " + TimeText(fov.keys.back().time) + ")");
    }
    lines.push_back("set " + ControlsText(false) + " once to " + Shortest(recording.Aspect()) +
                    " (width over height), not keyed");
    int enabled = 0;
    for (const RecordedControl& control : recording.controls) enabled += control.enabled ? 1 : 0;
    lines.push_back(enabled == 0 ? "left all six switched off" : std::to_string(enabled) + " of them left switched on");
    return lines;
}

std::vector<std::string> DescribeScene(const simhost::Scene& scene, bool built_in) {
    std::vector<std::string> lines;
    lines.push_back("\"" + scene.name + "\"" + (built_in ? " (built in)" : "") + ": " + std::to_string(scene.width) +
                    "x" + std::to_string(scene.height) + " at " + RateText(scene.frame_duration) +
                    " fps (a frame lasts " + TimeText(scene.frame_duration) + ")");
    lines.push_back("the layer starts at " + TimeText(scene.in_point) + " (" +
                    SecondsText(simhost::Seconds(scene.in_point)) + ") and lasts " + TimeText(scene.duration) + " (" +
                    SecondsText(simhost::Seconds(scene.duration)) + ", " +
                    Count(FramesInSpan(scene.duration, scene.frame_duration), "frame") + ")");
    switch (scene.camera.kind) {
        case simhost::SceneCamera::Kind::None:
            lines.push_back("no camera: the host's stand-in, a 50 mm view of the composition's centre");
            break;
        case simhost::SceneCamera::Kind::Preset:
            lines.push_back(std::string("camera preset \"") + simhost::CameraPresetName(scene.camera.preset) +
                            "\" over the layer's span");
            break;
        case simhost::SceneCamera::Kind::Keyed:
            lines.push_back("a camera with " + Count(static_cast<long long>(scene.camera.keys.size()), "key") + ", " +
                            (scene.camera.aims_at_point_of_interest ? "aimed at a point of interest"
                                                                    : "turned by its orientation"));
            break;
    }
    for (const simhost::SceneEffect& effect : scene.effects) {
        lines.push_back("already on the layer: " + effect.kind + " \"" + effect.name + "\"" +
                        (effect.enabled ? "" : ", switched off") +
                        (effect.keys.empty() ? "" : ", " + Count(static_cast<long long>(effect.keys.size()), "key")));
    }
    return lines;
}

}  // namespace dorvane_host
