// Finds a resource inside a Windows x64 library (.aex) by reading the file
// as data, the way the host's loader lays it out: the PE headers, the
// section that holds the resource directory, and the directory's three
// levels (type, name, language). Every offset is checked against the file.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pipl {

// A file that is not a well-formed PE image; the message says where.
class WindowsImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether `file` starts as a PE image does ("MZ").
bool LooksLikeWindowsImage(const std::vector<std::uint8_t>& file);

// The data of the resource of type `type` (a name such as "PIPL"), id `id`
// and language `language`; empty when the image has no such resource.
std::optional<std::vector<std::uint8_t>> FindWindowsResource(const std::vector<std::uint8_t>& file,
                                                             const std::string& type, std::uint16_t id,
                                                             std::uint16_t language);

}  // namespace pipl
