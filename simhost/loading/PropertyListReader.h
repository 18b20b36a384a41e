// Reads the bytes of a plug-in's property list the way the host does before
// it loads any of the plug-in's code: on Windows the "PIPL" resource of the
// file itself, elsewhere the resource file that ships beside the library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "loading/PropertyList.h"

namespace simhost {

// The Windows resource: type, id and language (US English).
constexpr const char* kPropertyResourceType = "PIPL";
constexpr int kPropertyResourceId = 16000;
constexpr int kPropertyResourceLanguage = 1033;
// The resource type inside a macOS resource file.
constexpr std::uint32_t kPropertyFileResourceType = FourCC("PiPL");

// The layout this platform's host reads: Windows on Windows, and elsewhere
// macOS's, which the Linux build stands in for.
PropertyListLayout PlatformLayout();

struct StoredPropertyList {
    std::string file;  // the file the bytes came from
    std::vector<std::uint8_t> bytes;
};

// The list's bytes, unread. Throws PropertyListError, naming the file, when
// there is no list or the file that should hold it is malformed.
StoredPropertyList ReadStoredPropertyList(const std::string& plugin_path);

}  // namespace simhost
