// Callback tables the host passes in PF_InData: interaction and utilities.
#pragma once

#include "AE_EffectTypes.h"

struct PF_CustomUIInfo;
typedef struct PF_LayerAudioOpaque* PF_LayerAudio;
typedef void* PF_SndSamplePtr;

extern "C" {

struct PF_InteractCallbacks {
    PF_Err (*checkout_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time,
                             A_long time_step, A_u_long time_scale, PF_ParamDef* param);
    PF_Err (*checkin_param)(PF_ProgPtr effect_ref, PF_ParamDef* param);
    PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDef* def);
    PF_Err (*abort)(PF_ProgPtr effect_ref);
    PF_Err (*progress)(PF_ProgPtr effect_ref, A_long current, A_long total);
    PF_Err (*register_ui)(PF_ProgPtr effect_ref, PF_CustomUIInfo* cust_info);
    PF_Err (*checkout_layer_audio)(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long start_time,
                                   A_long duration, A_u_long time_scale, PF_UFixed rate,
                                   A_long bytes_per_sample, A_long num_channels, A_long fmt_signed,
                                   PF_LayerAudio* audio);
    PF_Err (*checkin_layer_audio)(PF_ProgPtr effect_ref, PF_LayerAudio audio);
    PF_Err (*get_audio_data)(PF_ProgPtr effect_ref, PF_LayerAudio audio, PF_SndSamplePtr* data0,
                             A_long* num_samples0, PF_UFixed* rate0, A_long* bytes_per_sample0,
                             A_long* num_channels0, A_long* fmt_signed0);
    void* reserved_str[3];
    void* reserved[10];
};

struct PF_ANSICallbacksBlock {
    A_FpLong (*atan)(A_FpLong);
    A_FpLong (*atan2)(A_FpLong y, A_FpLong x);
    A_FpLong (*ceil)(A_FpLong);
    A_FpLong (*cos)(A_FpLong);
    A_FpLong (*exp)(A_FpLong);
    A_FpLong (*fabs)(A_FpLong);
    A_FpLong (*floor)(A_FpLong);
    A_FpLong (*fmod)(A_FpLong x, A_FpLong y);
    A_FpLong (*hypot)(A_FpLong x, A_FpLong y);
    A_FpLong (*log)(A_FpLong);
    A_FpLong (*log10)(A_FpLong);
    A_FpLong (*pow)(A_FpLong x, A_FpLong y);
    A_FpLong (*sin)(A_FpLong);
    A_FpLong (*sqrt)(A_FpLong);
    A_FpLong (*tan)(A_FpLong);
    int (*sprintf)(A_char* buffer, const A_char* format, ...);
    A_char* (*strcpy)(A_char* dest, const A_char* src);
    A_FpLong (*asin)(A_FpLong);
    A_FpLong (*acos)(A_FpLong);
    A_long unused_longA[1];
};

struct PF_ColorCallbacks {
    void* RGBtoHLS;
    void* HLStoRGB;
    void* RGBtoYIQ;
    void* YIQtoRGB;
    void* Luminance;
    void* Hue;
    void* Lightness;
    void* Saturation;
};

// The effect calls `copy`, the handle routines and the ANSI block; the other
// slots are declared by position only.
struct PF_UtilCallbacks {
    void* begin_sampling;
    void* subpixel_sample;
    void* area_sample;
    void* get_batch_func_is_deprecated;
    void* end_sampling;
    void* composite_rect;
    void* blend;
    void* convolve;
    PF_Err (*copy)(PF_ProgPtr effect_ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* src_r,
                   PF_Rect* dst_r);
    void* fill;
    void* gaussian_kernel;
    void* iterate;
    void* premultiply;
    void* premultiply_color;
    void* new_world;
    void* dispose_world;
    void* iterate_origin;
    void* iterate_lut;
    void* transfer_rect;
    void* transform_world;
    PF_Handle (*host_new_handle)(A_u_longlong size);
    void* (*host_lock_handle)(PF_Handle handle);
    void (*host_unlock_handle)(PF_Handle handle);
    void (*host_dispose_handle)(PF_Handle handle);
    void* get_callback_addr;
    PF_Err (*app)(PF_ProgPtr effect_ref, A_long selector, ...);
    PF_ANSICallbacksBlock ansi;
    PF_ColorCallbacks colorCB;
    void* get_platform_data;
    void* host_get_handle_size;
    void* iterate_origin_non_clip_src;
    void* iterate_generic;
    void* host_resize_handle;
    void* subpixel_sample16;
    void* area_sample16;
    void* fill16;
    void* premultiply_color16;
    void* iterate16;
    void* iterate_origin16;
    void* iterate_origin_non_clip_src16;
    void* get_pixel_data8;
    void* get_pixel_data16;
    A_long reserved[1];
};
}

static_assert(sizeof(PF_InteractCallbacks) == 176, "PF_InteractCallbacks size");
static_assert(offsetof(PF_InteractCallbacks, add_param) == 16, "add_param slot");
static_assert(offsetof(PF_InteractCallbacks, reserved_str) == 72 &&
                  offsetof(PF_InteractCallbacks, reserved) == 96,
              "PF_InteractCallbacks layout");
static_assert(sizeof(PF_ANSICallbacksBlock) == 160, "PF_ANSICallbacksBlock size");
static_assert(offsetof(PF_ANSICallbacksBlock, sprintf) == 120 &&
                  offsetof(PF_ANSICallbacksBlock, strcpy) == 128 &&
                  offsetof(PF_ANSICallbacksBlock, acos) == 144 &&
                  offsetof(PF_ANSICallbacksBlock, unused_longA) == 152,
              "PF_ANSICallbacksBlock layout");
static_assert(sizeof(PF_UtilCallbacks) == 552 && alignof(PF_UtilCallbacks) == 8,
              "PF_UtilCallbacks size");
static_assert(offsetof(PF_UtilCallbacks, copy) == 64 &&
                  offsetof(PF_UtilCallbacks, host_new_handle) == 160 &&
                  offsetof(PF_UtilCallbacks, host_dispose_handle) == 184 &&
                  offsetof(PF_UtilCallbacks, app) == 200 && offsetof(PF_UtilCallbacks, ansi) == 208 &&
                  offsetof(PF_UtilCallbacks, colorCB) == 368 &&
                  offsetof(PF_UtilCallbacks, get_platform_data) == 432 &&
                  offsetof(PF_UtilCallbacks, get_pixel_data16) == 536 &&
                  offsetof(PF_UtilCallbacks, reserved) == 544,
              "PF_UtilCallbacks layout");
