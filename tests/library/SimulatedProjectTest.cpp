// The host services the library relies on, called the way an effect calls
// them, where the simulated host's own behaviour is the point.
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "LibraryFixture.h"

namespace library_test {
namespace {

constexpr A_Time kStart{0, 30};

class SimulatedProjectTest : public LibraryTest {
protected:
    template <class Suite>
    const Suite* Acquire(PF_InData* in_data, const char* name, int version) {
        const void* suite = nullptr;
        EXPECT_EQ(in_data->pica_basicP->AcquireSuite(name, version, &suite), kSPNoError);
        return static_cast<const Suite*>(suite);
    }
    void Release(PF_InData* in_data, const char* name, int version) {
        in_data->pica_basicP->ReleaseSuite(name, version);
    }
};

TEST_F(SimulatedProjectTest, AppliedEffectsGoLastAndAreNumberedPerLayer) {
    A_Err err = InCommand([&](PF_InData* in_data) {
        auto* effects = Acquire<AEGP_EffectSuite3>(in_data, kAEGPEffectSuite, 3);
        const AEGP_LayerH layer = host.state().LayerHandle(layer_id);
        AEGP_EffectRefH first = nullptr;
        AEGP_EffectRefH second = nullptr;
        const AEGP_InstalledEffectKey slider = KeyOf(kSlider);
        A_Err e = effects->AEGP_ApplyEffect(plugin_id, layer, slider, &first);
        if (e == A_Err_NONE) e = effects->AEGP_ApplyEffect(plugin_id, layer, slider, &second);
        A_long count = 0;
        if (e == A_Err_NONE) e = effects->AEGP_GetLayerNumEffects(layer, &count);
        EXPECT_EQ(count, 3);
        AEGP_InstalledEffectKey key = 0;
        if (e == A_Err_NONE) e = effects->AEGP_GetInstalledKeyFromLayerEffect(second, &key);
        EXPECT_EQ(key, slider);
        if (e == A_Err_NONE) e = effects->AEGP_SetEffectFlags(second, AEGP_EffectFlags_ACTIVE, 0);
        if (first != nullptr) effects->AEGP_DisposeEffect(first);
        if (second != nullptr) effects->AEGP_DisposeEffect(second);
        Release(in_data, kAEGPEffectSuite, 3);
        return e;
    });
    EXPECT_EQ(err, A_Err_NONE);
    const auto& effects = host.state().project().FindLayer(layer_id)->effects;
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(effects[0].name, u"Dorvane");
    EXPECT_EQ(effects[1].name, u"Slider Control");
    EXPECT_EQ(effects[2].name, u"Slider Control 2");
    EXPECT_EQ(effects[1].flags, AEGP_EffectFlags_ACTIVE);
    EXPECT_EQ(effects[2].flags, AEGP_EffectFlags_NONE);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SimulatedProjectTest, GroupStreamNameIsTheInstanceNameInUtf16) {
    const int slider = Apply(kSlider);
    Effect(slider).name = u"Camera_Row1";
    std::u16string name;
    AEGP_MemSize size = 0;
    const A_Err err = WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
        auto* streams = Acquire<AEGP_StreamSuite4>(in_data, kAEGPStreamSuite, 9);
        auto* dynamic = Acquire<AEGP_DynamicStreamSuite4>(in_data, kAEGPDynamicStreamSuite, 5);
        auto* memory = Acquire<AEGP_MemorySuite1>(in_data, kAEGPMemorySuite, 1);
        AEGP_StreamRefH param = nullptr;
        AEGP_StreamRefH group = nullptr;
        AEGP_MemHandle text = nullptr;
        A_Err e = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, 1, &param);
        if (e == A_Err_NONE) e = dynamic->AEGP_GetNewParentStreamRef(plugin_id, param, &group);
        if (e == A_Err_NONE) e = streams->AEGP_GetStreamName(plugin_id, group, 0, &text);
        if (e == A_Err_NONE) e = memory->AEGP_GetMemHandleSize(text, &size);
        void* bytes = nullptr;
        if (e == A_Err_NONE) e = memory->AEGP_LockMemHandle(text, &bytes);
        if (e == A_Err_NONE) {
            name = static_cast<const char16_t*>(bytes);
            memory->AEGP_UnlockMemHandle(text);
        }
        if (text != nullptr) memory->AEGP_FreeMemHandle(text);
        if (group != nullptr) streams->AEGP_DisposeStream(group);
        if (param != nullptr) streams->AEGP_DisposeStream(param);
        Release(in_data, kAEGPMemorySuite, 1);
        Release(in_data, kAEGPDynamicStreamSuite, 5);
        Release(in_data, kAEGPStreamSuite, 9);
        return e;
    });
    EXPECT_EQ(err, A_Err_NONE);
    EXPECT_EQ(name, u"Camera_Row1");
    EXPECT_EQ(size, (name.size() + 1) * sizeof(A_UTF16Char));  // the terminator counts
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SimulatedProjectTest, SecondDisposalIsAViolationAndAnError) {
    const int slider = Apply(kSlider);
    A_Err second = A_Err_NONE;
    WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
        auto* streams = Acquire<AEGP_StreamSuite4>(in_data, kAEGPStreamSuite, 9);
        AEGP_StreamRefH param = nullptr;
        A_Err e = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, 1, &param);
        AEGP_StreamValue2 record{};
        if (e == A_Err_NONE) {
            e = streams->AEGP_GetNewStreamValue(plugin_id, param, AEGP_LTimeMode_LayerTime,
                                                &kStart, 0, &record);
        }
        streams->AEGP_DisposeStreamValue(&record);
        second = streams->AEGP_DisposeStreamValue(&record);
        streams->AEGP_DisposeStream(param);
        streams->AEGP_DisposeStream(param);
        Release(in_data, kAEGPStreamSuite, 9);
        return e;
    });
    EXPECT_EQ(second, A_Err_PARAMETER);
    EXPECT_TRUE(host.state().ledger().Empty()) << host.state().ledger().Report();
    EXPECT_EQ(host.state().ledger().Violations().size(), 2u) << host.state().ledger().Report();
}

TEST_F(SimulatedProjectTest, StaticValueOfAKeyframedStreamIsRefused) {
    const int slider = Apply(kSlider);
    AEGP_StreamVal2 key{};
    Param(slider, 1).SetKeyframe(0.0, key);
    const A_Err err = WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
        auto* streams = Acquire<AEGP_StreamSuite4>(in_data, kAEGPStreamSuite, 9);
        AEGP_StreamRefH param = nullptr;
        A_Err e = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, 1, &param);
        AEGP_StreamValue2 record{};
        if (e == A_Err_NONE) {
            e = streams->AEGP_GetNewStreamValue(plugin_id, param, AEGP_LTimeMode_LayerTime,
                                                &kStart, 0, &record);
        }
        if (e == A_Err_NONE) {
            record.val.one_d = 4.0;
            e = streams->AEGP_SetStreamValue(plugin_id, param, &record);
        }
        if (record.streamH != nullptr) streams->AEGP_DisposeStreamValue(&record);
        if (param != nullptr) streams->AEGP_DisposeStream(param);
        Release(in_data, kAEGPStreamSuite, 9);
        return e;
    });
    EXPECT_EQ(err, A_Err_PARAMETER);
    EXPECT_EQ(Param(slider, 1).value.one_d, 0.0);
    EXPECT_TRUE(NothingHeld(host));
}

// One keyframe batch on the slider's value: keys at the given layer frames
// (30 fps), each given a value unless it is NaN, ended with or without
// adding them.
struct BatchKey {
    A_long frame;
    double value;
};

class KeyframeBatchTest : public SimulatedProjectTest {
protected:
    KeyframeBatchTest() : slider(Apply(kSlider)) {}

    A_Err Record(const std::vector<BatchKey>& keys, bool add) {
        return WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
            auto* streams = Acquire<AEGP_StreamSuite4>(in_data, kAEGPStreamSuite, 9);
            auto* keyframes = Acquire<AEGP_KeyframeSuite4>(in_data, kAEGPKeyframeSuite, 4);
            AEGP_StreamRefH param = nullptr;
            AEGP_AddKeyframesInfoH batch = nullptr;
            A_Err e = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, 1, &param);
            if (e == A_Err_NONE) e = keyframes->AEGP_StartAddKeyframes(param, &batch);
            for (const BatchKey& key : keys) {
                const A_Time time{key.frame, 30};
                A_long index = -1;
                if (e == A_Err_NONE) e = keyframes->AEGP_AddKeyframes(batch, AEGP_LTimeMode_LayerTime, &time, &index);
                if (e != A_Err_NONE || std::isnan(key.value)) continue;
                AEGP_StreamValue2 value{};
                value.streamH = param;
                value.val.one_d = key.value;
                e = keyframes->AEGP_SetAddKeyframe(batch, index, &value);
            }
            if (batch != nullptr) {
                const A_Err ended = keyframes->AEGP_EndAddKeyframes(add, batch);
                if (e == A_Err_NONE) e = ended;
            }
            if (param != nullptr) streams->AEGP_DisposeStream(param);
            Release(in_data, kAEGPKeyframeSuite, 4);
            Release(in_data, kAEGPStreamSuite, 9);
            return e;
        });
    }

    // The stream's keys as (frame, value) pairs, rounded clear of the
    // last bits of interpolation.
    std::vector<std::pair<double, double>> KeysHeld() {
        std::vector<std::pair<double, double>> keys;
        for (const simhost::Keyframe& key : Param(slider, 1).keyframes) {
            keys.push_back({std::round(key.layer_seconds * 30.0), std::round(key.value.one_d * 1e9) / 1e9});
        }
        return keys;
    }

    int slider;
};

using Keys = std::vector<std::pair<double, double>>;
const double kNoValue = std::nan("");

struct BatchCase {
    const char* what;
    std::vector<BatchKey> keys;
    Keys expected;
};

TEST_F(KeyframeBatchTest, KeysReachTheStreamOnlyWhenTheBatchEndsWithAdd) {
    Param(slider, 1).value.one_d = 4.0;
    EXPECT_EQ(Record({{0, 1.0}, {1, 2.0}}, false), A_Err_NONE);
    EXPECT_TRUE(KeysHeld().empty());
    EXPECT_EQ(Record({{0, 1.0}, {1, 2.0}}, true), A_Err_NONE);
    EXPECT_EQ(KeysHeld(), (Keys{{0, 1.0}, {1, 2.0}}));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(KeyframeBatchTest, KeysMergeIntoWhatTheStreamHolds) {
    const BatchCase cases[] = {
        {"between and onto the keys there", {{1, 10.0}, {2, 20.0}}, {{0, 0.0}, {1, 10.0}, {2, 20.0}, {3, 3.0}}},
        {"out of order", {{2, 20.0}, {1, 10.0}}, {{0, 0.0}, {1, 10.0}, {2, 20.0}, {3, 3.0}}},
        // A key without a value takes the stream's value at its time, keys
        // of the batch added before it included.
        {"without a value", {{1, 30.0}, {2, kNoValue}}, {{0, 0.0}, {1, 30.0}, {2, 16.5}, {3, 3.0}}},
    };
    for (const BatchCase& c : cases) {
        SCOPED_TRACE(c.what);
        Param(slider, 1).keyframes.clear();
        AEGP_StreamVal2 value{};
        Param(slider, 1).SetKeyframe(0.0, value);
        value.one_d = 3.0;
        Param(slider, 1).SetKeyframe(0.1, value);
        EXPECT_EQ(Record(c.keys, true), A_Err_NONE);
        EXPECT_EQ(KeysHeld(), c.expected);
        EXPECT_TRUE(NothingHeld(host));
    }
}

TEST_F(KeyframeBatchTest, AnEmptyStreamTakesTheRecordingAsItCame) {
    const BatchCase cases[] = {
        {"in order", {{0, 1.0}, {1, 2.0}, {2, 3.0}}, {{0, 1.0}, {1, 2.0}, {2, 3.0}}},
        {"twice at one time: the later wins", {{0, 1.0}, {1, 2.0}, {1, 5.0}}, {{0, 1.0}, {1, 5.0}}},
        {"a first key without a value", {{0, kNoValue}, {1, 2.0}}, {{0, 4.0}, {1, 2.0}}},
    };
    for (const BatchCase& c : cases) {
        SCOPED_TRACE(c.what);
        Param(slider, 1).keyframes.clear();
        Param(slider, 1).value.one_d = 4.0;
        EXPECT_EQ(Record(c.keys, true), A_Err_NONE);
        EXPECT_EQ(KeysHeld(), c.expected);
        // Recorded again over itself, once cleared, it reads the same.
        Param(slider, 1).keyframes.clear();
        EXPECT_EQ(Record(c.keys, true), A_Err_NONE);
        EXPECT_EQ(KeysHeld(), c.expected);
        EXPECT_TRUE(NothingHeld(host));
    }
}

}  // namespace
}  // namespace library_test
