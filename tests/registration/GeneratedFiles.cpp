#include "GeneratedFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace registration {

namespace {

// The build's paths are Unix paths; under Wine they are reached through the
// drive that maps the root.
std::string NativePath(const std::string& path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') return "Z:" + path;
#endif
    return path;
}

}  // namespace

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace registration
