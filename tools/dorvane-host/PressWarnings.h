// What a press leaves that would break the expressions a user writes on
// the controls, in words that say what to do about it.
#pragma once

#include <string>
#include <vector>

#include "Recording.h"
#include "project/Project.h"

namespace dorvane_host {

// One warning a line: an effect of another kind that shares a control's
// name (saying which of the two an expression's effect("NAME") finds), and a
// layer that spans no frame, whose controls hold defaults.
std::vector<std::string> PressWarnings(const simhost::Project& project, int layer_id, const Recording& recording);

}  // namespace dorvane_host
