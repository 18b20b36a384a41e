// A complete, readable account of a project, so that tests can compare two
// states of it exactly.
#pragma once

#include <string>

#include "project/Project.h"

std::string DumpProject(const simhost::Project& project);
