// A layer's own clock against the composition's: the layer's time 0 is the
// composition time of its offset. Every time that crosses between the two
// crosses here.
#pragma once

#include <optional>

#include "AE_GeneralPlug.h"
#include "project/Project.h"

namespace simhost {

// `time`, read on the clock `from` (layer or composition time), on the clock
// `to`, in the time's own scale: the offset is carried into that scale in
// exact integer arithmetic, truncated only when it does not fit it. Nothing
// for a mode the host does not know, a zero scale, or a result beyond the
// host's 32 bits.
std::optional<A_Time> ConvertTime(const Layer& layer, const A_Time& time, AEGP_LTimeMode from, AEGP_LTimeMode to);

// Seconds on the layer's clock of a time read on the clock `from`.
std::optional<double> LayerSeconds(const Layer& layer, const A_Time& time, AEGP_LTimeMode from);

}  // namespace simhost
