// The registration tests read the files the generator wrote for this build.
#include "MacBundleFiles.h"

namespace registration {

const MacBundleFiles& MacBundleFilesUnderTest() {
    static const MacBundleFiles files = {DORVANE_MAC_RESOURCE_FILE, DORVANE_INFO_PLIST, DORVANE_PKGINFO,
                                         DORVANE_BUNDLE_EXECUTABLE, false};
    return files;
}

}  // namespace registration
