// One named check of a built plug-in: what it proves, the level it belongs
// to, and the body that drives the plug-in through the simulated host. The
// validator and the test programs run the same bodies.
#pragma once

#include <cstdint>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace validator {

// What every check is given: the plug-in to load, and the seed of the
// checks that draw at random, so that a failure can be drawn again.
struct CheckContext {
    std::string plugin_path;
    std::uint64_t seed = 0;
};

struct Check {
    std::string name;         // "press.fresh-layer"
    int level;                // 1 to kLevels; a run up to level N runs the levels up to N
    std::string description;  // one sentence: what a pass proves
    std::function<void(const CheckContext&)> run;  // returns on a pass, throws CheckFailure otherwise
};

constexpr int kLevels = 5;

// A check that did not hold: what it expected and what it found instead.
class CheckFailure : public std::runtime_error {
public:
    CheckFailure(std::string expected, std::string found)
        : std::runtime_error("expected " + expected + ", found " + found),
          expected_(std::move(expected)),
          found_(std::move(found)) {}
    const std::string& Expected() const { return expected_; }
    const std::string& Found() const { return found_; }

private:
    std::string expected_;
    std::string found_;
};

// Ends the check unless `holds`.
inline void Require(bool holds, const std::string& expected, const std::string& found) {
    if (!holds) throw CheckFailure(expected, found);
}

// Ends the check unless `found` equals `expected`; `what` names the value.
template <typename T, typename U>
void RequireEqual(const T& found, const U& expected, const std::string& what) {
    if (found == expected) return;
    std::ostringstream expected_text, found_text;
    expected_text << what << " " << expected;
    found_text << found;
    throw CheckFailure(expected_text.str(), found_text.str());
}

}  // namespace validator
