// Effect-side scalar types, constants, pixel worlds and parameter records.
#pragma once

#include "A.h"

typedef A_long PF_Err;
typedef A_long PF_Cmd;
typedef A_long PF_Fixed;
typedef A_u_long PF_UFixed;
typedef A_long PF_ParamIndex;
typedef A_long PF_ParamValue;
typedef A_long PF_ParamType;
typedef A_long PF_ParamFlags;
typedef A_long PF_ParamUIFlags;
typedef A_long PF_ChangeFlags;
typedef A_long PF_OutFlags;
typedef A_long PF_OutFlags2;
typedef A_long PF_InFlags;
typedef A_long PF_Quality;
typedef A_long PF_Field;
typedef A_long PF_ChannelMask;
typedef A_long PF_GPU_Framework;
typedef A_long PF_WorldFlags;
typedef A_long PF_Stage;
typedef A_long A_AppID;
typedef A_char PF_Boolean;
typedef A_FpLong PF_FpLong;
typedef A_FpShort PF_FpShort;
typedef short PF_RenderOutputFlags;
typedef void** PF_Handle;
typedef struct PF_ProgressInfo* PF_ProgPtr;
typedef void* PF_PixelPtr;

enum {
    PF_Cmd_ABOUT = 0,
    PF_Cmd_GLOBAL_SETUP = 1,
    PF_Cmd_UNUSED_0 = 2,
    PF_Cmd_GLOBAL_SETDOWN = 3,
    PF_Cmd_PARAMS_SETUP = 4,
    PF_Cmd_SEQUENCE_SETUP = 5,
    PF_Cmd_SEQUENCE_RESETUP = 6,
    PF_Cmd_SEQUENCE_FLATTEN = 7,
    PF_Cmd_SEQUENCE_SETDOWN = 8,
    PF_Cmd_DO_DIALOG = 9,
    PF_Cmd_FRAME_SETUP = 10,
    PF_Cmd_RENDER = 11,
    PF_Cmd_FRAME_SETDOWN = 12,
    PF_Cmd_USER_CHANGED_PARAM = 13,
    PF_Cmd_UPDATE_PARAMS_UI = 14,
    PF_Cmd_EVENT = 15,
    PF_Cmd_GET_EXTERNAL_DEPENDENCIES = 16,
    PF_Cmd_COMPLETELY_GENERAL = 17,
    PF_Cmd_QUERY_DYNAMIC_FLAGS = 18,
    PF_Cmd_AUDIO_RENDER = 19,
    PF_Cmd_AUDIO_SETUP = 20,
    PF_Cmd_AUDIO_SETDOWN = 21,
    PF_Cmd_ARBITRARY_CALLBACK = 22,
    PF_Cmd_SMART_PRE_RENDER = 23,
    PF_Cmd_SMART_RENDER = 24,
    PF_Cmd_RESERVED1 = 25,
    PF_Cmd_RESERVED2 = 26,
    PF_Cmd_RESERVED3 = 27,
    PF_Cmd_GET_FLATTENED_SEQUENCE_DATA = 28,
    PF_Cmd_TRANSLATE_PARAMS_TO_PREFS = 29,
    PF_Cmd_RESERVED4 = 30,
    PF_Cmd_SMART_RENDER_GPU = 31,
    PF_Cmd_GPU_DEVICE_SETUP = 32,
    PF_Cmd_GPU_DEVICE_SETDOWN = 33,
    PF_Cmd_NUM_CMDS = 34
};

enum {
    PF_Err_NONE = 0,
    PF_Err_OUT_OF_MEMORY = 4,
    PF_Err_INTERNAL_STRUCT_DAMAGED = 512,
    PF_Err_INVALID_INDEX = 513,
    PF_Err_UNRECOGNIZED_PARAM_TYPE = 514,
    PF_Err_INVALID_CALLBACK = 515,
    PF_Err_BAD_CALLBACK_PARAM = 516,
    PF_Interrupt_CANCEL = 517,
    PF_Err_CANNOT_PARSE_KEYFRAME_TEXT = 518
};

enum {
    PF_OutFlag_NONE = 0,
    PF_OutFlag_DISPLAY_ERROR_MESSAGE = 1L << 8,
    PF_OutFlag_FORCE_RERENDER = 1L << 22,
    PF_OutFlag_DEEP_COLOR_AWARE = 1L << 25
};

enum {
    PF_OutFlag2_NONE = 0,
    PF_OutFlag2_SUPPORTS_SMART_RENDER = 1L << 10,
    PF_OutFlag2_FLOAT_COLOR_AWARE = 1L << 12
};

enum {
    PF_Param_RESERVED = -1,
    PF_Param_LAYER = 0,
    PF_Param_SLIDER = 1,
    PF_Param_FIX_SLIDER = 2,
    PF_Param_ANGLE = 3,
    PF_Param_CHECKBOX = 4,
    PF_Param_COLOR = 5,
    PF_Param_POINT = 6,
    PF_Param_POPUP = 7,
    PF_Param_CUSTOM = 8,
    PF_Param_NO_DATA = 9,
    PF_Param_FLOAT_SLIDER = 10,
    PF_Param_ARBITRARY_DATA = 11,
    PF_Param_PATH = 12,
    PF_Param_GROUP_START = 13,
    PF_Param_GROUP_END = 14,
    PF_Param_BUTTON = 15,
    PF_Param_RESERVED2 = 16,
    PF_Param_RESERVED3 = 17,
    PF_Param_POINT_3D = 18
};

enum {
    PF_ParamFlag_NONE = 0,
    PF_ParamFlag_CANNOT_TIME_VARY = 1 << 1,
    PF_ParamFlag_CANNOT_INTERP = 1 << 2,
    PF_ParamFlag_SUPERVISE = 1 << 6
};

enum { PF_ParamIndex_NONE = -1, PF_ParamIndex_CHECK_ALL = -2 };
enum { PF_ChangeFlag_CHANGED_VALUE = 1 };

enum { PF_Stage_DEVELOP = 0, PF_Stage_ALPHA = 1, PF_Stage_BETA = 2, PF_Stage_RELEASE = 3 };
enum { PF_Quality_DRAWING_AUDIO = -1, PF_Quality_LO = 0, PF_Quality_HI = 1 };
enum { PF_Field_FRAME = 0, PF_Field_UPPER = 1, PF_Field_LOWER = 2 };
enum { PF_ChannelMask_ALPHA = 1, PF_ChannelMask_RED = 2, PF_ChannelMask_GREEN = 4,
       PF_ChannelMask_BLUE = 8, PF_ChannelMask_ARGB = 15 };
enum { PF_GPU_Framework_NONE = 0 };
enum { PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS = 1, PF_RenderOutputFlag_GPU_RENDER_POSSIBLE = 2 };

enum { PF_PLUG_IN_VERSION = 13, PF_PLUG_IN_SUBVERS = 29 };

// The host's version-word packing: build, stage, bug-fix, subversion, version.
constexpr A_u_long PF_VERSION(A_u_long vers, A_u_long subvers, A_u_long bugvers, A_u_long stage,
                              A_u_long build) {
    return (((vers >> 3) & 0xF) << 26) | ((vers & 0x7) << 19) | ((subvers & 0xF) << 15) |
           ((bugvers & 0xF) << 11) | ((stage & 0x3) << 9) | (build & 0x1FF);
}

typedef A_LRect PF_LRect;
typedef A_LRect PF_Rect;
typedef A_LRect PF_UnionableRect;

struct PF_Point {
    union { A_long x; A_long h; };
    union { A_long y; A_long v; };
};

struct PF_RationalScale {
    A_long num;
    A_u_long den;
};

struct PF_SpecVersion {
    A_short major;
    A_short minor;
};

struct PF_Pixel {
    A_u_char alpha, red, green, blue;
};
typedef PF_Pixel PF_Pixel8;

struct PF_Pixel16 {
    A_u_short alpha, red, green, blue;
};

struct PF_PixelFloat {
    PF_FpShort alpha, red, green, blue;
};
typedef PF_PixelFloat PF_Pixel32;

struct PF_SoundFormatInfo {
    PF_FpLong rateF;
    A_short num_channels;
    A_short format;
    A_short sample_size;
};

struct PF_SoundWorld {
    PF_SoundFormatInfo fi;
    A_long num_samples;
    void* dataP;
};

struct PF_LayerDef {
    void* reserved0;
    void* reserved1;
    PF_WorldFlags world_flags;
    PF_PixelPtr data;
    A_long rowbytes;
    A_long width;
    A_long height;
    PF_UnionableRect extent_hint;
    void* platform_ref;
    A_long reserved_long1;
    void* reserved_long4;
    PF_RationalScale pix_aspect_ratio;
    void* reserved_long2;
    A_long origin_x;
    A_long origin_y;
    A_long reserved_long3;
    A_long dephault;
};
typedef PF_LayerDef PF_EffectWorld;

struct PF_ButtonDef {
    PF_ParamValue value;
    union { const A_char* namesptr; } u;
};

// Only the members the effect reads are spelled out; `ld` is the largest and
// gives the union the host's size.
union PF_ParamDefUnion {
    PF_LayerDef ld;
    PF_ButtonDef button_d;
};

enum { PF_MAX_EFFECT_PARAM_NAME_LEN = 31 };

struct PF_ParamDef {
    union { A_long id; PF_ChangeFlags change_flags; } uu;
    PF_ParamUIFlags ui_flags;
    A_short ui_width;
    A_short ui_height;
    PF_ParamType param_type;
    A_char name[PF_MAX_EFFECT_PARAM_NAME_LEN + 1];
    PF_ParamFlags flags;
    A_long unused;
    PF_ParamDefUnion u;
};

struct PF_UserChangedParamExtra {
    PF_ParamIndex param_index;
};

static_assert(sizeof(PF_Err) == 4 && sizeof(PF_Cmd) == 4, "32-bit codes");
static_assert(PF_VERSION(1, 0, 0, PF_Stage_RELEASE, 1) == 0x80601, "version packing");
static_assert(sizeof(PF_Point) == 8 && sizeof(PF_RationalScale) == 8, "small records");
static_assert(sizeof(PF_SpecVersion) == 4 && alignof(PF_SpecVersion) == 2, "PF_SpecVersion");
static_assert(sizeof(PF_Pixel8) == 4 && sizeof(PF_Pixel16) == 8 && sizeof(PF_PixelFloat) == 16,
              "pixel sizes");
static_assert(sizeof(PF_SoundFormatInfo) == 16 && offsetof(PF_SoundFormatInfo, num_channels) == 8 &&
                  offsetof(PF_SoundFormatInfo, sample_size) == 12,
              "PF_SoundFormatInfo layout");
static_assert(sizeof(PF_SoundWorld) == 32 && offsetof(PF_SoundWorld, num_samples) == 16 &&
                  offsetof(PF_SoundWorld, dataP) == 24,
              "PF_SoundWorld layout");
static_assert(sizeof(PF_LayerDef) == 120 && alignof(PF_LayerDef) == 8, "PF_LayerDef size");
static_assert(offsetof(PF_LayerDef, world_flags) == 16 && offsetof(PF_LayerDef, data) == 24 &&
                  offsetof(PF_LayerDef, rowbytes) == 32 && offsetof(PF_LayerDef, width) == 36 &&
                  offsetof(PF_LayerDef, height) == 40 && offsetof(PF_LayerDef, extent_hint) == 44 &&
                  offsetof(PF_LayerDef, platform_ref) == 64 &&
                  offsetof(PF_LayerDef, reserved_long1) == 72 &&
                  offsetof(PF_LayerDef, reserved_long4) == 80 &&
                  offsetof(PF_LayerDef, pix_aspect_ratio) == 88 &&
                  offsetof(PF_LayerDef, reserved_long2) == 96 &&
                  offsetof(PF_LayerDef, origin_x) == 104 && offsetof(PF_LayerDef, origin_y) == 108 &&
                  offsetof(PF_LayerDef, reserved_long3) == 112 &&
                  offsetof(PF_LayerDef, dephault) == 116,
              "PF_LayerDef layout");
static_assert(sizeof(PF_ButtonDef) == 16 && offsetof(PF_ButtonDef, u) == 8, "PF_ButtonDef layout");
static_assert(sizeof(PF_ParamDefUnion) == 120 && alignof(PF_ParamDefUnion) == 8, "param union");
static_assert(sizeof(PF_ParamDef) == 176 && alignof(PF_ParamDef) == 8, "PF_ParamDef size");
static_assert(offsetof(PF_ParamDef, ui_flags) == 4 && offsetof(PF_ParamDef, ui_width) == 8 &&
                  offsetof(PF_ParamDef, ui_height) == 10 && offsetof(PF_ParamDef, param_type) == 12 &&
                  offsetof(PF_ParamDef, name) == 16 && offsetof(PF_ParamDef, flags) == 48 &&
                  offsetof(PF_ParamDef, unused) == 52 && offsetof(PF_ParamDef, u) == 56,
              "PF_ParamDef layout");
static_assert(offsetof(PF_ParamDef, u.button_d.u.namesptr) == 64, "button label slot");
static_assert(sizeof(PF_UserChangedParamExtra) == 4, "PF_UserChangedParamExtra layout");
