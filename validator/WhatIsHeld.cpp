#include "WhatIsHeld.h"

#include "Check.h"

namespace validator {

std::string WhatIsHeld(simhost::Host& host) {
    const size_t kept_handles = host.GlobalData() == nullptr ? 0u : 1u;
    std::string report;
    if (!host.state().ledger().Empty() || !host.state().ledger().Violations().empty()) report += host.state().ledger().Report();
    if (host.state().undo().IsOpen()) report += "an undo group is still open\n";
    if (host.state().handles().Live() != kept_handles || host.state().memory().Live() != 0) {
        report += std::to_string(host.state().handles().Live()) + " PF handles and " +
                  std::to_string(host.state().memory().Live()) + " memory handles live, where only " +
                  std::to_string(kept_handles) + " should be\n";
    }
    return report;
}

void RequireNothingHeld(simhost::Host& host, const std::string& when) {
    const std::string held = WhatIsHeld(host);
    if (!held.empty()) throw CheckFailure("nothing held " + when, held);
}

}  // namespace validator
