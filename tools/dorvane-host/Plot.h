// A picture of the recording: one SVG page with the field of view over time
// and the camera's path seen from above, with its viewing direction.
#pragma once

#include <ostream>

#include "Recording.h"

namespace dorvane_host {

// The series carry ids a reader can find: "fov" (degrees against seconds),
// "path" (x against z from Camera_Row4) and "directions" (a group of
// arrows along Camera_Row3's x and z).
void WritePlot(const Recording& recording, std::ostream& out);

}  // namespace dorvane_host
