// The built-in scene of the demo: a 1920x1080 composition at 29.97 fps with
// a ten-second layer seen through a camera that moves and zooms in.
#pragma once

#include "project/Project.h"
#include "scenes/Scene.h"

namespace simhost {

Scene DemoScene();

// Sets up the composition, its layer (the one carrying the effect under
// test, whose id is kept) and the camera.
void UseDemoScene(Project& project, int layer_id);

}  // namespace simhost
