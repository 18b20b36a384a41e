// The six expression controls a press gives the layer: what each is called,
// which installed effect it is an instance of, and whether the camera is
// keyed into it at every frame or set once. The effect, the demo program and
// the tests all read the controls from here, so that a control renamed is
// one edit. What each holds is the code's: the field of view goes to a keyed
// slider, the aspect to one set once, the rows to keyed 3D points; the
// checks below the table hold the table to that.
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

// What the press's code assumes of the table: which slots are sliders and
// which 3D points, and which are keyed.
static_assert(kControls[kFovControl].kind == kSliderMatchName && kControls[kFovControl].keyed,
              "the field of view is a keyed slider");
static_assert(kControls[kAspectControl].kind == kSliderMatchName && !kControls[kAspectControl].keyed,
              "the aspect is a slider set once");
static_assert(kControls[kRow1Control].kind == kPoint3DMatchName && kControls[kRow1Control].keyed &&
                  kControls[kRow2Control].kind == kPoint3DMatchName && kControls[kRow2Control].keyed &&
                  kControls[kRow3Control].kind == kPoint3DMatchName && kControls[kRow3Control].keyed &&
                  kControls[kRow4Control].kind == kPoint3DMatchName && kControls[kRow4Control].keyed,
              "the four rows are keyed 3D points, in order after the aspect");
