#include "project/Project.h"

#include <algorithm>

namespace simhost {

const InstalledEffect* Project::FindInstalled(AEGP_InstalledEffectKey key) const {
    auto found = std::find_if(installed.begin(), installed.end(),
                              [&](const InstalledEffect& effect) { return effect.key == key; });
    return found == installed.end() ? nullptr : &*found;
}

Layer* Project::FindLayer(int id) {
    auto found = std::find_if(comp.layers.begin(), comp.layers.end(), [&](const Layer& layer) { return layer.id == id; });
    return found == comp.layers.end() ? nullptr : &*found;
}

const Layer* Project::FindLayer(int id) const { return const_cast<Project*>(this)->FindLayer(id); }

CameraView Project::CameraAt(double comp_seconds) const {
    if (comp.camera) return comp.camera->ViewAt(comp_seconds);
    return Camera::Default(comp.width, comp.height).ViewAt(comp_seconds);
}

}  // namespace simhost
