#include <algorithm>
#include <cstdint>
#include <limits>

#include "CameraCapture.h"

namespace {

// Exact rational time. Host times are 32-bit over 32-bit, so sums and
// products of a few of them need more than 64 bits; every step is checked.
__extension__ typedef __int128 Wide;

struct Rational {
    Wide num;
    Wide den;  // always > 0
};

Wide Gcd(Wide a, Wide b) {
    if (a < 0) a = -a;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a == 0 ? 1 : a;
}

void Reduce(Rational& r) {
    const Wide g = Gcd(r.num, r.den);
    r.num /= g;
    r.den /= g;
}

bool Add(const Rational& a, const Rational& b, Rational& sum) {
    Wide left, right, den;
    if (__builtin_mul_overflow(a.num, b.den, &left) || __builtin_mul_overflow(b.num, a.den, &right) ||
        __builtin_add_overflow(left, right, &sum.num) || __builtin_mul_overflow(a.den, b.den, &den)) {
        return false;
    }
    sum.den = den;
    Reduce(sum);
    return true;
}

bool Less(const Rational& a, const Rational& b, bool& less) {
    Wide left, right;
    if (__builtin_mul_overflow(a.num, b.den, &left) || __builtin_mul_overflow(b.num, a.den, &right)) {
        return false;
    }
    less = left < right;
    return true;
}

Rational FromTime(const A_Time& time) {
    Rational r{static_cast<Wide>(time.value), static_cast<Wide>(time.scale)};
    Reduce(r);
    return r;
}

}  // namespace

A_Err GetSampleTimes(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration,
                     std::vector<A_Time>& times) {
    times.clear();
    const auto refuse = [&times]() {
        times.clear();
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    };
    // A zero scale is no time at all, and a step that does not advance
    // would sample for ever.
    if (in_point.scale == 0 || duration.scale == 0 || frame_duration.scale == 0 ||
        frame_duration.value <= 0) {
        return refuse();
    }
    const Rational start = FromTime(in_point);
    Rational end{};
    bool end_first = false;
    if (!Add(start, FromTime(duration), end) || !Less(end, start, end_first)) return refuse();
    const Rational lo = end_first ? end : start;
    const Rational hi = end_first ? start : end;

    const A_u_long scale = std::max({in_point.scale, duration.scale, frame_duration.scale});
    for (std::int64_t k = 0;; ++k) {
        // Each time is lo plus k whole frames, formed from k directly so
        // that no rounding accumulates along the span.
        const Rational offset{static_cast<Wide>(k) * frame_duration.value, frame_duration.scale};
        Rational time{};
        bool before_end = false;
        if (!Add(lo, offset, time) || !Less(time, hi, before_end)) return refuse();
        if (!before_end) break;
        Wide ticks;
        if (__builtin_mul_overflow(time.num, static_cast<Wide>(scale), &ticks)) return refuse();
        ticks /= time.den;  // truncates toward zero
        if (ticks < std::numeric_limits<std::int32_t>::min() ||
            ticks > std::numeric_limits<std::int32_t>::max()) {
            return refuse();
        }
        times.push_back({static_cast<A_long>(ticks), scale});
    }
    return A_Err_NONE;
}
