// Runs the effect's library routines in-process, inside a command of a
// simulated host whose project holds the effects they work on.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ControlTable.h"
#include "Host.h"
#include "support/EffectKeys.h"
#include "support/NothingHeld.h"

namespace library_test {

using simhost::Host;
using simhost::Stream;

// Effect kinds by match name: the host's expression controls, and
// test-only kinds for parameter kinds no expression control has.
constexpr const char* kSlider = kSliderMatchName;
constexpr const char* kPoint3D = kPoint3DMatchName;
constexpr const char* kTwoD = "Test TwoD";
constexpr const char* kColor = "Test Color";
constexpr const char* kMask = "Test Mask";
constexpr const char* kBare = "Test Bare";  // an input layer and nothing else

inline Stream TypedStream(AEGP_StreamType type, const char16_t* name) {
    Stream stream;
    stream.type = type;
    stream.name = name;
    return stream;
}

class LibraryTest : public ::testing::Test {
protected:
    LibraryTest() : host(DORVANE_PLUGIN_PATH) {
        EXPECT_EQ(host.GlobalSetup(), PF_Err_NONE);
        plugin_id = host.state().LastPluginId();
        layer_id = host.state().Instance().layer_id;
        const Stream input = TypedStream(AEGP_StreamType_LAYER_ID, u"Input Layer");
        Install(kTwoD, {input, TypedStream(AEGP_StreamType_TwoD, u"Point")});
        Install(kColor, {input, TypedStream(AEGP_StreamType_COLOR, u"Color")});
        Install(kMask, {input, TypedStream(AEGP_StreamType_MASK_ID, u"Mask")});
        Install(kBare, {input});
    }

    // Installs a test-only kind under a key the host has not used.
    void Install(const char* match_name, std::vector<Stream> params) {
        AEGP_InstalledEffectKey key = 1;
        for (const simhost::InstalledEffect& effect : host.state().project().installed) key = std::max(key, effect.key + 1);
        host.state().project().installed.push_back({key, match_name, match_name, std::move(params)});
    }

    AEGP_InstalledEffectKey KeyOf(const std::string& match_name) const { return ::KeyOf(host.state().project(), match_name); }
    // Applies an effect to the layer as the user would; its uid.
    int Apply(const std::string& match_name) { return host.state().project().ApplyEffect(layer_id, KeyOf(match_name)); }

    simhost::EffectInstance& Effect(int uid) { return *host.state().project().FindEffect(layer_id, uid); }
    Stream& Param(int uid, PF_ParamIndex index) {
        return Effect(uid).params.at(static_cast<size_t>(index));
    }

    // Runs `body` inside a command, the way a command that holds a reference
    // to the effect `uid` calls a routine; a thrown error code is the result.
    A_Err WithEffect(int uid, const std::function<A_Err(PF_InData*, AEGP_EffectRefH)>& body) {
        A_Err result = A_Err_NONE;
        host.RunCommand([&](PF_InData* in_data) {
            AEGP_EffectRefH effect = host.state().references().NewEffect({layer_id, uid});
            try {
                result = body(in_data, effect);
            } catch (PF_Err thrown) {
                result = thrown;
            }
            host.state().references().DisposeEffect(effect);
        });
        return result;
    }
    A_Err InCommand(const std::function<A_Err(PF_InData*)>& body) {
        A_Err result = A_Err_NONE;
        host.RunCommand([&](PF_InData* in_data) {
            try {
                result = body(in_data);
            } catch (PF_Err thrown) {
                result = thrown;
            }
        });
        return result;
    }

    // The host calls of the last command other than suite acquisition.
    std::vector<std::string> HostOps() const {
        std::vector<std::string> ops;
        for (const std::string& op : host.state().trace().Ops()) {
            if (op != "AcquireSuite" && op != "ReleaseSuite") ops.push_back(op);
        }
        return ops;
    }
    // The arguments of every call of `op` in the last command.
    std::vector<std::vector<simhost::TraceArg>> ArgsOf(const std::string& op) const {
        std::vector<std::vector<simhost::TraceArg>> args;
        for (const simhost::HostCall& call : host.state().trace().CallsOf(op)) args.push_back(call.args);
        return args;
    }

    Host host;
    AEGP_PluginID plugin_id = 0;
    int layer_id = 0;
};

}  // namespace library_test
