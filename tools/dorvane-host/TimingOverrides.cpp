#include "TimingOverrides.h"

#include <cctype>
#include <cstdint>
#include <numeric>

namespace dorvane_host {

namespace {

const char* const kExpectedRate =
    "a frame rate such as 24, 29.97, 30000/1001 or 12.5 (frames per second, above 0)";

// Digits only, at most 9 of them, so that products stay well inside 64 bits.
std::optional<long long> Digits(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    return std::stoll(text);
}

A_Time FrameOfRate(long long frames, long long seconds) {
    const long long common = std::gcd(frames, seconds);
    frames /= common;
    seconds /= common;
    if (frames > UINT32_MAX || seconds > INT32_MAX) throw std::invalid_argument(kExpectedRate);
    return {static_cast<A_long>(seconds), static_cast<A_u_long>(frames)};
}

A_Time Frames(long long count, const A_Time& frame_duration, const char* what) {
    const bool fits = count >= INT32_MIN && count <= INT32_MAX;
    const long long ticks = fits ? count * frame_duration.value : 0;
    if (!fits || ticks < INT32_MIN || ticks > INT32_MAX) {
        throw std::invalid_argument(std::string(what) + " of " + std::to_string(count) +
                                    " frames is more than the host's 32-bit time can hold at this frame rate");
    }
    return {static_cast<A_long>(ticks), frame_duration.scale};
}

}  // namespace

A_Time FrameDurationOf(const std::string& rate) {
    for (const char* ntsc : {"23.976", "29.97", "47.952", "59.94", "119.88"}) {
        if (rate == ntsc) return FrameOfRate((std::stoll(rate) + 1) * 1000, 1001);
    }
    const std::size_t slash = rate.find('/');
    const std::size_t point = rate.find('.');
    std::optional<long long> frames;
    std::optional<long long> seconds;
    if (slash != std::string::npos) {
        frames = Digits(rate.substr(0, slash));
        seconds = Digits(rate.substr(slash + 1));
    } else if (point != std::string::npos) {
        const std::string fraction = rate.substr(point + 1);
        frames = Digits(rate.substr(0, point) + fraction);
        seconds = fraction.size() <= 8 ? std::optional<long long>(std::stoll("1" + std::string(fraction.size(), '0')))
                                       : std::nullopt;
    } else {
        frames = Digits(rate);
        seconds = 1;
    }
    if (!frames || !seconds || *frames == 0 || *seconds == 0) throw std::invalid_argument(kExpectedRate);
    return FrameOfRate(*frames, *seconds);
}

void OverrideTiming(simhost::Scene& scene, const TimingOverrides& overrides) {
    if (overrides.frame_duration) scene.frame_duration = *overrides.frame_duration;
    if (overrides.frames) {
        if (*overrides.frames < 0) throw std::invalid_argument("a layer of a negative number of frames");
        scene.duration = Frames(*overrides.frames, scene.frame_duration, "a layer");
    }
    if (overrides.in_point) scene.in_point = Frames(*overrides.in_point, scene.frame_duration, "an in-point");
}

}  // namespace dorvane_host
