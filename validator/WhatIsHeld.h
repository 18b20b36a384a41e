// What the effect still holds once it is done: anything the host handed it
// and did not get back, any misuse, an open undo group, or a live handle
// other than the global block the host keeps for it.
#pragma once

#include <string>

#include "Host.h"

namespace validator {

// Empty when nothing is held; otherwise a report that names what was left
// ("stream7 was never disposed of").
std::string WhatIsHeld(simhost::Host& host);

// Ends the check when anything is held; `when` says at which point.
void RequireNothingHeld(simhost::Host& host, const std::string& when);

}  // namespace validator
