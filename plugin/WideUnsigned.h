// Unsigned integers of 128 bits in standard C++: enough for the product of
// two 64-bit quantities, which exact host-time arithmetic needs and which no
// standard integer type holds.
#pragma once

#include <cstdint>

struct WideUnsigned {
    std::uint64_t high;
    std::uint64_t low;
};

inline bool operator<(const WideUnsigned& a, const WideUnsigned& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
}

// The full product, from four products of 32-bit halves.
inline WideUnsigned MultiplyWide(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t kHalf = 0xFFFFFFFFu;
    const std::uint64_t a_low = a & kHalf, a_high = a >> 32;
    const std::uint64_t b_low = b & kHalf, b_high = b >> 32;
    const std::uint64_t low_low = a_low * b_low;
    const std::uint64_t low_high = a_low * b_high;
    const std::uint64_t high_low = a_high * b_low;
    const std::uint64_t high_high = a_high * b_high;
    // At most three 32-bit quantities: no overflow.
    const std::uint64_t middle = (low_low >> 32) + (low_high & kHalf) + (high_low & kHalf);
    return {high_high + (low_high >> 32) + (high_low >> 32) + (middle >> 32),
            (middle << 32) | (low_low & kHalf)};
}

// a + b; the caller knows the sum fits.
inline WideUnsigned AddWide(const WideUnsigned& a, const WideUnsigned& b) {
    const std::uint64_t low = a.low + b.low;
    return {a.high + b.high + (low < a.low ? 1u : 0u), low};
}

// a - b; the caller knows that b <= a.
inline WideUnsigned SubtractWide(const WideUnsigned& a, const WideUnsigned& b) {
    return {a.high - b.high - (a.low < b.low ? 1u : 0u), a.low - b.low};
}

struct WideQuotient {
    WideUnsigned quotient;
    std::uint64_t remainder;
};

// Long division, one bit at a time: slow, so only for set-up work, never per
// sample. The divisor must not be 0.
inline WideQuotient DivideWide(const WideUnsigned& dividend, std::uint64_t divisor) {
    WideQuotient result{{0, 0}, 0};
    for (int bit = 127; bit >= 0; --bit) {
        const std::uint64_t word = bit >= 64 ? dividend.high : dividend.low;
        const std::uint64_t next = (word >> (bit % 64)) & 1u;
        // A remainder whose top bit is set exceeds 64 bits once shifted and
        // so certainly holds the divisor; the wrap-around below is exact.
        const bool overflows = (result.remainder >> 63) != 0;
        result.remainder = (result.remainder << 1) | next;
        result.quotient.high = (result.quotient.high << 1) | (result.quotient.low >> 63);
        result.quotient.low <<= 1;
        if (overflows || result.remainder >= divisor) {
            result.remainder -= divisor;
            result.quotient.low |= 1u;
        }
    }
    return result;
}
