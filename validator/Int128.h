// Signed 128-bit integers in two's complement, in ISO C++ alone: wide enough
// for a time over the product of three 32-bit scales, on compilers that
// offer no 128-bit type of their own. Kept apart from the effect's own wide
// arithmetic, so that the reference cannot share a fault with what it checks.
#pragma once

#include <cstdint>

namespace validator {

class Int128 {
public:
    constexpr Int128() = default;
    constexpr Int128(std::int64_t value)  // NOLINT: widening, as for the built-in types
        : high_(value < 0 ? ~std::uint64_t{0} : 0), low_(static_cast<std::uint64_t>(value)) {}

    bool Negative() const { return (high_ >> 63) != 0; }
    // The value, when it fits in 64 bits.
    std::int64_t ToInt64() const { return static_cast<std::int64_t>(low_); }

    friend Int128 operator+(const Int128& a, const Int128& b) {
        Int128 sum;
        sum.low_ = a.low_ + b.low_;
        sum.high_ = a.high_ + b.high_ + (sum.low_ < a.low_ ? 1 : 0);
        return sum;
    }
    Int128 operator-() const {
        Int128 negated;
        negated.low_ = ~low_ + 1;
        negated.high_ = ~high_ + (negated.low_ == 0 ? 1 : 0);
        return negated;
    }
    friend Int128 operator-(const Int128& a, const Int128& b) { return a + -b; }
    // Modulo 2^128, which is exact for every product that fits.
    friend Int128 operator*(const Int128& a, const Int128& b) {
        Int128 product = MultiplyWide(a.low_, b.low_);
        product.high_ += a.high_ * b.low_ + a.low_ * b.high_;
        return product;
    }
    // Truncated toward zero, as the built-in division.
    friend Int128 operator/(const Int128& a, const Int128& b) {
        Int128 quotient, remainder;
        Divide(a, b, quotient, remainder);
        return quotient;
    }
    // Of the dividend's sign, as the built-in remainder.
    friend Int128 operator%(const Int128& a, const Int128& b) {
        Int128 quotient, remainder;
        Divide(a, b, quotient, remainder);
        return remainder;
    }

    // Both read as unsigned 128-bit numbers: for a product of magnitudes
    // that reaches past 2^127.
    static Int128 UnsignedQuotient(const Int128& a, const Int128& b) {
        Int128 quotient, remainder;
        DivideUnsigned(a, b, quotient, remainder);
        return quotient;
    }

    friend bool operator==(const Int128& a, const Int128& b) { return a.high_ == b.high_ && a.low_ == b.low_; }
    friend bool operator!=(const Int128& a, const Int128& b) { return !(a == b); }
    friend bool operator<(const Int128& a, const Int128& b) {
        const std::uint64_t sign = std::uint64_t{1} << 63;
        if (a.high_ != b.high_) return (a.high_ ^ sign) < (b.high_ ^ sign);
        return a.low_ < b.low_;
    }
    friend bool operator>(const Int128& a, const Int128& b) { return b < a; }
    friend bool operator<=(const Int128& a, const Int128& b) { return !(b < a); }
    friend bool operator>=(const Int128& a, const Int128& b) { return !(a < b); }

private:
    static Int128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t mask = 0xFFFFFFFFu;
        const std::uint64_t a0 = a & mask, a1 = a >> 32, b0 = b & mask, b1 = b >> 32;
        const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const std::uint64_t middle = (p00 >> 32) + (p01 & mask) + (p10 & mask);
        Int128 product;
        product.low_ = (middle << 32) | (p00 & mask);
        product.high_ = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
        return product;
    }

    Int128 Magnitude() const { return Negative() ? -*this : *this; }
    bool UnsignedLess(const Int128& other) const {
        return high_ != other.high_ ? high_ < other.high_ : low_ < other.low_;
    }

    // Shift-and-subtract, reading both as unsigned.
    static void DivideUnsigned(const Int128& n, const Int128& d, Int128& quotient, Int128& remainder) {
        Int128 q, r;
        for (int bit = 127; bit >= 0; --bit) {
            const bool carried = (r.high_ >> 63) != 0;
            r.high_ = (r.high_ << 1) | (r.low_ >> 63);
            r.low_ = (r.low_ << 1) | (((bit >= 64 ? n.high_ >> (bit - 64) : n.low_ >> bit)) & 1);
            if (carried || !r.UnsignedLess(d)) {
                r = r - d;
                if (bit >= 64) {
                    q.high_ |= std::uint64_t{1} << (bit - 64);
                } else {
                    q.low_ |= std::uint64_t{1} << bit;
                }
            }
        }
        quotient = q;
        remainder = r;
    }

    // On the magnitudes, then the signs put back.
    static void Divide(const Int128& dividend, const Int128& divisor, Int128& quotient, Int128& remainder) {
        Int128 q, r;
        DivideUnsigned(dividend.Magnitude(), divisor.Magnitude(), q, r);
        quotient = dividend.Negative() != divisor.Negative() ? -q : q;
        remainder = dividend.Negative() ? -r : r;
    }

    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

}  // namespace validator
