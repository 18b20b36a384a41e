// What one press did, in words: which controls it created or reused, what
// it keyed, and the undo step it left.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Recording.h"
#include "SampleTimes.h"
#include "project/Project.h"
#include "scenes/Scene.h"

namespace dorvane_host {

// The uid of the control each of the six names stands for (0: none yet).
using ControlUids = std::array<int, kControlCount>;
ControlUids ClaimedControls(const simhost::Project& project, int layer_id);

// Lines of the summary for a press, given the controls before and after it
// and what they hold after it.
std::vector<std::string> DescribePress(const ControlUids& before, const ControlUids& after,
                                       const Recording& recording);

// The scene in a few lines: composition, layer span, camera.
std::vector<std::string> DescribeScene(const simhost::Scene& scene, bool built_in);

// How many frames a layer of this span is keyed at: the effect's own count.
inline long long FramesInSpan(const A_Time& duration, const A_Time& frame_duration) {
    return static_cast<long long>(SpanFrameCount(duration, frame_duration));
}

}  // namespace dorvane_host
