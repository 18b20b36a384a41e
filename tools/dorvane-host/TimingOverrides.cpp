#include "TimingOverrides.h"

#include <cctype>
#include <algorithm>
#include <cstdint>
#include <numeric>

namespace dorvane_host {

namespace {

const char* const kAccepted = "rates above 0 and up to 1000 frames per second are accepted";

[[noreturn]] void Refuse(const std::string& reason) { throw std::invalid_argument(reason); }

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// A whole number of at most 18 digits (leading zeros aside), so that
// products of two stay inside 64 bits once one of them is at most 1000.
long long Whole(const std::string& digits, const std::string& what) {
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    if (digits.size() - first > 18) Refuse(what + " has more digits than a frame duration of the host can hold");
    return first == digits.size() ? 0 : std::stoll(digits.substr(first));
}

// The rate frames/seconds as one frame's duration, in lowest terms, or why
// the host's time (32-bit ticks over a 32-bit scale) cannot hold it.
A_Time FrameOfRate(long long frames, long long seconds, const std::string& rate) {
    if (seconds == 0) Refuse("a fraction with 0 below the line is no rate");
    if (frames == 0) Refuse("0 frames per second is no rate; " + std::string(kAccepted));
    if (frames / 1000 > seconds || (frames / 1000 == seconds && frames % 1000 != 0)) Refuse(rate + " is above 1000; " + kAccepted);
    const long long common = std::gcd(frames, seconds);
    frames /= common;
    seconds /= common;
    if (frames > UINT32_MAX || seconds > INT32_MAX) {
        Refuse("a frame of " + std::to_string(seconds) + "/" + std::to_string(frames) +
               " s is finer than the host's time holds (at most 2^31 ticks over a scale below 2^32)");
    }
    return {static_cast<A_long>(seconds), static_cast<A_u_long>(frames)};
}

// "12.5", "0.0001", "2.5e1", "1e-2": digits, an optional point and digits,
// an optional exponent; the exact value as frames/seconds.
A_Time DecimalRate(const std::string& rate) {
    const std::size_t e = rate.find_first_of("eE");
    const std::string mantissa = rate.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::string power = rate.substr(e + 1);
        const bool negative = !power.empty() && power[0] == '-';
        if (!power.empty() && (power[0] == '-' || power[0] == '+')) power.erase(0, 1);
        if (!AllDigits(power) || power.size() > 4) Refuse("the exponent is not a whole number of up to 4 digits");
        exponent = negative ? -std::stoll(power) : std::stoll(power);
    }
    const std::size_t point = mantissa.find('.');
    std::string digits = mantissa.substr(0, point);
    if (point != std::string::npos) {
        const std::string fraction = mantissa.substr(point + 1);
        digits += fraction;
        exponent -= static_cast<long long>(fraction.size());
    }
    // Trailing zeros go into the exponent, and a value beyond the range is
    // refused before its powers of ten are formed.
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    const std::size_t significant = digits.size() - std::min(digits.find_first_not_of('0'), digits.size());
    if (significant == 0) return FrameOfRate(0, 1, rate);
    if (static_cast<long long>(significant) + exponent > 4) Refuse(rate + " is above 1000; " + std::string(kAccepted));
    long long frames = Whole(digits, rate);
    long long seconds = 1;
    for (; exponent > 0; --exponent) frames *= 10;
    for (; exponent < 0; ++exponent) {
        if (seconds > INT64_MAX / 10 / 1000) Refuse(rate + " has more digits than a frame duration of the host can hold");
        seconds *= 10;
    }
    return FrameOfRate(frames, seconds, rate);
}

A_Time Frames(long long count, const A_Time& frame_duration, const char* what) {
    const bool fits = count >= INT32_MIN && count <= INT32_MAX;
    const long long ticks = fits ? count * frame_duration.value : 0;
    if (!fits || ticks < INT32_MIN || ticks > INT32_MAX) {
        throw std::invalid_argument(std::string(what) + " of " + std::to_string(count) + " frames of " +
                                    std::to_string(frame_duration.value) + "/" + std::to_string(frame_duration.scale) +
                                    " s is beyond the host's 32-bit time (at most " +
                                    std::to_string(INT32_MAX / frame_duration.value) + " frames at this rate)");
    }
    return {static_cast<A_long>(ticks), frame_duration.scale};
}

}  // namespace

A_Time FrameDurationOf(const std::string& rate) {
    for (const char* ntsc : {"23.976", "29.97", "47.952", "59.94", "119.88"}) {
        if (rate == ntsc) return FrameOfRate((std::stoll(rate) + 1) * 1000, 1001, rate);
    }
    if (!rate.empty() && rate[0] == '-') Refuse("a rate below 0 is no rate; " + std::string(kAccepted));
    const std::size_t slash = rate.find('/');
    if (slash != std::string::npos) {
        const std::string frames = rate.substr(0, slash), seconds = rate.substr(slash + 1);
        if (AllDigits(frames) && AllDigits(seconds)) {
            return FrameOfRate(Whole(frames, rate), Whole(seconds, rate), rate);
        }
    } else {
        const std::size_t e = rate.find_first_of("eE");
        std::string mantissa = rate.substr(0, e);
        const std::size_t point = mantissa.find('.');
        if (point != std::string::npos) mantissa.erase(point, 1);
        if (AllDigits(mantissa) && mantissa.find('.') == std::string::npos) return DecimalRate(rate);
    }
    Refuse("expected frames per second as a number (24, 12.5, 2.5e1) or a fraction (30000/1001)");
}

void OverrideTiming(simhost::Scene& scene, const TimingOverrides& overrides) {
    if (overrides.frame_duration) scene.frame_duration = *overrides.frame_duration;
    if (overrides.frames) {
        if (*overrides.frames < 0) throw std::invalid_argument("a layer cannot last a negative number of frames");
        scene.duration = Frames(*overrides.frames, scene.frame_duration, "a layer");
    }
    if (overrides.in_point) scene.in_point = Frames(*overrides.in_point, scene.frame_duration, "an in-point");
}

}  // namespace dorvane_host
