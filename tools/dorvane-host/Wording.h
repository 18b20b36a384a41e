// Small pieces of the program's English.
#pragma once

#include <string>

namespace dorvane_host {

// "1 frame", "2 frames", "0 frames".
inline std::string Count(long long count, const std::string& singular, const std::string& plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}
inline std::string Count(long long count, const std::string& singular) { return Count(count, singular, singular + "s"); }

// A text of several lines on one, for a message line or a CSV comment: each
// line break becomes `joint`; breaks at the end are dropped.
inline std::string OneLine(const std::string& text, const std::string& joint = " ") {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? joint : std::string(1, c);
    }
    while (line.size() >= joint.size() && !joint.empty() && line.compare(line.size() - joint.size(), joint.size(), joint) == 0) {
        line.erase(line.size() - joint.size());
    }
    return line;
}

}  // namespace dorvane_host
