// The installed-effect key the host gives an effect type, looked up by its
// match name, so that tests follow the project rather than its numbering.
#pragma once

#include <string>

#include "project/Project.h"

// 0 when nothing of that match name is installed.
inline AEGP_InstalledEffectKey KeyOf(const simhost::Project& project, const std::string& match_name) {
    for (const simhost::InstalledEffect& effect : project.installed) {
        if (effect.match_name == match_name) return effect.key;
    }
    return 0;
}
