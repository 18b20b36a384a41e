// A host with the effect applied to the demo layer and set up, ready for
// presses of its button, and the checks every press shares: the six
// controls, a key at the exact time of every frame, the undo step.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Check.h"
#include "ControlTable.h"
#include "Host.h"

namespace validator {

// The undo step a press makes.
constexpr const char* kUndoLabel = "Teskaline: Create Expression Controls";
// The code of a host call a check makes fail: no host call returns it of
// its own accord.
constexpr A_Err kInjected = 7321;

class PressBench {
public:
    // Loads the plug-in, puts the effect on the demo layer and runs global
    // and parameter set-up, which must succeed.
    explicit PressBench(const std::string& plugin_path);

    simhost::Layer& TheLayer();
    // The installed effect of this match name; a kind the host lacks ends
    // the check.
    AEGP_InstalledEffectKey KeyOf(const std::string& match_name);
    // Adds an effect of this kind under this name to the end of the layer.
    simhost::EffectInstance& AddEffect(const std::string& match_name, const std::string& name);
    // The effects of the layer with this kind and name, in layer order.
    std::vector<const simhost::EffectInstance*> Find(const std::string& match_name, const std::string& name);
    // The layer's span: its in-point, duration and the frame duration.
    void SetSpan(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration);
    std::string Dump() const;
    std::size_t UndoSteps() { return host.state().undo().Steps().size(); }

    // Presses the button; a press that fails ends the check.
    void Press();

    simhost::Host host;
};

// The press just made keyed every animated control at each frame of the
// layer's span, at times equal to the exact reference's, and the controls
// are the first instances of their kind and name, switched off.
void RequirePressRecorded(PressBench& bench);

// One new undo step, the press's, and undoing it gives back `before`.
void RequireUndoRestores(PressBench& bench, const std::string& before, std::size_t steps_before);

// Describes a time as {value, scale}.
std::string Describe(const A_Time& time);

}  // namespace validator
