// How the host takes a plug-in's property list before it loads the code:
// the bytes read from the file, parsed by this platform's layout, and
// accepted as an effect's.
#pragma once

#include <string>

#include "loading/PropertyList.h"

namespace simhost {

// The list of the plug-in at `plugin_path`, accepted as an effect's; throws
// PropertyListError, naming the plug-in and the file read, otherwise.
PropertyList AcceptEffectPropertyList(const std::string& plugin_path);

}  // namespace simhost
