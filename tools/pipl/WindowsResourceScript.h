// The resource script that puts the property list into the Windows build,
// for the toolchain's own resource compiler.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pipl {

// The resource the host looks up: type "PIPL", id 16000, US English.
constexpr int kWindowsResourceId = 16000;
constexpr int kWindowsResourceLanguage = 0x09;     // English
constexpr int kWindowsResourceSublanguage = 0x01;  // United States: 1033 together

// The script's raw data is a run of 16-bit words, so `list` must have an
// even length (every property list has).
std::string WindowsResourceScript(const std::vector<std::uint8_t>& list);

}  // namespace pipl
