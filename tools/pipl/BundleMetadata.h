// The two files besides the code and the resource file that make a macOS
// bundle one the host takes for an effect.
#pragma once

#include <string>

namespace pipl {

// Bundle type and creator the host looks for in an effect's bundle.
constexpr const char* kBundlePackageType = "eFKT";
constexpr const char* kBundleSignature = "FXTC";

std::string InfoPlistText(const std::string& executable_name);
// Package type then creator, eight characters and nothing else.
std::string PkgInfoText();

}  // namespace pipl
