// The recording frame by frame, for a person to read: one line a frame.
#pragma once

#include <ostream>

#include "Recording.h"

namespace dorvane_host {

// Frame number (counted in composition frames from time 0), time in seconds
// and as an exact value/scale, field of view in radians and degrees, the
// aspect, and the four rows. Rounded for reading; the exports are exact.
void WriteFrameTable(const Recording& recording, std::ostream& out);

// The composition frame a time falls on, counted from time 0.
long long FrameNumber(const A_Time& time, const A_Time& frame_duration);

}  // namespace dorvane_host
