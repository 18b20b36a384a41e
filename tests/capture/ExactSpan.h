// The sample times of a span worked out the plain way, as a reference for the
// effect's walk: every time is put over the one denominator
// in_scale * duration_scale * frame_scale and computed from k in 128-bit
// integers, which the test compilers offer and the effect may not use.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "AE_GeneralPlug.h"

__extension__ typedef __int128 ExactInt;
__extension__ typedef unsigned __int128 ExactUnsigned;

class ExactSpan {
public:
    // Scales must not be 0 and the frame duration must be above 0.
    ExactSpan(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration)
        : scale_(std::max({in_point.scale, duration.scale, frame_duration.scale})),
          denominator_(ExactInt{in_point.scale} * duration.scale * frame_duration.scale),
          // in + min(duration, 0) and in + max(duration, 0), over the denominator.
          lo_(ExactInt{in_point.value} * duration.scale * frame_duration.scale +
              ExactInt{std::min<A_long>(duration.value, 0)} * in_point.scale * frame_duration.scale),
          hi_(ExactInt{in_point.value} * duration.scale * frame_duration.scale +
              ExactInt{std::max<A_long>(duration.value, 0)} * in_point.scale * frame_duration.scale),
          step_(ExactInt{frame_duration.value} * in_point.scale * duration.scale) {}

    A_u_long Scale() const { return scale_; }

    // The number of samples (every k with lo + k frames < hi), or limit + 1
    // when there are more than `limit`; found by bisection.
    std::uint64_t CountUpTo(std::uint64_t limit) const {
        std::uint64_t below = 0;       // lo + below frames might still be < hi
        std::uint64_t at = limit + 1;  // the answer is at most this
        while (below < at) {
            const std::uint64_t middle = below + (at - below) / 2;
            if (Numerator(middle) < hi_) {
                below = middle + 1;
            } else {
                at = middle;
            }
        }
        return at;
    }

    // Sample k in ticks of the common scale, truncated toward zero; nothing
    // when it lies beyond 2^40 ticks, far outside 32 bits.
    std::optional<std::int64_t> Ticks(std::uint64_t k) const {
        const ExactInt numerator = Numerator(k);
        // C++ division truncates, so quotient and remainder share a sign and
        // scale * numerator / denominator truncates to the sum of the
        // quotient's ticks and the remainder's truncated ticks.
        const ExactInt quotient = numerator / denominator_;
        const ExactInt remainder = numerator % denominator_;
        const ExactInt far = ExactInt{1} << 40;
        if (quotient > far || quotient < -far) return std::nullopt;
        const ExactUnsigned magnitude = static_cast<ExactUnsigned>(remainder < 0 ? -remainder : remainder);
        const ExactInt fraction_ticks =
            static_cast<ExactInt>(magnitude * scale_ / static_cast<ExactUnsigned>(denominator_));
        const ExactInt ticks = quotient * scale_ + (remainder < 0 ? -fraction_ticks : fraction_ticks);
        if (ticks > far || ticks < -far) return std::nullopt;
        return static_cast<std::int64_t>(ticks);
    }

private:
    ExactInt Numerator(std::uint64_t k) const { return lo_ + static_cast<ExactInt>(k) * step_; }

    A_u_long scale_;
    ExactInt denominator_;
    ExactInt lo_;
    ExactInt hi_;
    ExactInt step_;
};
