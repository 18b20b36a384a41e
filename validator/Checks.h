// Every check of the validator, level by level, in the order they run.
#pragma once

#include <vector>

#include "Check.h"

namespace validator {

// Level 1: how the host finds and registers the effect.
std::vector<Check> RegistrationChecks();
// Level 2: the commands a host sends outside a press, render included.
std::vector<Check> CommandChecks();
// Level 3: the press on a fresh layer and on one carrying earlier controls.
std::vector<Check> PressChecks();
// Level 4: the press with each host call failing and each suite refused.
std::vector<Check> FaultChecks();
// Level 5: spans drawn at random, absurd spans and very long ones.
std::vector<Check> SpanChecks();

// All of the above, levels in order.
std::vector<Check> AllChecks();

}  // namespace validator
