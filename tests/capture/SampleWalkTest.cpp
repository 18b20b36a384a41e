#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

#include "SampleTimes.h"
#include "DrawnSpan.h"
#include "ExactSpan.h"

namespace {

using validator::DrawnSpan;
using validator::DrawSpan;
using validator::ExactSpan;

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
