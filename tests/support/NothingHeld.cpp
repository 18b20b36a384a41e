#include "support/NothingHeld.h"

#include "WhatIsHeld.h"

::testing::AssertionResult NothingHeld(simhost::Host& host) {
    const std::string held = validator::WhatIsHeld(host);
    if (held.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << held;
}
