// One parameter stream of an effect instance: a static value, keyframes
// ordered by time, and an optional expression.
#pragma once

#include <vector>

#include "AE_GeneralPlug.h"

namespace simhost {

struct Keyframe {
    double layer_seconds;  // keyed in layer time
    AEGP_StreamVal2 value;
};

struct Stream {
    AEGP_StreamType type = AEGP_StreamType_NO_DATA;
    AEGP_StreamVal2 value{};
    std::vector<Keyframe> keyframes;  // ascending by time; a key's index is its position
};

}  // namespace simhost
