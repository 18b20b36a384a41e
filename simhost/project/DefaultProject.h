// The project a freshly started host holds.
#pragma once

#include "project/Project.h"

namespace simhost {

// The match name under which the host lists the effect under test.
constexpr const char* kEffectUnderTestMatchName = "Dorvane";

// A host with a realistic handful of installed effects, among them the
// expression controls and the effect under test, and a 1920x1080, 30 fps
// composition with one ten-second layer that carries the effect.
Project DefaultProject();
EffectLocation DefaultInstance(const Project& project);

}  // namespace simhost
