#include "CameraCapture.h"
#include "MureloParameter.h"
#include "Util/OwnedRef.h"

namespace {

constexpr PF_ParamIndex kControlValue = 1;
constexpr int kAnimatedCount = 5;
// The animated controls, in the order their batches are opened, filled and
// committed.
constexpr ControlSlot kAnimated[kAnimatedCount] = {kFovControl, kRow1Control, kRow2Control,
                                                   kRow3Control, kRow4Control};

struct CameraSample {
    A_Matrix4 matrix;
    A_FpLong dist_to_image_plane;
    A_short width;
    A_short height;
};

A_Err QueryCamera(const AEGP_PFInterfaceSuite1* pf, PF_InData* in_data, const A_Time& comp_time,
                  CameraSample& sample) {
    return pf->AEGP_GetEffectCameraMatrix(in_data->effect_ref, &comp_time, &sample.matrix,
                                          &sample.dist_to_image_plane, &sample.width, &sample.height);
}

// The five animated controls' streams and open keyframe batches. A batch
// that is not committed is ended without its keyframes, so that a failed
// recording leaves no batch open in the host and adds nothing partial.
class AnimatedStreams {
public:
    AnimatedStreams(const AEGP_StreamSuite4* streams, const AEGP_KeyframeSuite4* keys)
        : keys_(keys) {
        for (OwnedRef<AEGP_StreamRefH>& stream : streams_) stream.Bind(streams->AEGP_DisposeStream);
    }
    ~AnimatedStreams() {
        A_Err ignored = A_Err_NONE;
        Discard();
        for (OwnedRef<AEGP_StreamRefH>& stream : streams_) stream.Release(ignored);
    }
    AnimatedStreams(const AnimatedStreams&) = delete;
    AnimatedStreams& operator=(const AnimatedStreams&) = delete;

    AEGP_StreamRefH* StreamOut(int i) { return streams_[i].Out(); }
    AEGP_StreamRefH Stream(int i) const { return streams_[i].Get(); }
    AEGP_AddKeyframesInfoH* BatchOut(int i) { return &batches_[i]; }
    AEGP_AddKeyframesInfoH Batch(int i) const { return batches_[i]; }

    A_Err Commit(int i) {
        AEGP_AddKeyframesInfoH batch = batches_[i];
        batches_[i] = nullptr;
        if (batch == nullptr) return A_Err_NONE;
        return keys_->AEGP_EndAddKeyframes(true, batch);
    }

    // Ends every batch still open without adding its keyframes, then gives
    // back the streams in order, folding their codes into `err`.
    void Release(A_Err& err) {
        Discard();
        for (OwnedRef<AEGP_StreamRefH>& stream : streams_) stream.Release(err);
    }

private:
    void Discard() {
        for (AEGP_AddKeyframesInfoH& batch : batches_) {
            if (batch != nullptr) keys_->AEGP_EndAddKeyframes(false, batch);
            batch = nullptr;
        }
    }

    const AEGP_KeyframeSuite4* keys_;
    OwnedRef<AEGP_StreamRefH> streams_[kAnimatedCount];
    AEGP_AddKeyframesInfoH batches_[kAnimatedCount] = {};
};

A_Err GetSpan(AEGP_SuiteHandler& suites, AEGP_LayerH layer, SampleWalk& walk) {
    const AEGP_LayerSuite7* layers = suites.LayerSuite7();
    AEGP_CompH comp = nullptr;
    A_Time in_point{};
    A_Time duration{};
    A_Time frame_duration{};
    A_Err err = layers->AEGP_GetLayerParentComp(layer, &comp);
    if (err == A_Err_NONE) err = layers->AEGP_GetLayerInPoint(layer, AEGP_LTimeMode_CompTime, &in_point);
    if (err == A_Err_NONE) err = layers->AEGP_GetLayerDuration(layer, AEGP_LTimeMode_CompTime, &duration);
    if (err == A_Err_NONE) err = suites.CompSuite8()->AEGP_GetCompFrameDuration(comp, &frame_duration);
    if (err == A_Err_NONE) err = walk.Start(in_point, duration, frame_duration);
    return err;
}

// Adds one keyframe at `time` to the batch, shaped by a value record read
// from the stream, carrying the camera's value for this control.
A_Err AddSample(const AEGP_StreamSuite4* streams, const AEGP_KeyframeSuite4* keys,
                AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_AddKeyframesInfoH batch,
                const A_Time& time, ControlSlot control, const CameraValues& values) {
    A_long key_index = -1;
    A_Err err = keys->AEGP_AddKeyframes(batch, AEGP_LTimeMode_CompTime, &time, &key_index);
    AEGP_StreamValue2 record{};
    record.streamH = nullptr;
    if (err == A_Err_NONE) {
        err = streams->AEGP_GetNewStreamValue(plugin_id, stream, AEGP_LTimeMode_CompTime, &time, false,
                                              &record);
    }
    if (err == A_Err_NONE) {
        if (control == kFovControl) {
            record.val.one_d = values.fov;
        } else {
            record.val.three_d = values.rows[control - kRow1Control];
        }
        err = keys->AEGP_SetAddKeyframe(batch, key_index, &record);
    }
    if (record.streamH != nullptr) {
        const A_Err disposed = streams->AEGP_DisposeStreamValue(&record);
        if (err == A_Err_NONE) err = disposed;
    }
    return err;
}

}  // namespace

A_Err RecordCamera(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id,
                   AEGP_LayerH layer, const AEGP_EffectRefH controls[kControlCount]) {
    const AEGP_PFInterfaceSuite1* pf = suites.PFInterfaceSuite1();

    // The aspect, once, at the effect's current time.
    A_Time now{};
    CameraSample sample{};
    A_Err err = pf->AEGP_ConvertEffectToCompTime(in_data->effect_ref, in_data->current_time,
                                                 in_data->time_scale, &now);
    if (err == A_Err_NONE) err = QueryCamera(pf, in_data, now, sample);
    if (err == A_Err_NONE) {
        const CameraValues values = GetCameraValues(sample.width, sample.height, sample.dist_to_image_plane,
                                                    sample.matrix, in_data->utils->ansi.atan);
        const A_Time layer_now{in_data->current_time, in_data->time_scale};
        err = SetOneD(in_data, plugin_id, controls[kAspectControl], layer_now, kControlValue, values.aspect);
    }
    if (err != A_Err_NONE) return err;

    const AEGP_StreamSuite4* streams = suites.StreamSuite4();
    const AEGP_KeyframeSuite4* keys = suites.KeyframeSuite4();
    AnimatedStreams animated(streams, keys);
    for (int i = 0; i < kAnimatedCount && err == A_Err_NONE; ++i) {
        err = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, controls[kAnimated[i]], kControlValue,
                                                      animated.StreamOut(i));
        if (err == A_Err_NONE) err = keys->AEGP_StartAddKeyframes(animated.Stream(i), animated.BatchOut(i));
    }

    // The walk refuses a span it cannot record in full before the first
    // camera query; the open batches are then ended without keyframes.
    SampleWalk walk;
    if (err == A_Err_NONE) err = GetSpan(suites, layer, walk);

    for (std::uint32_t k = 0; k < walk.Count() && err == A_Err_NONE; ++k) {
        const A_Time time = walk.At(k);
        err = QueryCamera(pf, in_data, time, sample);
        if (err != A_Err_NONE) break;
        const CameraValues values = GetCameraValues(sample.width, sample.height, sample.dist_to_image_plane,
                                                    sample.matrix, in_data->utils->ansi.atan);
        for (int i = 0; i < kAnimatedCount && err == A_Err_NONE; ++i) {
            err = AddSample(streams, keys, plugin_id, animated.Stream(i), animated.Batch(i), time,
                            kAnimated[i], values);
        }
    }

    for (int i = 0; i < kAnimatedCount && err == A_Err_NONE; ++i) err = animated.Commit(i);
    animated.Release(err);
    return err;
}
