// The validator's checks, each run as a test of the built plug-in: the same
// bodies `dorvane-host --validate` runs, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "Checks.h"
#include "RunChecks.h"

namespace {

// A fixed seed keeps the suite repeatable; the validator draws a fresh one.
constexpr std::uint64_t kSeed = 20261211;

class ValidatorCheck : public ::testing::Test {
public:
    explicit ValidatorCheck(validator::Check check) : check_(std::move(check)) {}
    void TestBody() override {
        const validator::CheckResult result = validator::RunCheck(check_, {DORVANE_PLUGIN_PATH, kSeed});
        EXPECT_TRUE(result.passed) << check_.name << " (seed " << kSeed << ")\n  expected " << result.expected
                                   << "\n  found    " << result.found;
    }

private:
    validator::Check check_;
};

// "press.fresh-layer" as a test name: "PressFreshLayer".
std::string TestName(const std::string& check_name) {
    std::string name;
    bool word_start = true;
    for (const char c : check_name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            word_start = true;
            continue;
        }
        name += word_start ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        word_start = false;
    }
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (const validator::Check& check : validator::AllChecks()) {
        const std::string suite = "Level" + std::to_string(check.level);
        ::testing::RegisterTest(suite.c_str(), TestName(check.name).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [check]() -> ::testing::Test* { return new ValidatorCheck(check); });
    }
    return RUN_ALL_TESTS();
}
