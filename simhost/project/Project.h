// The project the simulated host holds: installed effect types, and one
// composition with its layers, their effects and the camera.
//
// A project is a plain value: copying it takes a snapshot, which is how the
// host undoes a step. Everything in it is named by a stable id, never by
// address, so a snapshot restored by undo is as valid as the original.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AE_GeneralPlug.h"
#include "project/Camera.h"
#include "project/Stream.h"

namespace simhost {

struct InstalledEffect {
    AEGP_InstalledEffectKey key;  // never 0
    std::string match_name;
    std::string display_name;
    // The streams a new instance gets, by parameter index; index 0 is the
    // effect's input layer.
    std::vector<Stream> params;
};

struct EffectInstance {
    int uid;
    AEGP_InstalledEffectKey key;
    std::u16string name;  // the instance name the user sees
    AEGP_EffectFlags flags = AEGP_EffectFlags_ACTIVE;
    std::vector<Stream> params;
};

struct Layer {
    int id;
    std::u16string name;
    A_Time in_point{0, 30};  // composition time
    A_Time duration{300, 30};
    A_Time offset{0, 30};    // composition time of the layer's time 0
    std::vector<EffectInstance> effects;
};

struct Composition {
    A_long width = 1920;
    A_long height = 1080;
    A_Time frame_duration{1, 30};
    std::optional<Camera> camera;  // none: the host's default camera
    std::vector<Layer> layers;
};

// An ASCII text as a UTF-16 name, each byte one unit: how the host's own
// names, and the names a scene gives, become the names the project holds.
std::u16string Utf16FromAscii(const std::string& ascii);

// Where an effect instance sits: the one that receives the host's commands,
// say.
struct EffectLocation {
    int layer_id;
    int effect_uid;
};

struct Project {
    std::vector<InstalledEffect> installed;
    Composition comp;
    int next_id = 1;

    const InstalledEffect* FindInstalled(AEGP_InstalledEffectKey key) const;
    // The first installed effect of this match name, the one the host's
    // walk meets first; null when there is none.
    const InstalledEffect* FindInstalledByMatchName(const std::string& match_name) const;
    Layer* FindLayer(int id);
    const Layer* FindLayer(int id) const;
    // The effect instance with this uid on that layer, or null.
    EffectInstance* FindEffect(int layer_id, int effect_uid);
    // Applies an installed effect at the end of the layer's effects, under
    // the name the host gives a new instance; returns the instance's uid,
    // or 0 when the layer or the key is unknown.
    int ApplyEffect(int layer_id, AEGP_InstalledEffectKey key);
    // The host's name for a new instance of `effect` on `layer`: the
    // effect's display name, numbered from 2 when the layer already has an
    // instance of that name.
    static std::u16string DefaultInstanceName(const Layer& layer, const InstalledEffect& effect);
    // The camera through which the composition is seen at a time.
    CameraView CameraAt(double comp_seconds) const;
};

}  // namespace simhost
