#include "scenes/CameraPresets.h"

#include <cmath>

namespace simhost {

namespace {

struct PresetName {
    CameraPreset preset;
    const char* name;
};

constexpr PresetName kPresetNames[] = {
    {CameraPreset::Static, "static"},
    {CameraPreset::Dolly, "dolly"},
    {CameraPreset::Orbit, "orbit"},
    {CameraPreset::Zoom, "zoom"},
};

// Keys are linear in between, so a turn keyed every degree strays from the
// circle by under a hundred-thousandth of its radius.
constexpr int kOrbitKeys = 360;

}  // namespace

std::optional<CameraPreset> CameraPresetNamed(const std::string& name) {
    for (const PresetName& entry : kPresetNames) {
        if (name == entry.name) return entry.preset;
    }
    return std::nullopt;
}

const char* CameraPresetName(CameraPreset preset) {
    for (const PresetName& entry : kPresetNames) {
        if (entry.preset == preset) return entry.name;
    }
    return "?";
}

std::string CameraPresetNames() {
    std::string names;
    for (const PresetName& entry : kPresetNames) names += (names.empty() ? "" : ", ") + std::string(entry.name);
    return names;
}

Camera PresetCamera(CameraPreset preset, A_long comp_width, A_long comp_height, double start_seconds,
                    double end_seconds) {
    const CameraPose start = Camera::Default(comp_width, comp_height).PoseAt(0.0);
    const Vec3 centre = start.point_of_interest;
    const double distance = start.zoom;
    Camera camera(comp_width, comp_height);
    camera.AddKey(start_seconds, start);
    const bool moves = end_seconds > start_seconds;
    switch (preset) {
        case CameraPreset::Static:
            break;
        case CameraPreset::Dolly:
            if (moves) {
                camera.AddKey(end_seconds, {{centre.x, centre.y, centre.z - distance / 2.0}, centre, start.zoom});
            }
            break;
        case CameraPreset::Zoom:
            if (moves) camera.AddKey(end_seconds, {start.position, centre, start.zoom * 2.0});
            break;
        case CameraPreset::Orbit:
            for (int k = 1; moves && k <= kOrbitKeys; ++k) {
                const double turn = static_cast<double>(k) / kOrbitKeys;
                const double angle = 2.0 * kPi * turn;
                const Vec3 position{centre.x - distance * std::sin(angle), centre.y,
                                    centre.z - distance * std::cos(angle)};
                camera.AddKey(start_seconds + (end_seconds - start_seconds) * turn, {position, centre, start.zoom});
            }
            break;
    }
    return camera;
}

}  // namespace simhost
