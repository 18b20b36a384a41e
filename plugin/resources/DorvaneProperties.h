// Who the effect is: the values global set-up reports and the About text shows.
#pragma once

#include "AE_EffectTypes.h"

namespace dorvane {

constexpr const char* kEffectName = "Dorvane";
constexpr const char* kCopyright = "Copyright 2026 the Dorvane developers.";

constexpr int kMajorVersion = 1;
constexpr int kMinorVersion = 0;
constexpr int kBugVersion = 0;
constexpr int kStageVersion = PF_Stage_RELEASE;
constexpr int kBuildVersion = 1;

constexpr A_u_long kEffectVersion =
    PF_VERSION(kMajorVersion, kMinorVersion, kBugVersion, kStageVersion, kBuildVersion);

constexpr PF_OutFlags kGlobalOutFlags = PF_OutFlag_DEEP_COLOR_AWARE;
constexpr PF_OutFlags2 kGlobalOutFlags2 =
    PF_OutFlag2_SUPPORTS_SMART_RENDER | PF_OutFlag2_FLOAT_COLOR_AWARE;

static_assert(kEffectVersion == 0x80601, "reported version");
static_assert(kGlobalOutFlags == 0x02000000 && kGlobalOutFlags2 == 0x00001400, "reported flags");

}  // namespace dorvane
