#include "Recording.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "project/LayerTime.h"

namespace dorvane_host {

namespace {

const simhost::EffectInstance* FindClaimed(const simhost::Project& project, int layer_id,
                                           const ControlName& control) {
    const simhost::Layer* layer = project.FindLayer(layer_id);
    if (layer == nullptr) return nullptr;
    const std::u16string wide = simhost::Utf16FromAscii(control.name);
    for (const simhost::EffectInstance& effect : layer->effects) {
        const simhost::InstalledEffect* kind = project.FindInstalled(effect.key);
        if (kind != nullptr && kind->match_name == control.kind && effect.name == wide) return &effect;
    }
    return nullptr;
}

simhost::Vec3 Components(const AEGP_StreamVal2& value, bool three_d) {
    if (three_d) return {value.three_d.x, value.three_d.y, value.three_d.z};
    return {value.one_d, 0.0, 0.0};
}

// The host keeps a key at layer seconds, carried from the composition time
// the press wrote it at, a whole number of ticks, by the layer's own clock:
// find those ticks on the layer's clock and carry them back the same way.
A_Time CompTime(const simhost::Layer& layer, double layer_seconds, A_u_long scale) {
    const double ticks = std::round(layer_seconds * static_cast<double>(scale));
    std::optional<A_Time> comp_time;
    if (ticks >= INT32_MIN && ticks <= INT32_MAX) {
        const A_Time layer_time{static_cast<A_long>(ticks), scale};
        if (simhost::Seconds(layer_time) == layer_seconds) {
            comp_time = simhost::ConvertTime(layer, layer_time, AEGP_LTimeMode_LayerTime, AEGP_LTimeMode_CompTime);
        }
    }
    if (!comp_time) {
        throw std::runtime_error("a key at " + std::to_string(layer_seconds) + " s of layer time lies off the grid of " +
                                 std::to_string(scale) + " ticks a second");
    }
    return *comp_time;
}

}  // namespace

std::size_t Recording::Frames() const {
    std::size_t frames = SIZE_MAX;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (kControls[i].keyed) frames = std::min(frames, controls[i].keys.size());
    }
    return frames;
}

int ClaimedControl(const simhost::Project& project, int layer_id, const ControlName& control) {
    const simhost::EffectInstance* effect = FindClaimed(project, layer_id, control);
    return effect == nullptr ? 0 : effect->uid;
}

Recording ReadRecording(const simhost::Project& project, int layer_id, const std::string& scene_name) {
    const simhost::Layer* layer = project.FindLayer(layer_id);
    if (layer == nullptr) throw std::runtime_error("the project has no layer " + std::to_string(layer_id));
    Recording recording;
    recording.scene_name = scene_name;
    recording.width = project.comp.width;
    recording.height = project.comp.height;
    recording.frame_duration = project.comp.frame_duration;
    recording.in_point = layer->in_point;
    recording.duration = layer->duration;
    const A_u_long scale = std::max({layer->in_point.scale, layer->duration.scale, project.comp.frame_duration.scale});
    for (const ControlName& name : kControls) {
        RecordedControl control;
        control.name = name;
        const simhost::EffectInstance* effect = FindClaimed(project, layer_id, name);
        if (effect != nullptr && effect->params.size() >= 2) {
            const simhost::Stream& stream = effect->params[1];
            control.found = true;
            control.three_d = simhost::NumericComponents(stream.type) == 3;
            control.enabled = (effect->flags & AEGP_EffectFlags_ACTIVE) != 0;
            control.static_value = Components(stream.value, control.three_d);
            control.keys.reserve(stream.keyframes.size());
            for (const simhost::Keyframe& key : stream.keyframes) {
                const A_Time time = CompTime(*layer, key.layer_seconds, scale);
                control.keys.push_back({time, simhost::Seconds(time), Components(key.value, control.three_d)});
            }
        }
        recording.controls.push_back(std::move(control));
    }
    return recording;
}

}  // namespace dorvane_host
