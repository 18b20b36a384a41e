#include <gtest/gtest.h>

#include <cmath>

#include "CameraCapture.h"

namespace {

std::vector<A_long> Values(const std::vector<A_Time>& times) {
    std::vector<A_long> values;
    for (const A_Time& time : times) values.push_back(time.value);
    return values;
}

std::vector<A_long> Range(A_long first, A_long last, A_long step = 1) {
    std::vector<A_long> values;
    for (A_long v = first; v <= last; v += step) values.push_back(v);
    return values;
}

struct SampleCase {
    const char* what;
    A_Time in_point;
    A_Time duration;
    A_Time frame_duration;
    A_u_long scale;
    std::vector<A_long> values;
};

TEST(SampleTimes, FramesOfTheSpan) {
    std::vector<A_long> thousandths;
    for (int k = 0; k < 30; ++k) thousandths.push_back(static_cast<A_long>(k * 1000 / 30));
    const SampleCase cases[] = {
        {"one second at 30 fps", {0, 30}, {30, 30}, {1, 30}, 30, Range(0, 29)},
        {"inner span", {3, 30}, {6, 30}, {1, 30}, 30, Range(3, 8)},
        {"29.97 fps", {0, 2997}, {2997, 2997}, {100, 2997}, 2997, Range(0, 2900, 100)},
        {"truncated, not rounded", {0, 1000}, {1000, 1000}, {1, 30}, 1000, thousandths},
        {"mixed scales", {0, 1}, {1, 1}, {1, 30}, 30, Range(0, 29)},
        {"negative duration", {10, 30}, {-30, 30}, {1, 30}, 30, Range(-20, 9)},
        {"zero duration", {5, 30}, {0, 30}, {1, 30}, 30, {}},
        {"negative in-point", {-60, 30}, {3, 30}, {1, 30}, 30, Range(-60, -58)},
        {"step larger than span", {0, 30}, {1, 30}, {2, 30}, 30, {0}},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<A_Time> times;
        ASSERT_EQ(GetSampleTimes(c.in_point, c.duration, c.frame_duration, times), A_Err_NONE);
        EXPECT_EQ(Values(times), c.values);
        for (const A_Time& time : times) EXPECT_EQ(time.scale, c.scale);
    }
    EXPECT_EQ(thousandths[1], 33);
    EXPECT_EQ(thousandths[29], 966);
}

TEST(SampleTimes, LongSpanStaysExact) {
    // An hour at 29.97 fps: accumulated floating-point steps would drift.
    std::vector<A_Time> times;
    ASSERT_EQ(GetSampleTimes({0, 30000}, {108000000, 30000}, {1001, 30000}, times), A_Err_NONE);
    ASSERT_EQ(times.size(), 107893u);
    for (size_t k = 0; k < times.size(); ++k) {
        ASSERT_EQ(times[k].value, static_cast<A_long>(k * 1001)) << k;
    }
}

TEST(SampleTimes, AbsurdTimesAreRefused) {
    const struct {
        const char* what;
        A_Time in_point, duration, frame_duration;
    } cases[] = {
        {"zero frame duration", {0, 30}, {30, 30}, {0, 30}},
        {"negative frame duration", {0, 30}, {30, 30}, {-1, 30}},
        {"zero scale", {0, 0}, {30, 30}, {1, 30}},
        {"zero frame scale", {0, 30}, {30, 30}, {1, 0}},
        {"ticks beyond 32 bits", {2100000000, 1}, {100000000, 1}, {50000000, 1}},
        {"in-point beyond 32 bits in the common scale", {2000000000, 1}, {1, 30}, {1, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<A_Time> times = {{1, 1}};
        EXPECT_EQ(GetSampleTimes(c.in_point, c.duration, c.frame_duration, times),
                  PF_Err_INTERNAL_STRUCT_DAMAGED);
        EXPECT_TRUE(times.empty());
    }
}

A_FpLong Atan(A_FpLong x) { return std::atan(x); }

// The correctly rounded arc tangents of the two arguments below, so that the
// check does not depend on how exact a platform's own library is; any other
// argument yields NaN and fails the comparison.
A_FpLong ExactAtan(A_FpLong x) {
    if (x == 0.5) return 0.4636476090008061;
    if (x == 1080.0 / 3000.0) return 0.34555558058171215;
    return std::nan("");
}

TEST(CameraValues, FieldOfViewAndAspectToTheLastBit) {
    A_Matrix4 identity{};
    EXPECT_EQ(GetCameraValues(1000, 1000, 1000.0, identity, ExactAtan).fov, 0.9272952180016122);
    EXPECT_EQ(GetCameraValues(1920, 1080, 1500.0, identity, ExactAtan).fov, 0.6911111611634243);
    EXPECT_EQ(GetCameraValues(1920, 1080, 1500.0, identity, ExactAtan).aspect, 1.7777777777777777);
    // With the ordinary arc tangent the values agree to within rounding.
    EXPECT_DOUBLE_EQ(GetCameraValues(1000, 1000, 1000.0, identity, Atan).fov, 0.9272952180016122);
}

TEST(CameraValues, RowsAreTheMatrixWithoutItsLastColumn) {
    A_Matrix4 m{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) m.mat[r][c] = (r * 4 + c) * (c % 2 == 0 ? -1.5 : 1.0);
    }
    const CameraValues values = GetCameraValues(100, 50, 10.0, m, Atan);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(values.rows[r].x, m.mat[r][0]);
        EXPECT_EQ(values.rows[r].y, m.mat[r][1]);
        EXPECT_EQ(values.rows[r].z, m.mat[r][2]);
    }
    EXPECT_EQ(values.rows[0].x, -0.0);
}

TEST(CameraValues, UsesTheGivenArcTangent) {
    A_Matrix4 m{};
    const CameraValues values = GetCameraValues(10, 10, 10.0, m, [](A_FpLong) -> A_FpLong { return 0.25; });
    EXPECT_EQ(values.fov, 0.5);
}

}  // namespace
