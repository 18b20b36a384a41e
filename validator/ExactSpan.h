// The sample times of a span worked out the plain way, as a reference for
// the effect's walk: every time is put over the one denominator
// in_scale * duration_scale * frame_scale and computed from k in 128-bit
// integers, which the effect may not use.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "AE_GeneralPlug.h"
#include "Int128.h"

namespace validator {

class ExactSpan {
public:
    // Scales must not be 0 and the frame duration must be above 0.
    ExactSpan(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration)
        : scale_(std::max({in_point.scale, duration.scale, frame_duration.scale})),
          denominator_(Int128(in_point.scale) * duration.scale * frame_duration.scale),
          // in + min(duration, 0) and in + max(duration, 0), over the denominator.
          lo_(Int128(in_point.value) * duration.scale * frame_duration.scale +
              Int128(std::min<A_long>(duration.value, 0)) * in_point.scale * frame_duration.scale),
          hi_(Int128(in_point.value) * duration.scale * frame_duration.scale +
              Int128(std::max<A_long>(duration.value, 0)) * in_point.scale * frame_duration.scale),
          step_(Int128(frame_duration.value) * in_point.scale * duration.scale) {}

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
        const Int128 numerator = Numerator(k);
        // Division truncates, so quotient and remainder share a sign and
        // scale * numerator / denominator truncates to the sum of the
        // quotient's ticks and the remainder's truncated ticks.
        const Int128 quotient = numerator / denominator_;
        const Int128 remainder = numerator % denominator_;
        const Int128 far = Int128(std::int64_t{1} << 40);
        if (quotient > far || quotient < -far) return std::nullopt;
        const Int128 magnitude = remainder.Negative() ? -remainder : remainder;
        // Below 2^128 but perhaps not 2^127: divided as unsigned.
        const Int128 fraction_ticks = Int128::UnsignedQuotient(magnitude * scale_, denominator_);
        const Int128 ticks = quotient * scale_ + (remainder.Negative() ? -fraction_ticks : fraction_ticks);
        if (ticks > far || ticks < -far) return std::nullopt;
        return ticks.ToInt64();
    }

private:
    Int128 Numerator(std::uint64_t k) const { return lo_ + Int128(static_cast<std::int64_t>(k)) * step_; }

    A_u_long scale_;
    Int128 denominator_;
    Int128 lo_;
    Int128 hi_;
    Int128 step_;
};

}  // namespace validator
