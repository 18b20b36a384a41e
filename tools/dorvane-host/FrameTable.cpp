#include "FrameTable.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "ShortestNumber.h"

namespace dorvane_host {

namespace {

std::string Row(const simhost::Vec3& row) {
    char text[128];
    std::snprintf(text, sizeof(text), "%10s %10s %10s", ReadableNumber(row.x, 10, 4).c_str(),
                  ReadableNumber(row.y, 10, 4).c_str(), ReadableNumber(row.z, 10, 4).c_str());
    return text;
}

}  // namespace

long long FrameNumber(const A_Time& time, const A_Time& frame_duration) {
    const long double frames = static_cast<long double>(time.value) * frame_duration.scale /
                               (static_cast<long double>(time.scale) * frame_duration.value);
    return std::llround(frames);
}

void WriteFrameTable(const Recording& recording, std::ostream& out) {
    char line[512];
    std::snprintf(line, sizeof(line), "%7s %11s %-16s %10s %9s %8s  %-32s  %-32s  %-32s  %-32s\n", "frame", "seconds",
                  "time", "fov rad", "fov deg", "aspect", "Camera_Row1 (x y z)", "Camera_Row2 (x y z)",
                  "Camera_Row3 (x y z)", "Camera_Row4 (x y z)");
    out << line;
    const std::vector<RecordedKey>& fov = recording.Control(kFov).keys;
    for (std::size_t i = 0; i < recording.Frames(); ++i) {
        const RecordedKey& key = fov[i];
        const std::string time = std::to_string(key.time.value) + "/" + std::to_string(key.time.scale);
        std::snprintf(line, sizeof(line), "%7lld %11s %-16s %10s %9s %8s  %s  %s  %s  %s\n",
                      FrameNumber(key.time, recording.frame_duration), ReadableNumber(key.seconds, 11, 6).c_str(),
                      time.c_str(), ReadableNumber(key.value.x, 10, 7).c_str(),
                      ReadableNumber(Degrees(key.value.x), 9, 5).c_str(),
                      ReadableNumber(recording.Aspect(), 8, 5).c_str(),
                      Row(recording.Control(kRow1).keys[i].value).c_str(),
                      Row(recording.Control(kRow2).keys[i].value).c_str(),
                      Row(recording.Control(kRow3).keys[i].value).c_str(),
                      Row(recording.Control(kRow4).keys[i].value).c_str());
        out << line;
    }
}

}  // namespace dorvane_host
