// The resource script that puts the property list and a version resource
// into the Windows build, in the language both GNU windres and Visual
// Studio's rc read: numbers only, no header to include.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pipl {

// The resource the host looks up: type "PIPL", id 16000, US English.
constexpr int kWindowsResourceId = 16000;
constexpr int kWindowsResourceLanguage = 0x09;     // English
constexpr int kWindowsResourceSublanguage = 0x01;  // United States: 1033 together

// The version resource the file's properties show: id 1, in the same language.
constexpr int kWindowsVersionResourceId = 1;

// The script's raw data is a run of 16-bit words, so `list` must have an
// even length (every property list has). `file_name` is the .aex's name.
std::string WindowsResourceScript(const std::vector<std::uint8_t>& list, const std::string& file_name);

}  // namespace pipl
