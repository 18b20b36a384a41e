#include "project/DemoScene.h"

namespace simhost {

void UseDemoScene(Project& project, int layer_id) {
    constexpr A_u_long kNtscScale = 30000;
    constexpr A_long kNtscFrame = 1001;
    Composition& comp = project.comp;
    comp.width = 1920;
    comp.height = 1080;
    comp.frame_duration = {kNtscFrame, kNtscScale};
    if (Layer* layer = project.FindLayer(layer_id)) {
        layer->in_point = {0, kNtscScale};
        layer->duration = {300 * kNtscFrame, kNtscScale};  // 300 frames, about ten seconds
        layer->offset = {0, kNtscScale};
    }
    Camera camera(comp.width, comp.height);
    camera.AddKey(0.0, {{960.0, 540.0, -2666.7}, {960.0, 540.0, 0.0}, 2666.7});
    camera.AddKey(4.0, {{1300.0, 420.0, -2200.0}, {980.0, 560.0, 0.0}, 2666.7});
    camera.AddKey(10.0, {{1500.0, 250.0, -1600.0}, {900.0, 600.0, 150.0}, 1800.0});
    comp.camera = camera;
}

}  // namespace simhost
