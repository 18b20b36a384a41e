#include "ShortestNumber.h"

#include <charconv>
#include <cmath>

namespace dorvane_host {

std::string Shortest(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[32];  // the longest shortest form of a double is 24 characters
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, result.ptr);
}

}  // namespace dorvane_host
