// Layer spans drawn at random for comparing the effect's sample times with
// the exact reference: an hour either way at a frame rate a host uses, a
// few frames anywhere in 32 bits, and anything at all.
#pragma once

#include <random>

#include "AE_GeneralPlug.h"

namespace validator {

struct DrawnSpan {
    A_Time in_point, duration, frame_duration;
};

DrawnSpan DrawSpan(std::mt19937_64& random);

}  // namespace validator
