// The command records and the entry point every effect exports.
#pragma once

#include "AE_EffectCB.h"
#include "SPBasic.h"

enum { PF_MAX_EFFECT_NAME_LEN = 31, PF_MAX_EFFECT_MSG_LEN = 255 };

struct PF_InData {
    PF_InteractCallbacks inter;
    PF_UtilCallbacks* utils;
    PF_ProgPtr effect_ref;
    PF_Quality quality;
    PF_SpecVersion version;
    A_long serial_num;
    A_AppID appl_id;
    A_long num_params;
    A_long reserved;
    A_long what_cpu;
    A_long what_fpu;
    A_long current_time;
    A_long time_step;
    A_long total_time;
    A_long local_time_step;
    A_u_long time_scale;
    PF_Field field;
    PF_Fixed shutter_angle;
    A_long width;
    A_long height;
    PF_Rect extent_hint;
    A_long output_origin_x;
    A_long output_origin_y;
    PF_RationalScale downsample_x;
    PF_RationalScale downsample_y;
    PF_RationalScale pixel_aspect_ratio;
    PF_InFlags in_flags;
    PF_Handle global_data;
    PF_Handle sequence_data;
    PF_Handle frame_data;
    A_long start_sampL;
    A_long dur_sampL;
    A_long total_sampL;
    PF_SoundWorld src_snd;
    SPBasicSuite* pica_basicP;
    A_long pre_effect_source_origin_x;
    A_long pre_effect_source_origin_y;
    PF_Fixed shutter_phase;
};

struct PF_OutData {
    A_u_long my_version;
    A_char name[PF_MAX_EFFECT_NAME_LEN + 1];
    PF_Handle global_data;
    A_long num_params;
    PF_Handle sequence_data;
    A_long flat_sdata_size;
    PF_Handle frame_data;
    A_long width;
    A_long height;
    PF_Point origin;
    PF_OutFlags out_flags;
    A_char return_msg[PF_MAX_EFFECT_MSG_LEN + 1];
    A_long start_sampL;
    A_long dur_sampL;
    PF_SoundWorld dest_snd;
    PF_OutFlags2 out_flags2;
};

extern "C" {
typedef PF_Err (*PF_FilterProc)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data,
                                PF_ParamDef* params[], PF_LayerDef* output, void* extra);
}

static_assert(sizeof(PF_InData) == 408 && alignof(PF_InData) == 8, "PF_InData size");
static_assert(offsetof(PF_InData, utils) == 176 && offsetof(PF_InData, effect_ref) == 184 &&
                  offsetof(PF_InData, quality) == 192 && offsetof(PF_InData, version) == 196 &&
                  offsetof(PF_InData, serial_num) == 200 && offsetof(PF_InData, appl_id) == 204 &&
                  offsetof(PF_InData, num_params) == 208 && offsetof(PF_InData, reserved) == 212 &&
                  offsetof(PF_InData, what_cpu) == 216 && offsetof(PF_InData, what_fpu) == 220 &&
                  offsetof(PF_InData, current_time) == 224 && offsetof(PF_InData, time_step) == 228 &&
                  offsetof(PF_InData, total_time) == 232 &&
                  offsetof(PF_InData, local_time_step) == 236 &&
                  offsetof(PF_InData, time_scale) == 240 && offsetof(PF_InData, field) == 244 &&
                  offsetof(PF_InData, shutter_angle) == 248 && offsetof(PF_InData, width) == 252 &&
                  offsetof(PF_InData, height) == 256 && offsetof(PF_InData, extent_hint) == 260 &&
                  offsetof(PF_InData, output_origin_x) == 276 &&
                  offsetof(PF_InData, output_origin_y) == 280 &&
                  offsetof(PF_InData, downsample_x) == 284 &&
                  offsetof(PF_InData, downsample_y) == 292 &&
                  offsetof(PF_InData, pixel_aspect_ratio) == 300 &&
                  offsetof(PF_InData, in_flags) == 308 && offsetof(PF_InData, global_data) == 312 &&
                  offsetof(PF_InData, sequence_data) == 320 &&
                  offsetof(PF_InData, frame_data) == 328 && offsetof(PF_InData, start_sampL) == 336 &&
                  offsetof(PF_InData, dur_sampL) == 340 && offsetof(PF_InData, total_sampL) == 344 &&
                  offsetof(PF_InData, src_snd) == 352 && offsetof(PF_InData, pica_basicP) == 384 &&
                  offsetof(PF_InData, pre_effect_source_origin_x) == 392 &&
                  offsetof(PF_InData, pre_effect_source_origin_y) == 396 &&
                  offsetof(PF_InData, shutter_phase) == 400,
              "PF_InData layout");
static_assert(sizeof(PF_OutData) == 408 && alignof(PF_OutData) == 8, "PF_OutData size");
static_assert(offsetof(PF_OutData, name) == 4 && offsetof(PF_OutData, global_data) == 40 &&
                  offsetof(PF_OutData, num_params) == 48 &&
                  offsetof(PF_OutData, sequence_data) == 56 &&
                  offsetof(PF_OutData, flat_sdata_size) == 64 &&
                  offsetof(PF_OutData, frame_data) == 72 && offsetof(PF_OutData, width) == 80 &&
                  offsetof(PF_OutData, height) == 84 && offsetof(PF_OutData, origin) == 88 &&
                  offsetof(PF_OutData, out_flags) == 96 && offsetof(PF_OutData, return_msg) == 100 &&
                  offsetof(PF_OutData, start_sampL) == 356 &&
                  offsetof(PF_OutData, dur_sampL) == 360 && offsetof(PF_OutData, dest_snd) == 368 &&
                  offsetof(PF_OutData, out_flags2) == 400,
              "PF_OutData layout");
