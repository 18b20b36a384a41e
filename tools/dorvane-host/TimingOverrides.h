// Quick changes to a scene's timing from the command line: another frame
// rate, another length, another in-point.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "A.h"
#include "scenes/Scene.h"

namespace dorvane_host {

// A frame rate as a person writes it: "24", "30000/1001", "12.5", "2.5e1",
// or one of the NTSC rates "23.976", "29.97", "47.952", "59.94", "119.88",
// which mean N·1000/1001 as hosts use them; any other decimal is exact
// ("29.970" is 2997/100). Rates above 0 and up to 1000 frames per second are
// accepted. The result is the duration of one frame, in lowest terms.
// Throws std::invalid_argument with the reason a rate is refused.
A_Time FrameDurationOf(const std::string& rate);

struct TimingOverrides {
    std::optional<A_Time> frame_duration;
    std::optional<long long> frames;    // the layer's length in frames
    std::optional<long long> in_point;  // the layer's in-point, in frames
};

// Applies the overrides in that order, lengths and in-point counted in the
// (possibly new) frames. Throws std::invalid_argument for a time the host
// cannot hold (beyond 32-bit ticks) or a negative length.
void OverrideTiming(simhost::Scene& scene, const TimingOverrides& overrides);

}  // namespace dorvane_host
