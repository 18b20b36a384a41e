// Which macOS bundle files a test program reads: the ones the build writes
// beside the plug-in, or those inside a built bundle.
#pragma once

#include <string>

namespace registration {

struct MacBundleFiles {
    std::string resource_file;  // Contents/Resources/Dorvane.rsrc
    std::string info_plist;
    std::string pkginfo;
    std::string executable;  // the name Info.plist must give the code
    bool arm64 = false;      // a universal bundle names its arm64 entry point too
};

// Defined by each program that runs MacBundleFilesTest.cpp.
const MacBundleFiles& MacBundleFilesUnderTest();

}  // namespace registration
