#include "project/Stream.h"

#include <algorithm>
#include <stdexcept>

namespace simhost {

int NumericComponents(AEGP_StreamType type) {
    switch (type) {
        case AEGP_StreamType_OneD: return 1;
        case AEGP_StreamType_TwoD:
        case AEGP_StreamType_TwoD_SPATIAL: return 2;
        case AEGP_StreamType_ThreeD:
        case AEGP_StreamType_ThreeD_SPATIAL: return 3;
        case AEGP_StreamType_COLOR: return 4;
        default: return 0;
    }
}

double& Component(AEGP_StreamVal2& value, AEGP_StreamType type, int i) {
    switch (type) {
        case AEGP_StreamType_OneD:
            if (i == 0) return value.one_d;
            break;
        case AEGP_StreamType_TwoD:
        case AEGP_StreamType_TwoD_SPATIAL:
            if (i == 0) return value.two_d.x;
            if (i == 1) return value.two_d.y;
            break;
        case AEGP_StreamType_ThreeD:
        case AEGP_StreamType_ThreeD_SPATIAL:
            if (i == 0) return value.three_d.x;
            if (i == 1) return value.three_d.y;
            if (i == 2) return value.three_d.z;
            break;
        case AEGP_StreamType_COLOR:
            if (i == 0) return value.color.alphaF;
            if (i == 1) return value.color.redF;
            if (i == 2) return value.color.greenF;
            if (i == 3) return value.color.blueF;
            break;
        default:
            break;
    }
    throw std::out_of_range("no such component of a stream value");
}

AEGP_StreamVal2 Stream::ValueAt(double layer_seconds, bool pre_expression) const {
    AEGP_StreamVal2 result = value;
    const int components = NumericComponents(type);
    if (!keyframes.empty()) {
        auto later = std::upper_bound(keyframes.begin(), keyframes.end(), layer_seconds,
                                      [](double seconds, const Keyframe& key) { return seconds < key.layer_seconds; });
        if (later == keyframes.begin()) {
            result = later->value;
        } else if (later == keyframes.end()) {
            result = keyframes.back().value;
        } else {
            const Keyframe& before = *std::prev(later);
            result = before.value;
            const double span = later->layer_seconds - before.layer_seconds;
            const double t = span > 0.0 ? (layer_seconds - before.layer_seconds) / span : 0.0;
            AEGP_StreamVal2 from = before.value;
            AEGP_StreamVal2 to = later->value;
            for (int i = 0; i < components; ++i) {
                Component(result, type, i) =
                    Component(from, type, i) + (Component(to, type, i) - Component(from, type, i)) * t;
            }
        }
    }
    if (!pre_expression && expression) {
        for (int i = 0; i < components; ++i) {
            double& c = Component(result, type, i);
            c = c * expression->scale + expression->offset;
        }
    }
    return result;
}

int Stream::SetKeyframe(double layer_seconds, const AEGP_StreamVal2& key_value) {
    // Keys arrive in ascending order when a batch is committed: appending is
    // the common case, and the search is binary otherwise.
    if (keyframes.empty() || keyframes.back().layer_seconds < layer_seconds) {
        keyframes.push_back(Keyframe{layer_seconds, key_value});
        return static_cast<int>(keyframes.size() - 1);
    }
    auto at = std::lower_bound(keyframes.begin(), keyframes.end(), layer_seconds,
                               [](const Keyframe& key, double seconds) { return key.layer_seconds < seconds; });
    if (at != keyframes.end() && at->layer_seconds == layer_seconds) {
        at->value = key_value;
    } else {
        at = keyframes.insert(at, Keyframe{layer_seconds, key_value});
    }
    return static_cast<int>(at - keyframes.begin());
}

}  // namespace simhost
