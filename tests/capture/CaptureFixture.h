// A host with the effect set up on its layer, ready for button presses, and
// what a test needs to read the controls back.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "Host.h"
#include "PressBench.h"
#include "scenes/DemoScene.h"
#include "project/ProjectDump.h"
#include "support/EffectKeys.h"
#include "support/NothingHeld.h"

using validator::kUndoLabel;

inline std::u16string U16(const std::string& text) { return simhost::Utf16FromAscii(text); }

class CaptureHost {
public:
    CaptureHost() : host(DORVANE_PLUGIN_PATH) {
        simhost::UseDemoScene(host.state().project(), host.state().Instance().layer_id);
        EXPECT_EQ(host.GlobalSetup(), PF_Err_NONE);
        EXPECT_EQ(host.ParamsSetup(), PF_Err_NONE);
    }

    simhost::Layer& TheLayer() { return *host.state().project().FindLayer(host.state().Instance().layer_id); }

    AEGP_InstalledEffectKey KeyOf(const std::string& match_name) { return ::KeyOf(host.state().project(), match_name); }

    // Adds an effect of this kind under this name to the end of the layer.
    simhost::EffectInstance& AddEffect(const std::string& match_name, const std::u16string& name) {
        const int uid = host.state().project().ApplyEffect(host.state().Instance().layer_id, KeyOf(match_name));
        simhost::EffectInstance* effect = host.state().project().FindEffect(host.state().Instance().layer_id, uid);
        effect->name = name;
        return *effect;
    }

    // The effects of the layer with this kind and name, in layer order.
    std::vector<const simhost::EffectInstance*> Find(const std::string& match_name, const std::string& name) {
        std::vector<const simhost::EffectInstance*> found;
        for (const simhost::EffectInstance& effect : TheLayer().effects) {
            if (effect.key == KeyOf(match_name) && effect.name == U16(name)) found.push_back(&effect);
        }
        return found;
    }

    std::string Dump() { return DumpProject(host.state().project()); }

    simhost::Host host;
};

// After a press refused before it recorded anything: nothing held, every
// batch ended without a keyframe added, and one undo step that leaves the
// project as it was before the press.
inline void ExpectNothingRecorded(CaptureHost& capture, const std::string& before, size_t steps_before) {
    EXPECT_TRUE(NothingHeld(capture.host));
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_AddKeyframes"), 0u);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_EndAddKeyframes"), 5u);  // each batch ended, none added
    for (size_t i = 1; i < capture.TheLayer().effects.size(); ++i) {
        EXPECT_TRUE(capture.TheLayer().effects[i].params[1].keyframes.empty());
    }
    ASSERT_EQ(capture.host.state().undo().Steps().size(), steps_before + 1);
    EXPECT_EQ(capture.host.Undo(), std::optional<std::string>(kUndoLabel));
    EXPECT_EQ(capture.Dump(), before);
}
