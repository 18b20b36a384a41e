#include "FrameTable.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace dorvane_host {

namespace {

std::string Row(const simhost::Vec3& row) {
    char text[64];
    std::snprintf(text, sizeof(text), "%10.4f %10.4f %10.4f", row.x, row.y, row.z);
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
        std::snprintf(line, sizeof(line), "%7lld %11.6f %-16s %10.7f %9.5f %8.5f  %s  %s  %s  %s\n",
                      FrameNumber(key.time, recording.frame_duration), key.seconds, time.c_str(), key.value.x,
                      Degrees(key.value.x), recording.Aspect(),
                      Row(recording.Control(kRow1).keys[i].value).c_str(),
                      Row(recording.Control(kRow2).keys[i].value).c_str(),
                      Row(recording.Control(kRow3).keys[i].value).c_str(),
                      Row(recording.Control(kRow4).keys[i].value).c_str());
        out << line;
    }
}

}  // namespace dorvane_host
