#include "HostNames.h"

namespace dorvane_host {

namespace {

// Names by bit position, as the host's headers give them; empty where a
// bit has no name.
constexpr const char* kOutFlags[32] = {
    "KEEP_RESOURCE_OPEN",    "WIDE_TIME_INPUT",    "NON_PARAM_VARY",
    "RESERVED6",             "SEQUENCE_DATA_NEEDS_FLATTENING", "I_DO_DIALOG",
    "USE_OUTPUT_EXTENT",     "SEND_DO_DIALOG",     "DISPLAY_ERROR_MESSAGE",
    "I_EXPAND_BUFFER",       "PIX_INDEPENDENT",    "I_WRITE_INPUT_BUFFER",
    "I_SHRINK_BUFFER",       "WORKS_IN_PLACE",     "RESERVED8",
    "CUSTOM_UI",             "RESERVED7",          "REFRESH_UI",
    "NOP_RENDER",            "I_USE_SHUTTER_ANGLE", "I_USE_AUDIO",
    "I_AM_OBSOLETE",         "FORCE_RERENDER",     "PiPL_OVERRIDES_OUTDATA_OUTFLAGS",
    "I_HAVE_EXTERNAL_DEPENDENCIES", "DEEP_COLOR_AWARE", "SEND_UPDATE_PARAMS_UI",
    "AUDIO_FLOAT_ONLY",      "AUDIO_IIR",          "I_SYNTHESIZE_AUDIO",
    "AUDIO_EFFECT_TOO",      "AUDIO_EFFECT_ONLY",
};

constexpr const char* kOutFlags2[32] = {
    "SUPPORTS_QUERY_DYNAMIC_FLAGS", "I_USE_3D_CAMERA", "I_USE_3D_LIGHTS",
    "PARAM_GROUP_START_COLLAPSED_FLAG", "I_AM_THREADSAFE", "CAN_COMBINE_WITH_DESTINATION",
    "DOESNT_NEED_EMPTY_PIXELS", "REVEALS_ZERO_ALPHA", "PRESERVES_FULLY_OPAQUE_PIXELS",
    "", "SUPPORTS_SMART_RENDER", "RESERVED9",
    "FLOAT_COLOR_AWARE", "I_USE_COLORSPACE_ENUMERATION", "I_AM_DEPRECATED",
    "PPRO_DO_NOT_CLONE_SEQUENCE_DATA_FOR_RENDER", "RESERVED10", "AUTOMATIC_WIDE_TIME_INPUT",
    "I_USE_TIMECODE", "DEPENDS_ON_UNREFERENCED_MASKS", "OUTPUT_IS_WATERMARKED",
    "I_MIX_GUID_DEPENDENCIES", "AE13_5_THREADSAFE", "SUPPORTS_GET_FLATTENED_SEQUENCE_DATA",
    "CUSTOM_UI_ASYNC_MANAGER", "SUPPORTS_GPU_RENDER_F32", "RESERVED12",
    "SUPPORTS_THREADED_RENDERING", "MUTABLE_RENDER_SEQUENCE_DATA_SLOWER", "SUPPORTS_DIRECTX_RENDERING",
    "", "",
};

constexpr const char* kParamFlags[32] = {
    "RESERVED1", "CANNOT_TIME_VARY", "CANNOT_INTERP", "RESERVED2", "RESERVED3", "COLLAPSE_TWIRLY",
    "SUPERVISE", "USE_VALUE_FOR_OLD_PROJECTS", "EXCLUDE_FROM_HAVE_INPUTS_CHANGED", "SKIP_REVEAL_WHEN_UNHIDDEN",
    "",          "RESERVED4",
};

constexpr const char* kStages[4] = {"development", "alpha", "beta", "release"};

std::string Names(A_u_long flags, const char* prefix, const char* const (&names)[32]) {
    std::string text;
    for (unsigned bit = 0; bit < 32; ++bit) {
        if ((flags >> bit & 1u) == 0) continue;
        const std::string name = names[bit] != nullptr && names[bit][0] != '\0' ? prefix + std::string(names[bit])
                                                                              : "bit " + std::to_string(bit);
        text += (text.empty() ? "" : ", ") + name;
    }
    return text.empty() ? "none" : text;
}

}  // namespace

std::string OutFlagNames(A_u_long flags) { return Names(flags, "PF_OutFlag_", kOutFlags); }
std::string OutFlag2Names(A_u_long flags) { return Names(flags, "PF_OutFlag2_", kOutFlags2); }
std::string ParamFlagNames(A_u_long flags) { return Names(flags, "PF_ParamFlag_", kParamFlags); }

std::string VersionText(A_u_long packed) {
    const A_u_long major = ((packed >> 26) & 0xF) << 3 | ((packed >> 19) & 0x7);
    const A_u_long minor = (packed >> 15) & 0xF;
    const A_u_long bugfix = (packed >> 11) & 0xF;
    const A_u_long stage = (packed >> 9) & 0x3;
    const A_u_long build = packed & 0x1FF;
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(bugfix) + " (" +
           kStages[stage] + ", build " + std::to_string(build) + ")";
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

}  // namespace dorvane_host
