// A scene built into a fresh host and pressed once, with the recording
// read back and checked to hold a key a frame: the starting point of the
// main job's tests.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Host.h"
#include "PressReport.h"
#include "Recording.h"
#include "SceneFile.h"
#include "TimingOverrides.h"
#include "scenes/DemoScene.h"
#include "scenes/Scene.h"

// The example scenes shipped with the demo.
inline std::string ExamplePath(const std::string& file) { return std::string(DORVANE_EXAMPLES_DIR) + "/" + file; }

inline simhost::Scene ExampleScene(const std::string& file) {
    simhost::Host host(DORVANE_PLUGIN_PATH);
    return dorvane_host::ReadSceneFile(ExamplePath(file), host.state().project());
}

// The built-in scene ("demo"), the same on a layer whose own time starts
// off the composition's tick grid ("demo-shifted", so that the keys' layer
// times are not their composition times), or an example, shortened to 90
// frames: the hour-long example adds a composition without a camera, not its
// length.
inline simhost::Scene TestScene(const std::string& name) {
    if (name == "demo") return simhost::DemoScene();
    if (name == "demo-shifted") {
        simhost::Scene scene = simhost::DemoScene();
        scene.start = {1, 7};
        return scene;
    }
    simhost::Scene scene = ExampleScene(name);
    dorvane_host::OverrideTiming(scene, {std::nullopt, 90, std::nullopt});
    return scene;
}

inline auto EveryTestScene() {
    return testing::Values("demo", "demo-shifted", "orbit-24fps.json", "earlier-controls.json",
                           "hour-60fps-no-camera.json");
}

class PressedScene {
public:
    explicit PressedScene(const simhost::Scene& pressed_scene) : host(DORVANE_PLUGIN_PATH), scene(pressed_scene) {
        host.state().trace().SetRecording(false);
        EXPECT_EQ(host.GlobalSetup(), PF_Err_NONE);
        EXPECT_EQ(host.ParamsSetup(), PF_Err_NONE);
        simhost::BuildScene(host.state().project(), host.state().Instance().layer_id, scene);
        EXPECT_EQ(host.UserChangedParam(1), PF_Err_NONE);
        recording = dorvane_host::ReadRecording(host.state().project(), host.state().Instance().layer_id, scene.name);
        // The tests walk the recorded keys: a press that keyed nothing
        // would pass them all unseen.
        EXPECT_EQ(static_cast<long long>(recording.Frames()),
                  dorvane_host::FramesInSpan(scene.duration, scene.frame_duration))
            << "the press did not key every frame of the layer's span";
    }

    // The value stream of the control the press claimed.
    const simhost::Stream& ControlStream(dorvane_host::ControlIndex index) {
        const int uid =
            dorvane_host::ClaimedControl(host.state().project(), host.state().Instance().layer_id, dorvane_host::kControls[index]);
        const simhost::EffectInstance* effect = host.state().project().FindEffect(host.state().Instance().layer_id, uid);
        if (effect == nullptr) throw std::runtime_error(std::string("no control ") + dorvane_host::kControls[index].name);
        return effect->params.at(1);
    }

    const simhost::Layer& TheLayer() { return *host.state().project().FindLayer(host.state().Instance().layer_id); }

    simhost::Host host;
    simhost::Scene scene;
    dorvane_host::Recording recording;
};
