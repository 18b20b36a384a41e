#include "scenes/DemoScene.h"

namespace simhost {

Scene DemoScene() {
    constexpr A_u_long kNtscScale = 30000;
    constexpr A_long kNtscFrame = 1001;
    Scene scene;
    scene.name = "demo";
    scene.width = 1920;
    scene.height = 1080;
    scene.frame_duration = {kNtscFrame, kNtscScale};
    scene.in_point = {0, kNtscScale};
    scene.duration = {300 * kNtscFrame, kNtscScale};  // 300 frames, about ten seconds
    scene.start = {0, kNtscScale};
    scene.camera.kind = SceneCamera::Kind::Keyed;
    scene.camera.keys = {
        {{0, 1}, {{960.0, 540.0, -2666.7}, {960.0, 540.0, 0.0}, 2666.7}},
        {{4, 1}, {{1300.0, 420.0, -2200.0}, {980.0, 560.0, 0.0}, 2666.7}},
        {{10, 1}, {{1500.0, 250.0, -1600.0}, {900.0, 600.0, 150.0}, 1800.0}},
    };
    return scene;
}

void UseDemoScene(Project& project, int layer_id) { BuildScene(project, layer_id, DemoScene()); }

}  // namespace simhost
