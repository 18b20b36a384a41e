// Plug-ins with a fault planted in the suites they are handed: every level
// below the one that should catch the fault passes, and that level fails,
// saying what it found.
#include <gtest/gtest.h>

#include <string>

#include "Checks.h"
#include "RunChecks.h"

namespace {

struct Planted {
    const char* what;
    const char* plugin;
    int catching_level;
    const char* caught_by;  // a check of that level that fails
    const char* found;      // part of what it reports finding
};

const Planted kPlanted[] = {
    {"a leaked stream reference", DORVANE_LEAKING_PLUGIN_PATH, 3, "press.fresh-layer", "never disposed"},
    {"keys one frame short", DORVANE_SHORT_KEYS_PLUGIN_PATH, 3, "press.fresh-layer", "299"},
};

TEST(PlantedFault, CaughtByTheLevelThatShouldCatchIt) {
    for (const Planted& planted : kPlanted) {
        SCOPED_TRACE(planted.what);
        const validator::CheckContext context{planted.plugin, 1};
        bool caught = false;
        for (const validator::Check& check : validator::AllChecks()) {
            if (check.level > planted.catching_level) break;
            const validator::CheckResult result = validator::RunCheck(check, context);
            if (check.level < planted.catching_level) {
                EXPECT_TRUE(result.passed) << check.name << ": expected " << result.expected << ", found "
                                           << result.found;
            } else if (check.name == planted.caught_by) {
                caught = !result.passed;
                EXPECT_NE(result.found.find(planted.found), std::string::npos) << result.found;
            }
        }
        EXPECT_TRUE(caught) << planted.caught_by << " passed";
    }
}

}  // namespace
