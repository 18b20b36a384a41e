// The host's names for what global and parameter set-up report, so that
// a person reads "DEEP_COLOR_AWARE" rather than 0x02000000.
#pragma once

#include <string>
#include <vector>

#include "A.h"

namespace dorvane_host {

// The set bits by the host's names, in bit order;
// a bit the host does not name shows as "bit N". "none" when nothing is set.
std::string OutFlagNames(A_u_long flags);
std::string OutFlag2Names(A_u_long flags);
std::string ParamFlagNames(A_u_long flags);

// A packed effect version as "1.0.0", with its stage and build after it:
// "1.0.0 (release, build 1)".
std::string VersionText(A_u_long packed);

// A host text split at its line breaks (the host's texts end lines with a
// carriage return).
std::vector<std::string> TextLines(const std::string& text);

}  // namespace dorvane_host
