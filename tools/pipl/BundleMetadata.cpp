#include "BundleMetadata.h"

#include <utility>
#include <vector>

#include "resources/DorvaneProperties.h"

namespace pipl {

namespace {

std::string VersionText() {
    return std::to_string(dorvane::kMajorVersion) + "." + std::to_string(dorvane::kMinorVersion) +
           "." + std::to_string(dorvane::kBugVersion);
}

}  // namespace

std::string InfoPlistText(const std::string& executable_name) {
    const std::vector<std::pair<const char*, std::string>> entries = {
        {"CFBundleDevelopmentRegion", "en"},
        {"CFBundleExecutable", executable_name},
        {"CFBundleIdentifier", std::string("org.dorvane.") + dorvane::kEffectName},
        {"CFBundleInfoDictionaryVersion", "6.0"},
        {"CFBundleName", dorvane::kEffectName},
        {"CFBundlePackageType", kBundlePackageType},
        {"CFBundleShortVersionString", VersionText()},
        {"CFBundleSignature", kBundleSignature},
        {"CFBundleVersion", VersionText()},
    };
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n<dict>\n";
    for (const auto& [key, value] : entries) {
        text += "\t<key>" + std::string(key) + "</key>\n\t<string>" + value + "</string>\n";
    }
    text += "</dict>\n</plist>\n";
    return text;
}

std::string PkgInfoText() { return std::string(kBundlePackageType) + kBundleSignature; }

}  // namespace pipl
