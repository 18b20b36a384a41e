// What the host will read: the property list of a built plug-in (a .aex, a
// macOS resource file, or a .plugin bundle) printed property by property,
// read by the rules of the layout its kind of file carries.
#pragma once

#include <ostream>
#include <string>

namespace pipl {

// Prints the list of the plug-in at `path` to `out` and returns 0; when the
// file holds no list, or a malformed one, says so on `errors` and returns 1.
int PrintPropertyList(const std::string& path, std::ostream& out, std::ostream& errors);

}  // namespace pipl
