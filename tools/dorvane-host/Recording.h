// What a press left in the project, read back from the six controls: the
// data every view of the demo (summary, table, exports, plot) shows.
#pragma once

#include <string>
#include <vector>

#include "A.h"
#include "ControlTable.h"
#include "project/Camera.h"
#include "project/Project.h"

namespace dorvane_host {

// The six controls, in the order the effect handles them, as the effect
// names them.
using ControlName = ControlSpec;
using ::kControls;
// Positions in kControls.
using ControlIndex = ControlSlot;
constexpr ControlIndex kFov = kFovControl;
constexpr ControlIndex kAspect = kAspectControl;
constexpr ControlIndex kRow1 = kRow1Control;
constexpr ControlIndex kRow2 = kRow2Control;
constexpr ControlIndex kRow3 = kRow3Control;
constexpr ControlIndex kRow4 = kRow4Control;

struct RecordedKey {
    A_Time time;     // composition time, in the scale the keys were written at
    double seconds;  // the same time in seconds
    simhost::Vec3 value;  // a slider's value is x
};

struct RecordedControl {
    ControlName name;
    bool found = false;  // no such control on the layer (a press that failed early)
    bool three_d = false;
    bool enabled = false;
    simhost::Vec3 static_value{0.0, 0.0, 0.0};
    std::vector<RecordedKey> keys;
};

struct Recording {
    std::string scene_name;
    A_long width = 0;
    A_long height = 0;
    A_Time frame_duration{1, 1};
    A_Time in_point{0, 1};
    A_Time duration{0, 1};
    std::vector<RecordedControl> controls;  // one per entry of kControls

    const RecordedControl& Control(ControlIndex index) const { return controls[index]; }
    double Aspect() const { return controls[kAspect].static_value.x; }
    // Keys shared by the keyed controls (the fewest any of them has).
    std::size_t Frames() const;
};

inline double Degrees(double radians) { return radians * (180.0 / simhost::kPi); }
// Frames per second of a composition whose frame lasts `frame_duration`.
inline double FrameRate(const A_Time& frame_duration) {
    return static_cast<double>(frame_duration.scale) / static_cast<double>(frame_duration.value);
}

// The uid of the control of this name and kind that a press claims (the
// first on the layer), or 0.
int ClaimedControl(const simhost::Project& project, int layer_id, const ControlName& control);

// Reads the controls of the layer. A key whose time does not lie on the
// tick grid of the press (the largest scale of in-point, duration and frame
// duration) is a fault of the recording: std::runtime_error.
Recording ReadRecording(const simhost::Project& project, int layer_id, const std::string& scene_name);

}  // namespace dorvane_host
