// The classic resource file that a macOS bundle keeps in Contents/Resources:
// a data area and a resource map, every number big-endian.
#pragma once

#include <cstdint>
#include <vector>

namespace pipl {

// Where the data area starts; the bytes before it are the header and space
// the format reserves.
constexpr std::uint32_t kResourceDataOffset = 256;

// A file holding one resource of `type` (a four-character code) and `id`.
std::vector<std::uint8_t> ResourceFileBytes(std::uint32_t type, std::int16_t id,
                                            const std::vector<std::uint8_t>& data);

}  // namespace pipl
