// mac_bundle_files_tests BUNDLE [--arm64]: the property list, Info.plist and
// PkgInfo inside a built Dorvane.plugin, checked as the generator's own
// files are. --arm64 for a universal bundle.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "MacBundleFiles.h"

namespace {

registration::MacBundleFiles bundle_files;

}  // namespace

const registration::MacBundleFiles& registration::MacBundleFilesUnderTest() { return bundle_files; }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string bundle;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--arm64") {
            bundle_files.arm64 = true;
        } else if (bundle.empty() && argument.rfind("--", 0) != 0) {
            bundle = argument;
        } else {
            std::fprintf(stderr, "mac_bundle_files_tests: unexpected argument %s\n", argv[i]);
            return 2;
        }
    }
    if (bundle.empty()) {
        std::fprintf(stderr, "usage: mac_bundle_files_tests BUNDLE [--arm64]\n");
        return 2;
    }
    const std::string contents = bundle + "/Contents/";
    // Dorvane.plugin holds MacOS/Dorvane and Resources/Dorvane.rsrc.
    bundle_files.executable = std::filesystem::path(bundle).stem().string();
    bundle_files.resource_file = contents + "Resources/" + bundle_files.executable + ".rsrc";
    bundle_files.info_plist = contents + "Info.plist";
    bundle_files.pkginfo = contents + "PkgInfo";
    return RUN_ALL_TESTS();
}
