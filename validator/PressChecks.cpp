// Level 3: the press on a fresh layer and on a layer that already carries
// controls, a second press, and the undo step each makes.
#include <string>

#include "Checks.h"
#include "WhatIsHeld.h"
#include "PressBench.h"

namespace validator {

namespace {

void FreshLayer(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    const std::string before = bench.Dump();
    const std::size_t steps_before = bench.UndoSteps();
    bench.Press();
    RequireEqual(bench.TheLayer().effects.size(), 1 + std::size_t{kControlCount}, "effects on the layer:");
    for (std::size_t i = 0; i < std::size_t{kControlCount}; ++i) {
        const simhost::EffectInstance& effect = bench.TheLayer().effects[1 + i];
        Require(effect.key == bench.KeyOf(kControls[i].kind) &&
                    effect.name == simhost::Utf16FromAscii(kControls[i].name),
                std::string("effect ") + std::to_string(2 + i) + " a " + kControls[i].kind + " named " +
                    kControls[i].name,
                "another");
    }
    RequirePressRecorded(bench);
    RequireUndoRestores(bench, before, steps_before);
}

void LayerWithEarlierControls(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    bench.Press();
    // The user renamed one control, and gave a slider the name it had: the
    // press leaves both alone and makes a new 3D point of that name.
    for (simhost::EffectInstance& effect : bench.TheLayer().effects) {
        if (effect.name == simhost::Utf16FromAscii("Camera_Row2")) effect.name = simhost::Utf16FromAscii("My Row2");
    }
    const int look_alike_uid = bench.AddEffect("ADBE Slider Control", "Camera_Row2").uid;
    const std::size_t effects_before = bench.TheLayer().effects.size();
    const std::string before = bench.Dump();
    const std::size_t steps_before = bench.UndoSteps();
    bench.Press();

    RequireEqual(bench.host.state().trace().Count("AEGP_ApplyEffect"), 1u, "effects applied:");
    RequireEqual(bench.TheLayer().effects.size(), effects_before + 1, "effects after the press:");
    const auto renamed = bench.Find("ADBE Point3D Control", "My Row2");
    Require(renamed.size() == 1 && !renamed[0]->params.at(1).keyframes.empty(),
            "the renamed control kept with its earlier keys", "it changed");
    const auto look_alikes = bench.Find("ADBE Slider Control", "Camera_Row2");
    Require(look_alikes.size() == 1 && look_alikes[0]->uid == look_alike_uid &&
                look_alikes[0]->params.at(1).keyframes.empty() &&
                (look_alikes[0]->flags & AEGP_EffectFlags_ACTIVE) != 0,
            "the slider named Camera_Row2 left alone", "it keyed or switched off");
    RequirePressRecorded(bench);
    RequireUndoRestores(bench, before, steps_before);
}

void SecondPressReuses(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    bench.Press();
    const std::size_t steps_before = bench.UndoSteps();
    // The camera moves and time goes on before the second press.
    bench.host.state().project().comp.camera->AddKey(5.0, {{200.0, 100.0, -900.0}, {960.0, 540.0, 0.0}, 1200.0});
    bench.host.InData().current_time = 150150;
    bench.host.InData().time_scale = 30000;
    const std::string moved = bench.Dump();
    bench.Press();
    RequireEqual(bench.host.state().trace().Count("AEGP_ApplyEffect"), 0u, "effects applied by the second press:");
    RequireEqual(bench.TheLayer().effects.size(), 1 + std::size_t{kControlCount}, "effects on the layer:");
    Require(bench.Dump() != moved, "the controls recorded afresh", "the first press's values");
    RequirePressRecorded(bench);
    RequireUndoRestores(bench, moved, steps_before);
}

}  // namespace

std::vector<Check> PressChecks() {
    return {
        {"press.fresh-layer", 3,
         "A press on a fresh layer adds the six controls, keys each frame at its exact time, holds nothing, and "
         "one undo restores the project exactly.",
         FreshLayer},
        {"press.earlier-controls", 3,
         "A press on a layer with earlier controls, one renamed and a slider under its name, reuses the rest, "
         "makes a new 3D point of that name, leaves both alone, and one undo restores the project exactly.",
         LayerWithEarlierControls},
        {"press.second-press-reuses", 3,
         "A second press reuses the six controls, records them afresh at the exact frame times, holds nothing, "
         "and one undo restores the first press's project.",
         SecondPressReuses},
    };
}

}  // namespace validator
