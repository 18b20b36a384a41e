#include "WhatIsHeld.h"

#include "Check.h"

namespace validator {

std::string WhatIsHeld(simhost::Host& host) {
    const size_t kept_handles = host.GlobalData() == nullptr ? 0u : 1u;
    std::string report;
    if (!host.ledger().Empty() || !host.ledger().Violations().empty()) report += host.ledger().Report();
    if (host.undo().IsOpen()) report += "an undo group is still open\n";
    if (host.handles().Live() != kept_handles || host.memory().Live() != 0) {
        report += std::to_string(host.handles().Live()) + " PF handles and " +
                  std::to_string(host.memory().Live()) + " memory handles live, where only " +
                  std::to_string(kept_handles) + " should be\n";
    }
    return report;
}

void RequireNothingHeld(simhost::Host& host, const std::string& when) {
    const std::string held = WhatIsHeld(host);
    if (!held.empty()) throw CheckFailure("nothing held " + when, held);
}

}  // namespace validator
