// The installed-effect key the host gives an effect type, looked up by its
// match name, so that tests follow the project rather than its numbering.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "project/Project.h"

// A test names only kinds it expects the host to have installed: one that
// is not installed fails the test (its key reads 0), so that an expected key
// can never pass by being 0 on both sides.
inline AEGP_InstalledEffectKey KeyOf(const simhost::Project& project, const std::string& match_name) {
    const simhost::InstalledEffect* effect = project.FindInstalledByMatchName(match_name);
    if (effect == nullptr) {
        ADD_FAILURE() << "no installed effect has the match name \"" << match_name << "\"";
        return 0;
    }
    return effect->key;
}
