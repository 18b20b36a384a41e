// A scene to press "Create Controls" in: the composition, the layer that
// carries the effect, the camera, and effects already on the layer. Plain
// data, so that it can be read from a file, altered and then built.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "A.h"
#include "scenes/CameraPresets.h"
#include "project/Project.h"

namespace simhost {

struct SceneCameraKey {
    A_Time time;  // composition time
    CameraPose pose;
};

struct SceneCamera {
    enum class Kind {
        None,    // no camera layer: the host's stand-in view
        Preset,  // a ready-made move over the layer's span
        Keyed,   // poses keyed at composition times
    };
    Kind kind = Kind::None;
    CameraPreset preset = CameraPreset::Static;
    bool aims_at_point_of_interest = true;
    std::vector<SceneCameraKey> keys;
};

// An effect on the layer before the press: one of the host's installed
// kinds, its value at parameter 1 (one number per component).
struct SceneEffectKey {
    A_Time time;  // layer time
    std::vector<double> value;
};

struct SceneEffect {
    std::string kind;  // the installed effect's match name
    std::string name;  // the instance name the user sees, in ASCII
    bool enabled = true;
    std::optional<std::vector<double>> value;  // the static value
    std::vector<SceneEffectKey> keys;
};

struct Scene {
    std::string name;
    A_long width = 1920;
    A_long height = 1080;
    A_Time frame_duration{1, 30};
    A_Time in_point{0, 30};  // composition time
    A_Time duration{300, 30};
    A_Time start{0, 30};  // composition time of the layer's own time 0
    SceneCamera camera;
    std::vector<SceneEffect> effects;  // placed after the effect under test
};

// Puts the scene into the project: the composition's size, rate and
// camera, and the timing and extra effects of the layer `layer_id`.
// Throws std::invalid_argument for an effect kind the host does not have
// or a value with the wrong number of components.
void BuildScene(Project& project, int layer_id, const Scene& scene);

}  // namespace simhost
