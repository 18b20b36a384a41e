#include "DrawnSpan.h"

#include <algorithm>
#include <cstdint>

#include "Int128.h"

namespace validator {

namespace {

// A scale a host uses for frames and layers.
A_u_long DrawUsualScale(std::mt19937_64& random) {
    constexpr A_u_long kUsual[] = {1, 24, 25, 30, 60, 600, 1000, 2997, 24000, 30000, 48000};
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

}  // namespace

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
            const Int128 frames = Int128(static_cast<std::int64_t>(random() % 64)) * span.frame_duration.value *
                                  span.duration.scale / span.frame_duration.scale;
            const std::int64_t ticks = frames > Int128(2147483647) ? 2147483647 : frames.ToInt64();
            span.duration.value = static_cast<A_long>(ticks) * (random() % 2 == 0 ? 1 : -1);
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

}  // namespace validator
