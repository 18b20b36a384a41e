#include "Exports.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "ShortestNumber.h"
#include "Wording.h"

namespace dorvane_host {

namespace {

// JSON has no infinity or NaN: such a value is written as null. A whole
// number keeps a fraction, so that readers take it as floating point and
// keep the sign of -0.0.
std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    std::string text = Shortest(value);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

std::string JsonText(const std::string& text) { return nlohmann::json(text).dump(); }

std::string JsonTime(const A_Time& time) {
    return "{\"value\": " + std::to_string(time.value) + ", \"scale\": " + std::to_string(time.scale) +
           ", \"seconds\": " + JsonNumber(simhost::Seconds(time)) + "}";
}

std::string JsonValue(const simhost::Vec3& value, bool three_d) {
    if (!three_d) return JsonNumber(value.x);
    return "{\"x\": " + JsonNumber(value.x) + ", \"y\": " + JsonNumber(value.y) + ", \"z\": " + JsonNumber(value.z) +
           "}";
}

}  // namespace

void WriteJson(const Recording& recording, std::ostream& out) {
    out << "{\n"
        << "  \"format\": " << JsonText(kExportFormat) << ",\n"
        << "  \"version\": " << kExportVersion << ",\n"
        << "  \"scene\": " << JsonText(recording.scene_name) << ",\n"
        << "  \"composition\": {\"width\": " << recording.width << ", \"height\": " << recording.height
        << ", \"frame_duration\": " << JsonTime(recording.frame_duration)
        << ", \"frame_rate\": " << JsonNumber(FrameRate(recording.frame_duration)) << "},\n"
        << "  \"layer\": {\"in_point\": " << JsonTime(recording.in_point)
        << ", \"duration\": " << JsonTime(recording.duration) << "},\n"
        << "  \"aspect\": " << JsonNumber(recording.Aspect()) << ",\n"
        << "  \"controls\": [";
    const char* control_separator = "\n";
    for (const RecordedControl& control : recording.controls) {
        if (!control.found) continue;
        out << control_separator << "    {\"name\": " << JsonText(control.name.name)
            << ", \"kind\": " << JsonText(control.name.kind) << ", \"enabled\": " << (control.enabled ? "true" : "false");
        if (control.keys.empty()) out << ", \"value\": " << JsonValue(control.static_value, control.three_d);
        out << ", \"keys\": [";
        const char* key_separator = "\n";
        for (const RecordedKey& key : control.keys) {
            out << key_separator << "      {\"time\": " << JsonTime(key.time)
                << ", \"value\": " << JsonValue(key.value, control.three_d) << "}";
            key_separator = ",\n";
        }
        out << (control.keys.empty() ? "]}" : "\n    ]}");
        control_separator = ",\n";
    }
    out << "\n  ]\n}\n";
}

void WriteCsv(const Recording& recording, std::ostream& out) {
    out << "# scene: " << OneLine(recording.scene_name) << "\n"
        << "# composition: " << recording.width << "x" << recording.height << "\n"
        << "# frame_duration: " << recording.frame_duration.value << "/" << recording.frame_duration.scale << "\n"
        << "# frame_rate: " << Shortest(FrameRate(recording.frame_duration)) << "\n"
        << "# aspect: " << Shortest(recording.Aspect()) << "\n"
        << "control,kind,time_value,time_scale,seconds,value,x,y,z\n";
    for (const RecordedControl& control : recording.controls) {
        if (!control.found) continue;
        const std::string prefix = std::string(control.name.name) + "," + control.name.kind + ",";
        auto values = [&](const simhost::Vec3& value) {
            return control.three_d ? "," + Shortest(value.x) + "," + Shortest(value.y) + "," + Shortest(value.z)
                                   : Shortest(value.x) + ",,,";
        };
        if (control.keys.empty()) out << prefix << ",,," << values(control.static_value) << "\n";
        for (const RecordedKey& key : control.keys) {
            out << prefix << key.time.value << "," << key.time.scale << "," << Shortest(key.seconds) << ","
                << values(key.value) << "\n";
        }
    }
}

}  // namespace dorvane_host
