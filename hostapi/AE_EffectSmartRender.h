// Records of the two-pass smart-render protocol.
#pragma once

#include "AE_Effect.h"

extern "C" {

struct PF_RenderRequest {
    PF_LRect rect;
    PF_Field field;
    PF_ChannelMask channel_mask;
    PF_Boolean preserve_rgb_of_zero_alpha;
    char unused[3];
    A_long reserved[4];
};

struct PF_PreRenderInput {
    PF_RenderRequest output_request;
    short bitdepth;
    const void* gpu_data;
    PF_GPU_Framework what_gpu;
    A_u_long device_index;
};

typedef void (*PF_DeletePreRenderDataFunc)(void* pre_render_data);

struct PF_PreRenderOutput {
    PF_LRect result_rect;
    PF_LRect max_result_rect;
    PF_Boolean solid;
    PF_Boolean reserved;
    PF_RenderOutputFlags flags;
    void* pre_render_data;
    PF_DeletePreRenderDataFunc delete_pre_render_data_func;
};

struct PF_CheckoutResult {
    PF_LRect result_rect;
    PF_LRect max_result_rect;
    PF_RationalScale par;
    PF_Boolean solid;
    PF_Boolean reservedB[3];
    A_long ref_width;
    A_long ref_height;
    A_long reserved[6];
};

struct PF_PreRenderCallbacks {
    PF_Err (*checkout_layer)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_idL,
                             const PF_RenderRequest* req, A_long what_time, A_long time_step,
                             A_u_long time_scale, PF_CheckoutResult* checkout_result);
    PF_Err (*GuidMixInPtr)(PF_ProgPtr effect_ref, A_u_long buf_sizeLu, const void* buf);
};

struct PF_PreRenderExtra {
    PF_PreRenderInput* input;
    PF_PreRenderOutput* output;
    PF_PreRenderCallbacks* cb;
};

struct PF_SmartRenderInput {
    PF_RenderRequest output_request;
    short bitdepth;
    void* pre_render_data;
    const void* gpu_data;
    PF_GPU_Framework what_gpu;
    A_u_long device_index;
};

struct PF_SmartRenderCallbacks {
    PF_Err (*checkout_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_idL,
                                    PF_EffectWorld** pixels);
    PF_Err (*checkin_layer_pixels)(PF_ProgPtr effect_ref, A_long checkout_idL);
    PF_Err (*checkout_output)(PF_ProgPtr effect_ref, PF_EffectWorld** output);
};

struct PF_SmartRenderExtra {
    PF_SmartRenderInput* input;
    PF_SmartRenderCallbacks* cb;
};
}

static_assert(sizeof(PF_RenderRequest) == 44 && alignof(PF_RenderRequest) == 4, "PF_RenderRequest");
static_assert(offsetof(PF_RenderRequest, field) == 16 &&
                  offsetof(PF_RenderRequest, channel_mask) == 20 &&
                  offsetof(PF_RenderRequest, preserve_rgb_of_zero_alpha) == 24 &&
                  offsetof(PF_RenderRequest, unused) == 25 && offsetof(PF_RenderRequest, reserved) == 28,
              "PF_RenderRequest layout");
static_assert(sizeof(PF_PreRenderInput) == 64 && offsetof(PF_PreRenderInput, bitdepth) == 44 &&
                  offsetof(PF_PreRenderInput, gpu_data) == 48 &&
                  offsetof(PF_PreRenderInput, what_gpu) == 56 &&
                  offsetof(PF_PreRenderInput, device_index) == 60,
              "PF_PreRenderInput layout");
static_assert(sizeof(PF_PreRenderOutput) == 56 && offsetof(PF_PreRenderOutput, max_result_rect) == 16 &&
                  offsetof(PF_PreRenderOutput, solid) == 32 &&
                  offsetof(PF_PreRenderOutput, reserved) == 33 &&
                  offsetof(PF_PreRenderOutput, flags) == 34 &&
                  offsetof(PF_PreRenderOutput, pre_render_data) == 40 &&
                  offsetof(PF_PreRenderOutput, delete_pre_render_data_func) == 48,
              "PF_PreRenderOutput layout");
static_assert(sizeof(PF_CheckoutResult) == 76 && alignof(PF_CheckoutResult) == 4 &&
                  offsetof(PF_CheckoutResult, max_result_rect) == 16 &&
                  offsetof(PF_CheckoutResult, par) == 32 && offsetof(PF_CheckoutResult, solid) == 40 &&
                  offsetof(PF_CheckoutResult, reservedB) == 41 &&
                  offsetof(PF_CheckoutResult, ref_width) == 44 &&
                  offsetof(PF_CheckoutResult, ref_height) == 48 &&
                  offsetof(PF_CheckoutResult, reserved) == 52,
              "PF_CheckoutResult layout");
static_assert(sizeof(PF_PreRenderCallbacks) == 16, "PF_PreRenderCallbacks layout");
static_assert(sizeof(PF_PreRenderExtra) == 24 && offsetof(PF_PreRenderExtra, output) == 8 &&
                  offsetof(PF_PreRenderExtra, cb) == 16,
              "PF_PreRenderExtra layout");
static_assert(sizeof(PF_SmartRenderInput) == 72 && offsetof(PF_SmartRenderInput, bitdepth) == 44 &&
                  offsetof(PF_SmartRenderInput, pre_render_data) == 48 &&
                  offsetof(PF_SmartRenderInput, gpu_data) == 56 &&
                  offsetof(PF_SmartRenderInput, what_gpu) == 64 &&
                  offsetof(PF_SmartRenderInput, device_index) == 68,
              "PF_SmartRenderInput layout");
static_assert(sizeof(PF_SmartRenderCallbacks) == 24 &&
                  offsetof(PF_SmartRenderCallbacks, checkout_output) == 16,
              "PF_SmartRenderCallbacks layout");
static_assert(sizeof(PF_SmartRenderExtra) == 16 && offsetof(PF_SmartRenderExtra, cb) == 8,
              "PF_SmartRenderExtra layout");
