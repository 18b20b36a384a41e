#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

#include "SampleTimes.h"
#include "capture/ExactSpan.h"

namespace {

std::string Describe(const A_Time& time) {
    return "{" + std::to_string(time.value) + ", " + std::to_string(time.scale) + "}";
}

TEST(SampleWalk, LimitTakesTheLongestCompositionAndRefusesOneSampleMore) {
    const struct {
        const char* what;
        A_Time in_point, duration, frame_duration;
        A_Err err;
        std::uint32_t count;
        A_long last;
    } cases[] = {
        {"three hours at 999 fps", {0, 999}, {10789200, 999}, {1, 999}, A_Err_NONE, 10789200, 10789199},
        {"three hours at 29.97 fps", {0, 30000}, {324000000, 30000}, {1001, 30000}, A_Err_NONE, 323677,
         323676 * 1001},
        {"exactly the limit", {0, 1000}, {16777216, 1000}, {1, 1000}, A_Err_NONE, kMaxSampleCount, 16777215},
        {"exactly the limit, backwards, mixed scales", {16777216, 1000}, {-8388608, 500}, {1, 1000},
         A_Err_NONE, kMaxSampleCount, 16777215},
        {"one sample over", {0, 1000}, {16777217, 1000}, {1, 1000}, kTooManySamplesErr, 0, 0},
        {"half a frame over", {0, 2000}, {33554433, 2000}, {1, 1000}, kTooManySamplesErr, 0, 0},
        // Too long comes before out of 32 bits: 68 years in milliseconds
        // are both.
        {"68 years at 1000 fps", {0, 1}, {2147483647, 1}, {1, 1000}, kTooManySamplesErr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SampleWalk walk;
        EXPECT_EQ(walk.Start(c.in_point, c.duration, c.frame_duration), c.err);
        ASSERT_EQ(walk.Count(), c.count);
        if (c.count > 0) {
            EXPECT_EQ(walk.At(0).value, 0);  // every span above starts at 0
            EXPECT_EQ(walk.At(c.count - 1).value, c.last);
        }
    }
    std::vector<A_Time> times = {{1, 1}};
    EXPECT_EQ(GetSampleTimes({0, 1}, {2147483647, 1}, {1, 1000}, times), kTooManySamplesErr);
    EXPECT_TRUE(times.empty());
}

// A scale a host uses for frames and layers.
A_u_long DrawUsualScale(std::mt19937_64& random) {
    static constexpr A_u_long kUsual[] = {1, 24, 25, 30, 60, 600, 1000, 2997, 24000, 30000, 48000};
    return kUsual[random() % (sizeof kUsual / sizeof kUsual[0])];
}

// Any scale at all, small and large ones often.
A_u_long DrawScale(std::mt19937_64& random) {
    switch (random() % 4) {
        case 0:
            return static_cast<A_u_long>(1 + random() % 100);
        case 1:
            return random() % 2 == 0 ? 2147483648u : 4294967295u;
        case 2:
            return static_cast<A_u_long>(1 + random() % 4294967295u);
        default:
            return DrawUsualScale(random);
    }
}

// Up to `seconds` either way in this scale, within 32 bits.
A_long DrawTicks(std::mt19937_64& random, A_u_long scale, std::int64_t seconds) {
    const std::int64_t reach =
        std::min<std::int64_t>(std::min<std::int64_t>(seconds, 2147483647) * scale, 2147483647);
    const std::uint64_t width = static_cast<std::uint64_t>(2 * reach + 1);
    return static_cast<A_long>(static_cast<std::int64_t>(random() % width) - reach);
}

A_long AnyLong(std::mt19937_64& random) {
    return static_cast<A_long>(static_cast<std::int64_t>(random() % 4294967296u) - 2147483648);
}

struct DrawnSpan {
    A_Time in_point, duration, frame_duration;
};

// Spans of every kind: an hour either way at a frame rate a host uses, a few
// frames anywhere in 32 bits, and anything at all.
DrawnSpan DrawSpan(std::mt19937_64& random) {
    DrawnSpan span{};
    const int kind = static_cast<int>(random() % 3);
    A_u_long (*draw_scale)(std::mt19937_64&) = kind == 0 ? DrawUsualScale : DrawScale;
    span.in_point.scale = draw_scale(random);
    span.duration.scale = draw_scale(random);
    span.frame_duration.scale = draw_scale(random);
    switch (kind) {
        case 0:
            span.frame_duration.value = static_cast<A_long>(random() % 2 == 0 ? 1001 : 1 + random() % 100);
            span.in_point.value = DrawTicks(random, span.in_point.scale, 3600);
            span.duration.value = DrawTicks(random, span.duration.scale, 3600);
            break;
        case 1: {
            span.frame_duration.value = static_cast<A_long>(1 + random() % 2147483647);
            span.in_point.value = DrawTicks(random, span.in_point.scale, 2147483647);
            // Up to 64 frames, in the duration's scale.
            const ExactInt frames = static_cast<ExactInt>(random() % 64) * span.frame_duration.value *
                                    span.duration.scale / span.frame_duration.scale;
            span.duration.value = static_cast<A_long>(std::min<ExactInt>(frames, 2147483647)) *
                                  (random() % 2 == 0 ? 1 : -1);
            break;
        }
        default:
            span.frame_duration.value = static_cast<A_long>(1 + random() % 2147483647);
            span.in_point.value = AnyLong(random);
            span.duration.value = AnyLong(random);
            break;
    }
    return span;
}

bool FitsTicks(const std::optional<std::int64_t>& ticks) {
    return ticks && *ticks >= -2147483648LL && *ticks <= 2147483647LL;
}

TEST(SampleWalk, AgreesWithExactArithmeticOnDrawnSpans) {
    // Each case has a seed of its own, so a failure names one case that can
    // be drawn again alone.
    constexpr std::uint64_t kFirstSeed = 20260601;
    constexpr int kCases = 10000;
    int recorded = 0, too_long = 0, out_of_range = 0;
    for (int i = 0; i < kCases; ++i) {
        std::mt19937_64 random(kFirstSeed + static_cast<std::uint64_t>(i));
        const DrawnSpan span = DrawSpan(random);
        SCOPED_TRACE("case " + std::to_string(i) + " (seed " + std::to_string(kFirstSeed + i) +
                     "): in-point " + Describe(span.in_point) + ", duration " + Describe(span.duration) +
                     ", frame " + Describe(span.frame_duration));
        const ExactSpan exact(span.in_point, span.duration, span.frame_duration);
        const std::uint64_t count = exact.CountUpTo(kMaxSampleCount);

        SampleWalk walk;
        const A_Err err = walk.Start(span.in_point, span.duration, span.frame_duration);
        if (count > kMaxSampleCount) {
            ++too_long;
            ASSERT_EQ(err, kTooManySamplesErr);
            ASSERT_EQ(walk.Count(), 0u);
            continue;
        }
        if (count > 0 && (!FitsTicks(exact.Ticks(0)) || !FitsTicks(exact.Ticks(count - 1)))) {
            ++out_of_range;
            ASSERT_EQ(err, PF_Err_INTERNAL_STRUCT_DAMAGED);
            ASSERT_EQ(walk.Count(), 0u);
            continue;
        }
        ++recorded;
        ASSERT_EQ(err, A_Err_NONE);
        ASSERT_EQ(walk.Count(), count);
        // Every sample of a short span; of a long one, both ends and a draw
        // from the middle.
        std::vector<std::uint64_t> samples;
        for (std::uint64_t k = 0; k < std::min<std::uint64_t>(count, 16); ++k) {
            samples.push_back(k);
            samples.push_back(count - 1 - k);
        }
        for (int n = 0; n < 32 && count > 32; ++n) samples.push_back(random() % count);
        for (const std::uint64_t k : samples) {
            const A_Time time = walk.At(static_cast<std::uint32_t>(k));
            ASSERT_EQ(time.scale, exact.Scale()) << "sample " << k;
            ASSERT_EQ(time.value, exact.Ticks(k).value_or(0)) << "sample " << k;
        }
    }
    // The draw stays meaningful: each outcome is well represented.
    EXPECT_GT(recorded, kCases / 4);
    EXPECT_GT(too_long, kCases / 50);
    EXPECT_GT(out_of_range, kCases / 10);
}

}  // namespace
