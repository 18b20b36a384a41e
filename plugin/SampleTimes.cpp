#include "SampleTimes.h"

#include <algorithm>
#include <limits>

#include "WideUnsigned.h"

// Host times are 32-bit values over 32-bit scales. In ticks of the common
// scale S, sample k lies at
//     S * lo + k * S * frame_duration,
// both terms held as a whole number and a fraction. Everything that needs
// more than 64 bits is worked out once in Start; a sample costs a few 64-bit
// operations on k.

namespace {

constexpr A_Err kSenselessSpanErr = PF_Err_INTERNAL_STRUCT_DAMAGED;

// Far outside 32-bit ticks yet far inside 64 bits: a whole part beyond it is
// refused before any sum could overflow.
constexpr std::int64_t kFarOutOfRange = std::int64_t{1} << 40;

// numerator / divisor as whole + part / divisor, rounded down (0 <= part <
// divisor); the divisor is a host scale, so 0 < divisor < 2^32.
struct DownQuotient {
    std::int64_t whole;
    std::uint64_t part;
};

DownQuotient DivideDown(std::int64_t numerator, A_u_long divisor) {
    const std::int64_t d = divisor;
    std::int64_t whole = numerator / d;
    std::int64_t part = numerator % d;
    if (part < 0) {
        part += d;
        --whole;
    }
    return {whole, static_cast<std::uint64_t>(part)};
}

bool FitsTicks(std::int64_t ticks) {
    return ticks >= std::numeric_limits<A_long>::min() && ticks <= std::numeric_limits<A_long>::max();
}

bool FarOutOfRange(std::int64_t whole) { return whole > kFarOutOfRange || whole < -kFarOutOfRange; }

}  // namespace

A_Err SampleWalk::Start(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration) {
    *this = SampleWalk();
    // A zero scale is no time at all, and a step that does not advance
    // would sample for ever.
    if (in_point.scale == 0 || duration.scale == 0 || frame_duration.scale == 0 ||
        frame_duration.value <= 0) {
        return kSenselessSpanErr;
    }

    const std::uint64_t count = SpanFrameCount(duration, frame_duration);
    if (count > kMaxSampleCount) return kTooManySamplesErr;
    if (count == 0) return A_Err_NONE;

    SampleWalk walk;
    walk.count_ = static_cast<std::uint32_t>(count);
    walk.scale_ = std::max({in_point.scale, duration.scale, frame_duration.scale});
    const std::int64_t scale = walk.scale_;

    // One frame in ticks.
    const std::uint64_t step = static_cast<std::uint64_t>(scale * frame_duration.value);
    walk.frame_scale_ = frame_duration.scale;
    walk.step_whole_ = step / walk.frame_scale_;
    walk.step_part_ = step % walk.frame_scale_;

    // The first sample, lo = in-point + min(duration, 0), in ticks: the
    // quotients of the two terms, whose fractions join over the product of
    // their scales (below 2^64).
    const DownQuotient in_ticks = DivideDown(scale * in_point.value, in_point.scale);
    const DownQuotient back_ticks = DivideDown(scale * std::min<A_long>(duration.value, 0), duration.scale);
    const std::uint64_t denominator = std::uint64_t{in_point.scale} * duration.scale;
    WideUnsigned fraction = AddWide(MultiplyWide(in_ticks.part, duration.scale),
                                    MultiplyWide(back_ticks.part, in_point.scale));
    std::int64_t carried = 0;
    if (!(fraction < WideUnsigned{0, denominator})) {
        fraction = SubtractWide(fraction, WideUnsigned{0, denominator});
        carried = 1;
    }
    // Each whole part is below 2^63 in size: of opposite signs they cannot
    // overflow; of one sign, either beyond the far range puts the first
    // sample outside 32 bits.
    const bool one_sign = (in_ticks.whole < 0) == (back_ticks.whole < 0);
    if (one_sign && (FarOutOfRange(in_ticks.whole) || FarOutOfRange(back_ticks.whole))) {
        return kSenselessSpanErr;
    }
    const std::int64_t first_whole = in_ticks.whole + back_ticks.whole;
    if (FarOutOfRange(first_whole)) return kSenselessSpanErr;
    walk.first_whole_ = first_whole + carried;
    walk.first_part_ = fraction.low;

    // k frames leave part / frame_scale_ of a tick; with the first sample's
    // fraction f = first_part_ / denominator, the two make a whole tick when
    // part >= (1 - f) * frame_scale_.
    const WideQuotient carry =
        DivideWide(MultiplyWide(denominator - walk.first_part_, walk.frame_scale_), denominator);
    walk.carry_from_ = carry.quotient.low + (carry.remainder != 0 ? 1 : 0);
    walk.carry_exact_ = carry.remainder == 0;

    // The times ascend, so the first and the last sample bound them all.
    std::uint64_t part = 0;
    const std::uint32_t last = walk.count_ - 1;
    if (!FitsTicks(walk.Ticks(0)) || FarOutOfRange(static_cast<std::int64_t>(walk.WholeSteps(last, part))) ||
        !FitsTicks(walk.Ticks(last))) {
        return kSenselessSpanErr;
    }
    *this = walk;
    return A_Err_NONE;
}

std::uint64_t SampleWalk::WholeSteps(std::uint32_t k, std::uint64_t& part) const {
    // Below 2^64: k < 2^32 and step_part_ < frame_scale_ < 2^32. The whole
    // steps of any sample of the span stay below 2^63, its length in ticks.
    const std::uint64_t parts = k * step_part_;
    part = parts % frame_scale_;
    return k * step_whole_ + parts / frame_scale_;
}

std::int64_t SampleWalk::Ticks(std::uint32_t k) const {
    std::uint64_t part = 0;
    const std::int64_t steps = static_cast<std::int64_t>(WholeSteps(k, part));
    const bool carries = part >= carry_from_;
    const std::int64_t floor = first_whole_ + steps + (carries ? 1 : 0);
    const bool whole = carries ? part == carry_from_ && carry_exact_ : part == 0 && first_part_ == 0;
    return floor < 0 && !whole ? floor + 1 : floor;
}

A_Time SampleWalk::At(std::uint32_t k) const { return {static_cast<A_long>(Ticks(k)), scale_}; }

A_Err GetSampleTimes(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration,
                     std::vector<A_Time>& times) {
    times.clear();
    SampleWalk walk;
    const A_Err err = walk.Start(in_point, duration, frame_duration);
    if (err != A_Err_NONE) return err;
    times.reserve(walk.Count());
    for (std::uint32_t k = 0; k < walk.Count(); ++k) times.push_back(walk.At(k));
    return A_Err_NONE;
}
