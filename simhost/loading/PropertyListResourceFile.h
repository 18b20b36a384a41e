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

// The resource file the host reads for a library at `plugin_path`: inside a
// bundle Contents/Resources/<name>.rsrc, otherwise <name>.rsrc beside it.
std::string PropertyFilePath(const std::string& plugin_path);

// The first resource of `type` in the file's map; throws PropertyListError
// when the file is malformed or holds no such resource.
FileResource FindFileResource(const std::vector<std::uint8_t>& file, std::uint32_t type);

}  // namespace simhost
