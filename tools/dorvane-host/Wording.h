// Small pieces of the program's English.
#pragma once

#include <string>

namespace dorvane_host {

// "1 frame", "2 frames", "0 frames".
inline std::string Count(long long count, const std::string& singular, const std::string& plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}
inline std::string Count(long long count, const std::string& singular) { return Count(count, singular, singular + "s"); }

}  // namespace dorvane_host
