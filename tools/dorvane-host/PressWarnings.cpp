#include "PressWarnings.h"

namespace dorvane_host {

namespace {

// "the 3rd effect" and the like: where on the layer's list an effect sits.
std::string Place(std::size_t index) {
    const std::size_t number = index + 1;
    const std::size_t last = number % 10;
    const char* suffix = number % 100 / 10 == 1 ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    return std::to_string(number) + suffix;
}

std::vector<std::string> LookAlikes(const simhost::Project& project, const simhost::Layer& layer,
                                    const Recording& recording) {
    std::vector<std::string> warnings;
    for (const RecordedControl& control : recording.controls) {
        if (!control.found) continue;
        const std::u16string name = simhost::Utf16FromAscii(control.name.name);
        const int claimed = ClaimedControl(project, layer.id, control.name);
        std::size_t claimed_index = 0;
        for (std::size_t i = 0; i < layer.effects.size(); ++i) {
            if (layer.effects[i].uid == claimed) claimed_index = i;
        }
        for (std::size_t i = 0; i < layer.effects.size(); ++i) {
            const simhost::EffectInstance& effect = layer.effects[i];
            const simhost::InstalledEffect* kind = project.FindInstalled(effect.key);
            if (effect.name != name || kind == nullptr || kind->match_name == control.name.kind) continue;
            const std::string which =
                i < claimed_index
                    ? "it comes first, so an expression's effect(\"" + std::string(control.name.name) +
                          "\") finds it, not the recorded control: rename or remove it"
                    : "the recorded control comes first, so an expression's effect(\"" +
                          std::string(control.name.name) + "\") finds the recording; moving either would change that";
            warnings.push_back("the " + Place(i) + " effect on the layer (" + kind->match_name + ") is also named \"" +
                               control.name.name + "\", beside the recorded control (" + control.name.kind +
                               ", the " + Place(claimed_index) + "): " + which);
        }
    }
    return warnings;
}

}  // namespace

std::vector<std::string> PressWarnings(const simhost::Project& project, int layer_id, const Recording& recording) {
    const simhost::Layer* layer = project.FindLayer(layer_id);
    if (layer == nullptr) return {};
    std::vector<std::string> warnings = LookAlikes(project, *layer, recording);
    if (recording.Frames() == 0) {
        warnings.push_back("the layer spans no frame (it lasts " + std::to_string(recording.duration.value) + "/" +
                           std::to_string(recording.duration.scale) +
                           " s), so nothing was keyed: Camera_Fov and the rows hold their defaults (or what an earlier "
                           "control held), not a camera, and expressions reading them get those values");
    }
    return warnings;
}

}  // namespace dorvane_host
