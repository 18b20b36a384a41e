#include <cstring>

#include "CameraQuery.h"
#include "MureloPlugin.h"
#include "PreRenderRecord.h"
#include "Util/AEGP_SuiteHandler.h"
#include "Util/HandleScope.h"
#include "Util/Smart_Utils.h"

namespace {

constexpr PF_ParamIndex kInputLayerIndex = 0;
constexpr A_long kInputCheckoutId = 0;
// The host left out a record or a callback it always supplies, or granted a
// checkout without the world to go with it: its records cannot be trusted.
constexpr PF_Err kDamagedHostRecordErr = PF_Err_INTERNAL_STRUCT_DAMAGED;

bool HasPreRenderRecords(const PF_PreRenderExtra* extra) {
    return extra != nullptr && extra->input != nullptr && extra->output != nullptr &&
           extra->cb != nullptr && extra->cb->checkout_layer != nullptr;
}

bool HasRenderRecords(const PF_InData* in_data, const PF_SmartRenderExtra* extra) {
    return extra != nullptr && extra->input != nullptr && extra->cb != nullptr &&
           extra->cb->checkout_layer_pixels != nullptr && extra->cb->checkout_output != nullptr &&
           in_data->utils != nullptr && in_data->utils->copy != nullptr;
}

}  // namespace

PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* /*out_data*/, PF_PreRenderExtra* extra) {
    if (!HasPreRenderRecords(extra)) return kDamagedHostRecordErr;
    PF_RenderRequest request = extra->input->output_request;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const PF_HandleSuite1* handles = suites.HandleSuite1();
    // The record is the scope's until the host takes it, so that a pre-render
    // that fails after the allocation leaves nothing behind that nobody would
    // delete.
    HandleScope record_handle = HandleScope::New(handles, sizeof(PreRenderRecord));
    PreRenderRecord* record = static_cast<PreRenderRecord*>(record_handle.Lock());
    if (record == nullptr) return PF_Err_OUT_OF_MEMORY;
    record->unlock_handle = handles->host_unlock_handle;
    record->dispose_handle = handles->host_dispose_handle;

    request.preserve_rgb_of_zero_alpha = true;
    PF_CheckoutResult checkout;
    std::memset(&checkout, 0, sizeof(checkout));
    const PF_Err err = extra->cb->checkout_layer(in_data->effect_ref, kInputLayerIndex,
                                                 kInputCheckoutId, &request, in_data->current_time,
                                                 in_data->time_step, in_data->time_scale, &checkout);
    if (err != PF_Err_NONE) return err;

    record->input_checked_out = 0;
    PF_PreRenderOutput* output = extra->output;
    UnionLRect(&checkout.result_rect, &output->result_rect);
    UnionLRect(&checkout.max_result_rect, &output->max_result_rect);
    // Still locked: the lock is the deletion routine's to undo.
    output->pre_render_data = record_handle.HandOver();
    output->delete_pre_render_data_func = DeletePreRenderData;
    return PF_Err_NONE;
}

PF_Err SmartRender(PF_InData* in_data, PF_OutData* /*out_data*/, PF_SmartRenderExtra* extra) {
    if (!HasRenderRecords(in_data, extra)) return kDamagedHostRecordErr;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    // Locked for the length of the render pass; pre-render's own lock stays
    // until the host deletes the data.
    HandleScope pre_render_data =
        HandleScope::Borrow(suites.HandleSuite1(), static_cast<PF_Handle>(extra->input->pre_render_data));
    if (pre_render_data.Lock() == nullptr) return PF_Err_BAD_CALLBACK_PARAM;

    PF_EffectWorld* input_world = nullptr;
    PF_EffectWorld* output_world = nullptr;
    PF_Err err = extra->cb->checkout_layer_pixels(in_data->effect_ref, kInputCheckoutId, &input_world);
    if (err == PF_Err_NONE && input_world == nullptr) err = kDamagedHostRecordErr;
    if (err == PF_Err_NONE) err = extra->cb->checkout_output(in_data->effect_ref, &output_world);
    if (err == PF_Err_NONE && output_world == nullptr) err = kDamagedHostRecordErr;
    if (err == PF_Err_NONE) {
        err = in_data->utils->copy(in_data->effect_ref, input_world, output_world, nullptr, nullptr);
    }
    if (err == PF_Err_NONE) {
        // Asks for the camera at the frame being rendered; only the query's
        // error matters.
        CameraSample ignored;
        err = QueryCameraNow(suites.PFInterfaceSuite1(), *in_data, ignored);
    }
    return err;
}
