#include "support/NothingHeld.h"

::testing::AssertionResult NothingHeld(simhost::Host& host) {
    const size_t kept_handles = host.GlobalData() == nullptr ? 0u : 1u;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!host.ledger().Empty() || !host.ledger().Violations().empty()) {
        result = ::testing::AssertionFailure() << host.ledger().Report();
    }
    if (host.undo().IsOpen()) {
        if (result) result = ::testing::AssertionFailure();
        result << "an undo group is still open\n";
    }
    if (host.handles().Live() != kept_handles || host.memory().Live() != 0) {
        if (result) result = ::testing::AssertionFailure();
        result << host.handles().Live() << " PF handles and " << host.memory().Live()
               << " memory handles live, where only " << kept_handles << " should be\n";
    }
    return result;
}
