// The composition times at which the camera is sampled: every frame of a
// layer's span, produced one at a time so that a press holds nothing that
// grows with the layer.
#pragma once

#include <cstdint>
#include <vector>

#include "AE_EffectTypes.h"
#include "AE_GeneralPlug.h"

// The most samples one press records. The host's longest composition, three
// hours, at its highest frame rate, 999 frames per second, has 10,789,200
// frames; the limit, 2^24 = 16,777,216, takes every one of them with room to
// spare for a layer that overhangs its composition, and bounds a press at
// under 84 million keyframes (five a sample). A longer span comes only from
// a host reporting nonsense, say a layer of 68 years at 1000 frames per
// second: it is refused before anything is recorded rather than left to run
// for hours and take the host's memory with it.
constexpr std::uint32_t kMaxSampleCount = 16777216;

// The refusal of a span with more samples than kMaxSampleCount: recording it
// would ask the host to keep more keyframes than memory allows, which is
// what the host's out-of-memory code tells the user. It differs from the
// code of a span that makes no sense at all, so the two can be told apart.
constexpr A_Err kTooManySamplesErr = PF_Err_OUT_OF_MEMORY;

// How many frames a span of |duration| holds, ceil(|duration| /
// frame_duration), whichever way it runs. Both scales are positive and the
// frame duration is; both products stay below 2^63, a 31-bit magnitude times
// a 32-bit scale, so the count is exact. Inline, so that the demo reports
// the very count the walk takes without linking the effect.
inline std::uint64_t SpanFrameCount(const A_Time& duration, const A_Time& frame_duration) {
    const std::int64_t value = duration.value;
    const std::uint64_t span = static_cast<std::uint64_t>(value < 0 ? -value : value) * frame_duration.scale;
    const std::uint64_t frame =
        std::uint64_t{duration.scale} * static_cast<std::uint64_t>(frame_duration.value);
    return span / frame + (span % frame != 0 ? 1 : 0);
}

// The frames of the span [in_point, in_point + duration) (from in_point +
// duration up to in_point when the duration is negative), ascending, each
// lo + k frames truncated toward zero in the largest of the three scales.
// Every time is formed from k directly, in integers, so nothing accumulates
// along the span, and each costs the same however far along it lies.
class SampleWalk {
public:
    // A walk over no samples, until Start succeeds.
    SampleWalk() = default;

    // Sets the walk over the span. Refuses, leaving no samples:
    // - with PF_Err_INTERNAL_STRUCT_DAMAGED a span that makes no sense: a
    //   zero scale, a frame duration of 0 or less (sampling without end), or
    //   a sample whose ticks do not fit in 32 bits;
    // - with kTooManySamplesErr a span of more than kMaxSampleCount samples.
    A_Err Start(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration);

    std::uint32_t Count() const { return count_; }

    // Sample k, for k < Count().
    A_Time At(std::uint32_t k) const;

private:
    // Sample k in ticks, exactly: floor, then toward zero.
    std::int64_t Ticks(std::uint32_t k) const;
    // The whole ticks of k frames, and the ticks' fraction left over, in
    // units of 1 / frame_scale_.
    std::uint64_t WholeSteps(std::uint32_t k, std::uint64_t& part) const;

    std::uint32_t count_ = 0;
    A_u_long scale_ = 1;
    // The first sample in ticks: first_whole_ plus a fraction in [0, 1) that
    // is 0 exactly when first_part_ is.
    std::int64_t first_whole_ = 0;
    std::uint64_t first_part_ = 0;
    // One frame in ticks: step_whole_ + step_part_ / frame_scale_.
    std::uint64_t step_whole_ = 0;
    std::uint64_t step_part_ = 0;
    std::uint64_t frame_scale_ = 1;
    // k frames' leftover fraction `part` carries one tick into the first
    // sample's fraction exactly when part >= carry_from_; the sum is then a
    // whole number exactly when part == carry_from_ and carry_exact_.
    std::uint64_t carry_from_ = 1;
    bool carry_exact_ = true;
};

// Every sample of the walk as a list, for callers that want them all at once.
// Refuses as SampleWalk::Start does, leaving `times` empty.
A_Err GetSampleTimes(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration,
                     std::vector<A_Time>& times);
