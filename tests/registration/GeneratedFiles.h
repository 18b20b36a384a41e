// The files the build generates beside the plug-in, read back by the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace registration {

// The whole file, as bytes; fails the calling test when it cannot be read.
std::vector<std::uint8_t> ReadBytes(const std::string& path);
std::string ReadText(const std::string& path);

}  // namespace registration
