#include "support/NothingHeld.h"

::testing::AssertionResult NothingHeld(simhost::Host& host) {
    const size_t kept_handles = host.GlobalData() == nullptr ? 0u : 1u;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!host.state().ledger().Empty() || !host.state().ledger().Violations().empty()) {
        result = ::testing::AssertionFailure() << host.state().ledger().Report();
    }
    if (host.state().undo().IsOpen()) {
        if (result) result = ::testing::AssertionFailure();
        result << "an undo group is still open\n";
    }
    if (host.state().handles().Live() != kept_handles || host.state().memory().Live() != 0) {
        if (result) result = ::testing::AssertionFailure();
        result << host.state().handles().Live() << " PF handles and " << host.state().memory().Live()
               << " memory handles live, where only " << kept_handles << " should be\n";
    }
    return result;
}
