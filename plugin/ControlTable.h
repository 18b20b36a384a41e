// The six expression controls a press gives the layer: what each is called,
// which installed effect it is an instance of, and whether the camera is
// keyed into it at every frame or set once. The effect, the demo program and
// the tests all read the controls from here, so that a control renamed or
// added is one edit.
#pragma once

// The controls, in the order in which they are found, created, cleared,
// switched off, recorded and released.
enum ControlSlot {
    kFovControl,
    kAspectControl,
    kRow1Control,
    kRow2Control,
    kRow3Control,
    kRow4Control,
    kControlCount
};

// The match names of the host's expression controls the table uses.
constexpr const char* kSliderMatchName = "ADBE Slider Control";
constexpr const char* kPoint3DMatchName = "ADBE Point3D Control";

struct ControlSpec {
    const char* name;  // the instance name the user sees, 7-bit ASCII
    const char* kind;  // the match name of the installed effect
    bool keyed;        // a key at every frame of the span, or one value set once
};

inline constexpr ControlSpec kControls[kControlCount] = {
    {"Camera_Fov", kSliderMatchName, true},   {"Camera_Aspect", kSliderMatchName, false},
    {"Camera_Row1", kPoint3DMatchName, true}, {"Camera_Row2", kPoint3DMatchName, true},
    {"Camera_Row3", kPoint3DMatchName, true}, {"Camera_Row4", kPoint3DMatchName, true},
};
