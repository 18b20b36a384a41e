// Level 5: the layer's span, the one input a press walks: spans drawn at
// random against the exact reference, a span far too long, the longest
// accepted, and three hours at 999 fps.
#include <chrono>
#include <optional>
#include <random>
#include <string>

#include "Checks.h"
#include "DrawnSpan.h"
#include "ExactSpan.h"
#include "WhatIsHeld.h"
#include "PressBench.h"

namespace validator {

namespace {

// The effect's limit on samples per press, and its refusals.
constexpr std::uint64_t kMaxSamples = 16777216;
constexpr PF_Err kTooManySamples = PF_Err_OUT_OF_MEMORY;
constexpr PF_Err kOutOfRange = PF_Err_INTERNAL_STRUCT_DAMAGED;
// Drawn spans pressed per run, and the most frames one may have: longer
// ones that the effect would record are drawn again, to keep a run short.
constexpr int kDrawnSpans = 120;
constexpr std::uint64_t kMostFramesPressed = 400;

std::string DescribeSpan(const DrawnSpan& span) {
    return "in-point " + Describe(span.in_point) + ", duration " + Describe(span.duration) + ", frame " +
           Describe(span.frame_duration);
}

bool FitsTicks(const std::optional<std::int64_t>& ticks) {
    return ticks && *ticks >= -2147483648LL && *ticks <= 2147483647LL;
}

// A press refused before it recorded anything: every batch ended without a
// keyframe, nothing held, one undo step that restores the project.
void RequireRefusedUnrecorded(PressBench& bench, PF_Err expected, const std::string& where) {
    const std::string before = bench.Dump();
    const std::size_t steps_before = bench.UndoSteps();
    const PF_Err err = bench.host.UserChangedParam(1);
    RequireEqual(err, expected, where + ": the press refused with error");
    RequireEqual(bench.host.state().trace().Count("AEGP_AddKeyframes"), 0u, where + ": keys added");
    RequireEqual(bench.host.state().trace().Count("AEGP_EndAddKeyframes"), 5u, where + ": batches ended");
    // The aspect's query only: the recording made none.
    RequireEqual(bench.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 1u, where + ": camera queries");
    RequireNothingHeld(bench.host, "after " + where);
    RequireUndoRestores(bench, before, steps_before);
}

void DrawnSpansAgreeWithTheReference(const CheckContext& context) {
    for (int i = 0; i < kDrawnSpans; ++i) {
        const std::uint64_t seed = context.seed + static_cast<std::uint64_t>(i);
        std::mt19937_64 random(seed);
        DrawnSpan span = DrawSpan(random);
        std::uint64_t count = ExactSpan(span.in_point, span.duration, span.frame_duration).CountUpTo(kMaxSamples);
        while (count > kMostFramesPressed && count <= kMaxSamples) {
            span = DrawSpan(random);
            count = ExactSpan(span.in_point, span.duration, span.frame_duration).CountUpTo(kMaxSamples);
        }
        const ExactSpan exact(span.in_point, span.duration, span.frame_duration);
        const std::string where = "span of seed " + std::to_string(seed) + " (" + DescribeSpan(span) + ")";
        PressBench bench(context.plugin_path);
        bench.SetSpan(span.in_point, span.duration, span.frame_duration);
        if (count > kMaxSamples) {
            RequireRefusedUnrecorded(bench, kTooManySamples, where);
        } else if (count > 0 && (!FitsTicks(exact.Ticks(0)) || !FitsTicks(exact.Ticks(count - 1)))) {
            RequireRefusedUnrecorded(bench, kOutOfRange, where);
        } else {
            const std::string before = bench.Dump();
            const std::size_t steps_before = bench.UndoSteps();
            const PF_Err err = bench.host.UserChangedParam(1);
            RequireEqual(err, PF_Err_NONE, where + ": the press returning");
            try {
                RequirePressRecorded(bench);
            } catch (const CheckFailure& failure) {
                throw CheckFailure(where + ": " + failure.Expected(), failure.Found());
            }
            RequireUndoRestores(bench, before, steps_before);
        }
    }
}

void AbsurdSpanRefusedQuickly(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    // 68 years at 1000 fps: too many samples, and out of 32 bits as well.
    bench.SetSpan({0, 1}, {2147483647, 1}, {1, 1000});
    const auto started = std::chrono::steady_clock::now();
    RequireRefusedUnrecorded(bench, kTooManySamples, "a span of 68 years at 1000 fps");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    Require(seconds < 1.0, "the refusal within a second", std::to_string(seconds) + " s");
}

void LimitRecordedOneMoreRefused(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    // Exactly the limit, in milliseconds: the recording starts. Its first
    // camera query is made to fail, which ends the press before it makes
    // the 84 million keyframes of a full recording.
    bench.SetSpan({0, 1000}, {static_cast<A_long>(kMaxSamples), 1000}, {1, 1000});
    bench.host.state().faults().FailOperation("AEGP_GetEffectCameraMatrix", 2, kInjected);
    const std::string before = bench.Dump();
    const std::size_t steps_before = bench.UndoSteps();
    RequireEqual(bench.host.UserChangedParam(1), kInjected, "the failed query's error from the press:");
    RequireEqual(bench.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 2u, "camera queries:");
    RequireNothingHeld(bench.host, "after the failed press");
    RequireUndoRestores(bench, before, steps_before);

    bench.host.state().faults().Clear();
    bench.SetSpan({0, 1000}, {static_cast<A_long>(kMaxSamples + 1), 1000}, {1, 1000});
    RequireRefusedUnrecorded(bench, kTooManySamples, "a span one sample over the limit");
}

void ThreeHoursAt999FpsWalked(const CheckContext& context) {
    PressBench bench(context.plugin_path);
    const A_Time in_point{0, 999}, duration{10789200, 999}, frame{1, 999};
    bench.SetSpan(in_point, duration, frame);
    const ExactSpan exact(in_point, duration, frame);
    RequireEqual(exact.CountUpTo(kMaxSamples), 10789200u, "samples in the reference:");
    // Recording all 54 million keys would take minutes and gigabytes; the
    // first ten seconds are walked and checked, then a failed camera query
    // ends the press the way any failure does.
    constexpr int kWalked = 9990;
    bench.host.state().faults().FailOperation("AEGP_GetEffectCameraMatrix", kWalked + 2, kInjected);
    const std::string before = bench.Dump();
    const std::size_t steps_before = bench.UndoSteps();
    RequireEqual(bench.host.UserChangedParam(1), kInjected, "the failed query's error from the press:");
    const std::vector<simhost::HostCall> queries = bench.host.state().trace().CallsOf("AEGP_GetEffectCameraMatrix");
    RequireEqual(queries.size(), static_cast<std::size_t>(kWalked + 2), "camera queries:");
    for (int k = 0; k <= kWalked; ++k) {
        const A_Time time = queries[static_cast<std::size_t>(k) + 1].args.at(1).AsTime();
        const A_Time expected{static_cast<A_long>(exact.Ticks(static_cast<std::uint64_t>(k)).value_or(0)),
                              exact.Scale()};
        Require(time.value == expected.value && time.scale == expected.scale,
                "frame " + std::to_string(k) + " queried at " + Describe(expected), Describe(time));
    }
    RequireEqual(bench.host.state().trace().Count("AEGP_AddKeyframes"), static_cast<std::size_t>(5 * kWalked),
                 "keys added before the failure:");
    RequireNothingHeld(bench.host, "after the walk");
    RequireUndoRestores(bench, before, steps_before);
}

}  // namespace

std::vector<Check> SpanChecks() {
    return {
        {"spans.drawn-at-random", 5,
         "Spans drawn from the seed are keyed at the exact reference's times, or refused as too long or out of "
         "32 bits, holding nothing.",
         DrawnSpansAgreeWithTheReference},
        {"spans.absurd-refused", 5,
         "A span of 68 years at 1000 fps is refused within a second, before any key, holding nothing.",
         AbsurdSpanRefusedQuickly},
        {"spans.limit", 5,
         "A span of exactly 2^24 frames is recorded and one frame more is refused.", LimitRecordedOneMoreRefused},
        {"spans.three-hours-at-999fps", 5,
         "A three-hour layer at 999 fps is accepted and walked at the exact frame times for its first ten "
         "seconds, then a failed query ends it holding nothing.",
         ThreeHoursAt999FpsWalked},
    };
}

}  // namespace validator
