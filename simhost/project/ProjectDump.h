// A complete, readable account of a project, so that two states of it can
// be compared exactly.
#pragma once

#include <string>

#include "project/Project.h"

namespace simhost {

std::string DumpProject(const Project& project);

}  // namespace simhost
