// The classic resource file in which a macOS plug-in ships its property
// list: finds a resource by type, checking every offset against the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

struct FileResource {
    std::uint32_t type;
    std::int16_t id;
    std::vector<std::uint8_t> data;
};

// A macOS bundle's layout, in one place: X.plugin holds its code in
// Contents/MacOS/X (our bundles name their executable after themselves) and
// its resource file in Contents/Resources/X.rsrc.
//
// The code of the plug-in at `path`: for a bundle folder, the executable in
// it; any other path as it is.
std::string BundleCodePath(const std::string& path);
// Whether `path` is the executable inside a bundle.
bool IsBundleCode(const std::string& path);

// The resource file the host reads for the plug-in at `plugin_path` (a
// bundle folder, the code inside one, or a library elsewhere): inside a
// bundle Contents/Resources/<name>.rsrc, otherwise <name>.rsrc beside it.
std::string PropertyFilePath(const std::string& plugin_path);

// The first resource of `type` in the file's map; throws PropertyListError
// when the file is malformed or holds no such resource.
FileResource FindFileResource(const std::vector<std::uint8_t>& file, std::uint32_t type);

}  // namespace simhost
