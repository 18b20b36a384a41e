// Ready-made camera moves over a span of composition time, each starting
// from the host's 50 mm view of the composition's centre.
#pragma once

#include <optional>
#include <string>

#include "project/Camera.h"

namespace simhost {

enum class CameraPreset {
    Static,  // holds the starting view
    Dolly,   // moves straight in, halving its distance to the centre
    Orbit,   // one full turn around the centre at the starting distance
    Zoom,    // stays put and doubles its zoom
};

std::optional<CameraPreset> CameraPresetNamed(const std::string& name);
const char* CameraPresetName(CameraPreset preset);
// Every preset's name, for messages: "static, dolly, orbit, zoom".
std::string CameraPresetNames();

// The preset's camera for a composition of this size, moving from
// `start_seconds` to `end_seconds` and holding outside them.
Camera PresetCamera(CameraPreset preset, A_long comp_width, A_long comp_height, double start_seconds,
                    double end_seconds);

}  // namespace simhost
