#include "project/LayerTime.h"

#include <cstdint>

namespace simhost {

namespace {

bool KnownMode(AEGP_LTimeMode mode) {
    return mode == AEGP_LTimeMode_LayerTime || mode == AEGP_LTimeMode_CompTime;
}

}  // namespace

std::optional<A_Time> ConvertTime(const Layer& layer, const A_Time& time, AEGP_LTimeMode from, AEGP_LTimeMode to) {
    if (!KnownMode(from) || !KnownMode(to) || time.scale == 0) return std::nullopt;
    if (from == to) return time;
    if (layer.offset.scale == 0) return std::nullopt;
    // 32-bit values times 32-bit scales fit in 64 bits.
    const long long offset = static_cast<long long>(layer.offset.value) * time.scale / layer.offset.scale;
    const long long value = from == AEGP_LTimeMode_LayerTime ? time.value + offset : time.value - offset;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return A_Time{static_cast<A_long>(value), time.scale};
}

std::optional<double> LayerSeconds(const Layer& layer, const A_Time& time, AEGP_LTimeMode from) {
    const std::optional<A_Time> layer_time = ConvertTime(layer, time, from, AEGP_LTimeMode_LayerTime);
    if (!layer_time) return std::nullopt;
    return Seconds(*layer_time);
}

}  // namespace simhost
