// Runs the effect's library routines in-process, inside a command of a
// simulated host whose project holds the effects they work on.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Host.h"

namespace library_test {

using simhost::Host;
using simhost::Stream;

// Test-only effect kinds, for parameter kinds no expression control has.
constexpr AEGP_InstalledEffectKey kSliderKey = 12;
constexpr AEGP_InstalledEffectKey kPoint3DKey = 14;
constexpr AEGP_InstalledEffectKey kTwoDKey = 91;
constexpr AEGP_InstalledEffectKey kColorKey = 92;
constexpr AEGP_InstalledEffectKey kMaskKey = 93;
constexpr AEGP_InstalledEffectKey kBareKey = 94;  // an input layer and nothing else

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
        plugin_id = host.LastPluginId();
        layer_id = host.Instance().layer_id;
        const Stream input = TypedStream(AEGP_StreamType_LAYER_ID, u"Input Layer");
        host.project().installed.push_back(
            {kTwoDKey, "Test TwoD", "Test TwoD", {input, TypedStream(AEGP_StreamType_TwoD, u"Point")}});
        host.project().installed.push_back(
            {kColorKey, "Test Color", "Test Color", {input, TypedStream(AEGP_StreamType_COLOR, u"Color")}});
        host.project().installed.push_back(
            {kMaskKey, "Test Mask", "Test Mask", {input, TypedStream(AEGP_StreamType_MASK_ID, u"Mask")}});
        host.project().installed.push_back({kBareKey, "Test Bare", "Test Bare", {input}});
    }

    // Applies an effect to the layer as the user would; its uid.
    int Apply(AEGP_InstalledEffectKey key) { return host.project().ApplyEffect(layer_id, key); }

    simhost::EffectInstance& Effect(int uid) { return *host.project().FindEffect(layer_id, uid); }
    Stream& Param(int uid, PF_ParamIndex index) {
        return Effect(uid).params.at(static_cast<size_t>(index));
    }

    // Runs `body` inside a command, the way a command that holds a reference
    // to the effect `uid` calls a routine; a thrown error code is the result.
    A_Err WithEffect(int uid, const std::function<A_Err(PF_InData*, AEGP_EffectRefH)>& body) {
        A_Err result = A_Err_NONE;
        host.RunCommand([&](PF_InData* in_data) {
            AEGP_EffectRefH effect = host.references().NewEffect({layer_id, uid});
            try {
                result = body(in_data, effect);
            } catch (PF_Err thrown) {
                result = thrown;
            }
            host.references().DisposeEffect(effect);
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
        for (const std::string& op : host.trace().Ops()) {
            if (op != "AcquireSuite" && op != "ReleaseSuite") ops.push_back(op);
        }
        return ops;
    }
    // The arguments of every call of `op` in the last command.
    std::vector<std::vector<simhost::TraceArg>> ArgsOf(const std::string& op) const {
        std::vector<std::vector<simhost::TraceArg>> args;
        for (const simhost::HostCall& call : host.trace().CallsOf(op)) args.push_back(call.args);
        return args;
    }

    void ExpectNothingHeld() {
        EXPECT_TRUE(host.ledger().Empty()) << host.ledger().Report();
        EXPECT_TRUE(host.ledger().Violations().empty()) << host.ledger().Report();
    }

    Host host;
    AEGP_PluginID plugin_id = 0;
    int layer_id = 0;
};

}  // namespace library_test
