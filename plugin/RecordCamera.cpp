#include <initializer_list>

#include "CameraCapture.h"
#include "CameraQuery.h"
#include "ControlTable.h"
#include "MureloParameter.h"
#include "Util/FirstError.h"
#include "Util/Held.h"

namespace {

constexpr PF_ParamIndex kControlValue = 1;
// Every time of the recording is a composition time.
constexpr AEGP_LTimeMode kCompTime = AEGP_LTimeMode_CompTime;

// Ends a keyframe batch without adding its keyframes.
struct DiscardBatch {
    const AEGP_KeyframeSuite4* keys;
    A_Err operator()(AEGP_AddKeyframesInfoH batch) const { return keys->AEGP_EndAddKeyframes(false, batch); }
};

// One recording into the six controls: the aspect once, then a keyframe per
// sample time in each keyed control's batch, in the controls' order. Each
// step runs only while nothing has failed, and its host codes become the one
// result. A batch that is not committed is ended without its keyframes, so
// that a failed recording leaves no batch open in the host and adds nothing
// partial; then the streams are given back, in the batches' order, on every
// way out.
class CameraRecording {
public:
    CameraRecording(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_LayerH layer,
                    const AEGP_EffectRefH controls[kControlCount])
        : suites_(suites), in_data_(in_data), plugin_id_(plugin_id), layer_(layer), controls_(controls) {}
    ~CameraRecording() {
        A_Err ignored = A_Err_NONE;
        Release(ignored);
    }
    CameraRecording(const CameraRecording&) = delete;
    CameraRecording& operator=(const CameraRecording&) = delete;

    A_Err Run() {
        pf_ = suites_.PFInterfaceSuite1();
        using Step = void (CameraRecording::*)();
        for (const Step step : {&CameraRecording::WriteAspect, &CameraRecording::OpenBatches,
                                &CameraRecording::ReadSpan, &CameraRecording::RecordSamples,
                                &CameraRecording::CommitBatches}) {
            if (err_ != A_Err_NONE) break;
            (this->*step)();
        }
        Release(err_);
        return err_;
    }

private:
    CameraValues ValuesOf(const CameraSample& sample) const {
        return GetCameraValues(sample.width, sample.height, sample.dist_to_image_plane, sample.matrix,
                               in_data_->utils->ansi.atan);
    }

    // The aspect, once, at the effect's current time.
    void WriteAspect() {
        CameraSample sample{};
        err_ = QueryCameraNow(pf_, *in_data_, sample);
        if (err_ == A_Err_NONE) {
            const A_Time layer_now{in_data_->current_time, in_data_->time_scale};
            err_ = SetOneD(in_data_, plugin_id_, controls_[kAspectControl], layer_now, kControlValue,
                           ValuesOf(sample).aspect);
        }
    }

    void OpenBatches() {
        stream_suite_ = suites_.StreamSuite4();
        keys_ = suites_.KeyframeSuite4();
        for (int slot = 0; slot < kControlCount; ++slot) {
            streams_[slot].Bind(stream_suite_->AEGP_DisposeStream);
            batches_[slot].Bind(DiscardBatch{keys_});
        }
        for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
            if (!kControls[slot].keyed) continue;
            err_ = stream_suite_->AEGP_GetNewEffectStreamByIndex(plugin_id_, controls_[slot], kControlValue,
                                                                 streams_[slot].Out());
            if (err_ == A_Err_NONE) {
                err_ = keys_->AEGP_StartAddKeyframes(streams_[slot].Get(), batches_[slot].Out());
            }
        }
    }

    // The layer's span in composition time. It is read once the batches are
    // open, so that a span the walk refuses before the first camera query
    // ends them without keyframes, like any failure of the recording.
    void ReadSpan() {
        const AEGP_LayerSuite7* layers = suites_.LayerSuite7();
        AEGP_CompH comp = nullptr;
        A_Time in_point{};
        A_Time duration{};
        A_Time frame_duration{};
        err_ = layers->AEGP_GetLayerParentComp(layer_, &comp);
        if (err_ == A_Err_NONE) err_ = layers->AEGP_GetLayerInPoint(layer_, kCompTime, &in_point);
        if (err_ == A_Err_NONE) err_ = layers->AEGP_GetLayerDuration(layer_, kCompTime, &duration);
        if (err_ == A_Err_NONE) err_ = suites_.CompSuite8()->AEGP_GetCompFrameDuration(comp, &frame_duration);
        if (err_ == A_Err_NONE) err_ = walk_.Start(in_point, duration, frame_duration);
    }

    void RecordSamples() {
        CameraSample sample{};
        for (std::uint32_t k = 0; k < walk_.Count() && err_ == A_Err_NONE; ++k) {
            const A_Time time = walk_.At(k);
            err_ = QueryCamera(pf_, *in_data_, time, sample);
            if (err_ != A_Err_NONE) break;
            const CameraValues values = ValuesOf(sample);
            for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
                if (kControls[slot].keyed) AddSample(slot, time, values);
            }
        }
    }

    // Adds one keyframe at `time` to keyed control `slot`'s batch, shaped by a
    // value record read from its stream, carrying the camera's value for
    // that control.
    void AddSample(int slot, const A_Time& time, const CameraValues& values) {
        A_long key_index = -1;
        err_ = keys_->AEGP_AddKeyframes(batches_[slot].Get(), kCompTime, &time, &key_index);
        Held<AEGP_StreamValue2> record(stream_suite_->AEGP_DisposeStreamValue);
        if (err_ == A_Err_NONE) {
            err_ = stream_suite_->AEGP_GetNewStreamValue(plugin_id_, streams_[slot].Get(), kCompTime, &time,
                                                         false, record.Out());
        }
        if (err_ == A_Err_NONE) {
            if (slot == kFovControl) {
                record.Out()->val.one_d = values.fov;
            } else {
                record.Out()->val.three_d = values.rows[slot - kRow1Control];
            }
            err_ = keys_->AEGP_SetAddKeyframe(batches_[slot].Get(), key_index, record.Out());
        }
        record.Release(err_);
    }

    void CommitBatches() {
        for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
            if (kControls[slot].keyed) err_ = keys_->AEGP_EndAddKeyframes(true, batches_[slot].Take());
        }
    }

    // Ends every batch still open without its keyframes, then gives back the
    // streams, each in the batches' order.
    void Release(A_Err& err) {
        for (Held<AEGP_AddKeyframesInfoH, DiscardBatch>& batch : batches_) batch.Release(err);
        for (Held<AEGP_StreamRefH>& stream : streams_) stream.Release(err);
    }

    AEGP_SuiteHandler& suites_;
    PF_InData* const in_data_;
    const AEGP_PluginID plugin_id_;
    const AEGP_LayerH layer_;
    const AEGP_EffectRefH* const controls_;
    A_Err err_ = A_Err_NONE;
    // Taken from the command's handler as each is first needed.
    const AEGP_PFInterfaceSuite1* pf_ = nullptr;
    const AEGP_StreamSuite4* stream_suite_ = nullptr;
    const AEGP_KeyframeSuite4* keys_ = nullptr;
    // A stream and a batch for each keyed control, by slot.
    Held<AEGP_StreamRefH> streams_[kControlCount];
    Held<AEGP_AddKeyframesInfoH, DiscardBatch> batches_[kControlCount];
    SampleWalk walk_;
};

}  // namespace

A_Err RecordCamera(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_LayerH layer,
                   const AEGP_EffectRefH controls[kControlCount]) {
    CameraRecording recording(suites, in_data, plugin_id, layer, controls);
    return recording.Run();
}
