#include "project/Project.h"

#include <algorithm>
#include <string>

namespace simhost {

std::u16string Utf16FromAscii(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

const InstalledEffect* Project::FindInstalled(AEGP_InstalledEffectKey key) const {
    auto found = std::find_if(installed.begin(), installed.end(),
                              [&](const InstalledEffect& effect) { return effect.key == key; });
    return found == installed.end() ? nullptr : &*found;
}

const InstalledEffect* Project::FindInstalledByMatchName(const std::string& match_name) const {
    auto found = std::find_if(installed.begin(), installed.end(),
                              [&](const InstalledEffect& effect) { return effect.match_name == match_name; });
    return found == installed.end() ? nullptr : &*found;
}

Layer* Project::FindLayer(int id) {
    auto found = std::find_if(comp.layers.begin(), comp.layers.end(), [&](const Layer& layer) { return layer.id == id; });
    return found == comp.layers.end() ? nullptr : &*found;
}

const Layer* Project::FindLayer(int id) const { return const_cast<Project*>(this)->FindLayer(id); }

EffectInstance* Project::FindEffect(int layer_id, int effect_uid) {
    Layer* layer = FindLayer(layer_id);
    if (layer == nullptr) return nullptr;
    auto found = std::find_if(layer->effects.begin(), layer->effects.end(),
                              [&](const EffectInstance& effect) { return effect.uid == effect_uid; });
    return found == layer->effects.end() ? nullptr : &*found;
}

int Project::ApplyEffect(int layer_id, AEGP_InstalledEffectKey key) {
    Layer* layer = FindLayer(layer_id);
    const InstalledEffect* installed_effect = FindInstalled(key);
    if (layer == nullptr || installed_effect == nullptr || key == 0) return 0;
    EffectInstance instance;
    instance.uid = next_id++;
    instance.key = key;
    instance.name = DefaultInstanceName(*layer, *installed_effect);
    instance.params = installed_effect->params;
    layer->effects.push_back(std::move(instance));
    return layer->effects.back().uid;
}

std::u16string Project::DefaultInstanceName(const Layer& layer, const InstalledEffect& effect) {
    const std::u16string base = Utf16FromAscii(effect.display_name);
    auto taken = [&](const std::u16string& name) {
        return std::any_of(layer.effects.begin(), layer.effects.end(),
                           [&](const EffectInstance& other) { return other.name == name; });
    };
    if (!taken(base)) return base;
    for (int number = 2;; ++number) {
        const std::u16string candidate = base + Utf16FromAscii(" " + std::to_string(number));
        if (!taken(candidate)) return candidate;
    }
}

CameraView Project::CameraAt(double comp_seconds) const {
    if (comp.camera) return comp.camera->ViewAt(comp_seconds);
    return Camera::Default(comp.width, comp.height).ViewAt(comp_seconds);
}

}  // namespace simhost
