#include <gtest/gtest.h>

#include <optional>

#include "project/LayerTime.h"

namespace {

using simhost::ConvertTime;
using simhost::Layer;

constexpr AEGP_LTimeMode kLayer = AEGP_LTimeMode_LayerTime;
constexpr AEGP_LTimeMode kComp = AEGP_LTimeMode_CompTime;

Layer OffsetBy(A_Time offset) {
    Layer layer;
    layer.id = 1;
    layer.offset = offset;
    return layer;
}

TEST(LayerTime, ConvertsBothWaysInTheCallersScaleAndRefusesWhatItCannotHold) {
    struct Case {
        const char* what;
        A_Time offset;
        A_Time time;
        AEGP_LTimeMode from;
        AEGP_LTimeMode to;
        std::optional<A_Time> expected;
    };
    const Case cases[] = {
        {"same clock", {30, 30}, {7, 24}, kComp, kComp, A_Time{7, 24}},
        {"layer to comp", {30, 30}, {15, 30}, kLayer, kComp, A_Time{45, 30}},
        {"comp to layer", {30, 30}, {15, 30}, kComp, kLayer, A_Time{-15, 30}},
        {"offset carried into the caller's scale", {1, 2}, {1001, 30000}, kLayer, kComp, A_Time{16001, 30000}},
        {"offset truncated where the scale cannot hold it", {1, 30}, {0, 1000}, kLayer, kComp, A_Time{33, 1000}},
        {"negative offset", {-60, 30}, {0, 30}, kLayer, kComp, A_Time{-60, 30}},
        {"beyond 32 bits", {2000000000, 1}, {2000000000, 1}, kLayer, kComp, std::nullopt},
        {"below 32 bits", {2000000000, 1}, {-2000000000, 1}, kComp, kLayer, std::nullopt},
        {"zero scale", {0, 30}, {1, 0}, kLayer, kComp, std::nullopt},
        {"layer without a clock", {0, 0}, {1, 30}, kLayer, kComp, std::nullopt},
        {"unknown mode", {0, 30}, {1, 30}, 7, kComp, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<A_Time> converted = ConvertTime(OffsetBy(c.offset), c.time, c.from, c.to);
        ASSERT_EQ(converted.has_value(), c.expected.has_value());
        if (!converted) continue;
        EXPECT_EQ(converted->value, c.expected->value);
        EXPECT_EQ(converted->scale, c.expected->scale);
    }
}

TEST(LayerTime, SecondsOnTheLayersClock) {
    const Layer layer = OffsetBy({30000, 30000});
    EXPECT_EQ(simhost::LayerSeconds(layer, {31001, 30000}, kComp), std::optional<double>(1001.0 / 30000.0));
    EXPECT_EQ(simhost::LayerSeconds(layer, {1001, 30000}, kLayer), std::optional<double>(1001.0 / 30000.0));
    EXPECT_FALSE(simhost::LayerSeconds(layer, {1, 0}, kComp).has_value());
}

}  // namespace
