#include <cstring>

#include "MureloPlugin.h"
#include "PreRenderRecord.h"
#include "Util/AEGP_SuiteHandler.h"
#include "Util/Smart_Utils.h"

namespace {

constexpr PF_ParamIndex kInputLayerIndex = 0;
constexpr A_long kInputCheckoutId = 0;
// The host left out a record or a callback it always supplies, or granted a
// checkout without the world to go with it: its records cannot be trusted.
constexpr PF_Err kDamagedHostRecordErr = PF_Err_INTERNAL_STRUCT_DAMAGED;

// Owns a new pre-render record until the host takes it, so that a pre-render
// that fails after the allocation leaves nothing behind that nobody would
// delete.
class PendingPreRenderRecord {
public:
    explicit PendingPreRenderRecord(const PF_HandleSuite1* handles)
        : handles_(handles), handle_(handles->host_new_handle(sizeof(PreRenderRecord))) {
        if (handle_ == nullptr) return;
        record_ = static_cast<PreRenderRecord*>(handles_->host_lock_handle(handle_));
        if (record_ == nullptr) return;
        record_->unlock_handle = handles_->host_unlock_handle;
        record_->dispose_handle = handles_->host_dispose_handle;
    }
    ~PendingPreRenderRecord() {
        if (handle_ == nullptr) return;
        if (record_ != nullptr) handles_->host_unlock_handle(handle_);
        handles_->host_dispose_handle(handle_);
    }
    PendingPreRenderRecord(const PendingPreRenderRecord&) = delete;
    PendingPreRenderRecord& operator=(const PendingPreRenderRecord&) = delete;

    // Null unless the handle exists and is locked.
    PreRenderRecord* Record() const { return record_; }

    // The handle, still locked: the lock is the deletion routine's to undo.
    PF_Handle HandOver() {
        PF_Handle handle = handle_;
        handle_ = nullptr;
        record_ = nullptr;
        return handle;
    }

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    PreRenderRecord* record_ = nullptr;
};

// A lock on the pre-render handle for the length of the render pass; the
// handle stays locked by pre-render until the host deletes it.
class ScopedHandleLock {
public:
    ScopedHandleLock(const PF_HandleSuite1* handles, PF_Handle handle)
        : handles_(handles),
          handle_(handle),
          // The host has no answer for a null handle but a crash.
          bytes_(handle == nullptr ? nullptr : handles->host_lock_handle(handle)) {}
    ~ScopedHandleLock() {
        if (bytes_ != nullptr) handles_->host_unlock_handle(handle_);
    }
    ScopedHandleLock(const ScopedHandleLock&) = delete;
    ScopedHandleLock& operator=(const ScopedHandleLock&) = delete;

    bool Locked() const { return bytes_ != nullptr; }

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    void* bytes_;
};

bool HasPreRenderRecords(const PF_PreRenderExtra* extra) {
    return extra != nullptr && extra->input != nullptr && extra->output != nullptr &&
           extra->cb != nullptr && extra->cb->checkout_layer != nullptr;
}

bool HasRenderRecords(const PF_InData* in_data, const PF_SmartRenderExtra* extra) {
    return extra != nullptr && extra->input != nullptr && extra->cb != nullptr &&
           extra->cb->checkout_layer_pixels != nullptr && extra->cb->checkout_output != nullptr &&
           in_data->utils != nullptr && in_data->utils->copy != nullptr;
}

// Asks for the camera at the frame being rendered; only the query's error
// matters.
PF_Err QueryCamera(AEGP_SuiteHandler& suites, const PF_InData* in_data) {
    const AEGP_PFInterfaceSuite1* pf_interface = suites.PFInterfaceSuite1();
    A_Time comp_time = {0, 1};
    const PF_Err err = pf_interface->AEGP_ConvertEffectToCompTime(
        in_data->effect_ref, in_data->current_time, in_data->time_scale, &comp_time);
    if (err != PF_Err_NONE) return err;
    A_Matrix4 camera_matrix;
    A_FpLong dist_to_image_plane = 0;
    A_short image_plane_width = 0;
    A_short image_plane_height = 0;
    return pf_interface->AEGP_GetEffectCameraMatrix(in_data->effect_ref, &comp_time, &camera_matrix,
                                                    &dist_to_image_plane, &image_plane_width,
                                                    &image_plane_height);
}

}  // namespace

PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra) {
    static_cast<void>(out_data);
    if (!HasPreRenderRecords(extra)) return kDamagedHostRecordErr;
    PF_RenderRequest request = extra->input->output_request;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    PendingPreRenderRecord pending(suites.HandleSuite1());
    if (pending.Record() == nullptr) return PF_Err_OUT_OF_MEMORY;

    request.preserve_rgb_of_zero_alpha = true;
    PF_CheckoutResult checkout;
    std::memset(&checkout, 0, sizeof(checkout));
    const PF_Err err = extra->cb->checkout_layer(in_data->effect_ref, kInputLayerIndex,
                                                 kInputCheckoutId, &request, in_data->current_time,
                                                 in_data->time_step, in_data->time_scale, &checkout);
    if (err != PF_Err_NONE) return err;

    pending.Record()->input_checked_out = 0;
    PF_PreRenderOutput* output = extra->output;
    UnionLRect(&checkout.result_rect, &output->result_rect);
    UnionLRect(&checkout.max_result_rect, &output->max_result_rect);
    output->pre_render_data = pending.HandOver();
    output->delete_pre_render_data_func = DeletePreRenderData;
    return PF_Err_NONE;
}

PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra) {
    static_cast<void>(out_data);
    if (!HasRenderRecords(in_data, extra)) return kDamagedHostRecordErr;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const ScopedHandleLock pre_render_lock(suites.HandleSuite1(),
                                           static_cast<PF_Handle>(extra->input->pre_render_data));
    if (!pre_render_lock.Locked()) return PF_Err_BAD_CALLBACK_PARAM;

    PF_EffectWorld* input_world = nullptr;
    PF_EffectWorld* output_world = nullptr;
    PF_Err err = extra->cb->checkout_layer_pixels(in_data->effect_ref, kInputCheckoutId, &input_world);
    if (err == PF_Err_NONE && input_world == nullptr) err = kDamagedHostRecordErr;
    if (err == PF_Err_NONE) err = extra->cb->checkout_output(in_data->effect_ref, &output_world);
    if (err == PF_Err_NONE && output_world == nullptr) err = kDamagedHostRecordErr;
    if (err == PF_Err_NONE) {
        err = in_data->utils->copy(in_data->effect_ref, input_world, output_world, nullptr, nullptr);
    }
    if (err == PF_Err_NONE) err = QueryCamera(suites, in_data);
    return err;
}
