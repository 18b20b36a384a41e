// Who the effect is. This one table is what the host reads before it loads
// the code (the build turns it into the Windows resource and the macOS
// resource file) and what global set-up and the About text report, so the
// two cannot tell the host different things.
#pragma once

#include <array>

#include "AE_EffectTypes.h"
#include "resources/PropertyTable.h"

namespace dorvane {

constexpr const char* kEffectName = "Dorvane";
constexpr const char* kMatchName = "Dorvane";
constexpr const char* kCategory = "MureloUtility";
// The function the host calls; the export lists and EntryPointFunc's
// declaration spell the same name, which the binary check confirms.
constexpr const char* kEntryPointName = "EntryPointFunc";
constexpr const char* kCopyright = "Copyright 2026 the Dorvane developers.";
// What the Windows file properties show beside the name.
constexpr const char* kDescription = "Dorvane effect: records the layer's camera into expression controls";

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

// The layout of the list itself, and the interface the code is written for.
constexpr std::uint32_t kPropertyListMajor = 2;
constexpr std::uint32_t kPropertyListMinor = 0;
constexpr std::uint32_t kEffectSpecMajor = 13;
constexpr std::uint32_t kEffectSpecMinor = 1;
constexpr std::uint32_t kEffectInfoFlags = 0;
constexpr std::uint32_t kReservedInfo = 8;

// In the order the host expects them.
constexpr std::array<Property, 12> kRegistrationProperties = {
    CodeProperty("kind", "eFKT"),
    TextProperty("name", kEffectName),
    TextProperty("catg", kCategory),
    EntryPointProperty(kEntryPointName),
    VersionProperty("ePVR", kPropertyListMajor, kPropertyListMinor),
    VersionProperty("eSVR", kEffectSpecMajor, kEffectSpecMinor),
    LongProperty("eVER", kEffectVersion),
    ShortProperty("eINF", kEffectInfoFlags),
    LongProperty("eGLO", static_cast<std::uint32_t>(kGlobalOutFlags)),
    LongProperty("eGL2", static_cast<std::uint32_t>(kGlobalOutFlags2)),
    TextProperty("eMNA", kMatchName),
    LongProperty("aeFL", kReservedInfo),
};

static_assert(kEffectVersion == 0x80601, "reported version");
static_assert(kGlobalOutFlags == 0x02000000 && kGlobalOutFlags2 == 0x00001400, "reported flags");
static_assert(FindProperty(kRegistrationProperties, "eVER").number == kEffectVersion &&
                  FindProperty(kRegistrationProperties, "eGLO").number ==
                      static_cast<std::uint32_t>(kGlobalOutFlags) &&
                  FindProperty(kRegistrationProperties, "eGL2").number ==
                      static_cast<std::uint32_t>(kGlobalOutFlags2),
              "the properties announce what global set-up reports");

}  // namespace dorvane
