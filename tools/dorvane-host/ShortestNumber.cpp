#include "ShortestNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace dorvane_host {

std::string Shortest(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[32];  // the longest shortest form of a double is 24 characters
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, result.ptr);
}

std::string ReadableNumber(double value, int width, int decimals) {
    if (!std::isfinite(value)) return Shortest(value);
    char buffer[64];
    const double magnitude = std::fabs(value);
    const int whole_digits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    // Fewer decimals before scientific notation: room for a sign, the whole
    // digits and the point.
    const int places = std::min(decimals, width - 2 - whole_digits);
    const bool shows = magnitude == 0.0 || magnitude >= std::pow(10.0, -decimals);
    if (places >= 0 && shows) {
        std::snprintf(buffer, sizeof(buffer), "%.*f", places, value);
    } else {
        // A sign, a digit, the point and "e+308" leave width - 8 decimals.
        std::snprintf(buffer, sizeof(buffer), "%.*e", std::max(1, width - 8), value);
    }
    return buffer;
}

}  // namespace dorvane_host
