#include "scenes/Scene.h"

#include <stdexcept>

namespace simhost {

namespace {

Camera BuildCamera(const Scene& scene) {
    if (scene.camera.kind == SceneCamera::Kind::Preset) {
        const double start = Seconds(scene.in_point);
        const double end = start + Seconds(scene.duration);
        return PresetCamera(scene.camera.preset, scene.width, scene.height, start, end);
    }
    Camera camera(scene.width, scene.height);
    camera.AimAtPointOfInterest(scene.camera.aims_at_point_of_interest);
    for (const SceneCameraKey& key : scene.camera.keys) camera.AddKey(Seconds(key.time), key.pose);
    return camera;
}

AEGP_StreamVal2 StreamValue(const Stream& stream, const std::vector<double>& components, const SceneEffect& effect) {
    if (static_cast<int>(components.size()) != NumericComponents(stream.type)) {
        throw std::invalid_argument("a value of " + effect.kind + " has " +
                                    std::to_string(NumericComponents(stream.type)) + " components");
    }
    AEGP_StreamVal2 value = stream.value;
    for (size_t i = 0; i < components.size(); ++i) Component(value, stream.type, static_cast<int>(i)) = components[i];
    return value;
}

void AddEffect(Project& project, int layer_id, const SceneEffect& effect) {
    const InstalledEffect* installed = project.FindInstalledByMatchName(effect.kind);
    if (installed == nullptr || installed->params.size() < 2 || !installed->params[1].HasValue()) {
        throw std::invalid_argument("the host has no control effect " + effect.kind);
    }
    EffectInstance& instance = *project.FindEffect(layer_id, project.ApplyEffect(layer_id, installed->key));
    instance.name = Utf16FromAscii(effect.name);
    instance.flags = effect.enabled ? AEGP_EffectFlags_ACTIVE : AEGP_EffectFlags_NONE;
    Stream& stream = instance.params[1];
    if (effect.value) stream.value = StreamValue(stream, *effect.value, effect);
    for (const SceneEffectKey& key : effect.keys) {
        stream.SetKeyframe(Seconds(key.time), StreamValue(stream, key.value, effect));
    }
}

}  // namespace

void BuildScene(Project& project, int layer_id, const Scene& scene) {
    Layer* layer = project.FindLayer(layer_id);
    if (layer == nullptr) throw std::invalid_argument("the project has no layer " + std::to_string(layer_id));
    layer->in_point = scene.in_point;
    layer->duration = scene.duration;
    layer->offset = scene.start;
    Composition& comp = project.comp;
    comp.width = scene.width;
    comp.height = scene.height;
    comp.frame_duration = scene.frame_duration;
    if (scene.camera.kind == SceneCamera::Kind::None) {
        comp.camera.reset();
    } else {
        comp.camera = BuildCamera(scene);
    }
    for (const SceneEffect& effect : scene.effects) AddEffect(project, layer_id, effect);
}

}  // namespace simhost
