// dorvane-pipl: writes the effect's registration property list in each
// form the build ships, all from the one table in DorvaneProperties.h; or
// prints the list a built plug-in carries, as the host will read it.
//
//   dorvane-pipl [--arm64] [--windows-list FILE] [--windows-rc FILE]
//                [--mac-rsrc FILE] [--info-plist FILE --executable NAME] [--pkginfo FILE]
//   dorvane-pipl --print PLUGIN     (a .aex, a .rsrc or a .plugin bundle)
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "BundleMetadata.h"
#include "MureloPlugin.h"
#include "PropertyListPrinter.h"
#include "ResourceFile.h"
#include "WindowsResourceScript.h"
#include "resources/DorvaneProperties.h"
#include "resources/PropertyListEncoding.h"

namespace {

using dorvane::PropertyListTarget;

// The name a declared function is spelled with, checked against the
// declaration so that the list cannot name a function the code lacks.
#define DORVANE_DECLARED_NAME(function) \
    (static_cast<void>(sizeof(&function)), std::string_view(#function))
static_assert(DORVANE_DECLARED_NAME(EntryPointFunc) == dorvane::kEntryPointName,
              "the listed entry point is the declared one");

constexpr std::size_t kWindowsListSize =
    dorvane::EncodedPropertyListSize(dorvane::kRegistrationProperties, PropertyListTarget::WindowsX64);
static_assert(kWindowsListSize == 282, "the Windows list is 282 bytes");
static_assert(dorvane::EncodedPropertyListSize(dorvane::kRegistrationProperties, PropertyListTarget::MacX86_64) ==
                  280,
              "the x86_64 bundle's list is 280 bytes");
static_assert(dorvane::EncodedPropertyListSize(dorvane::kRegistrationProperties,
                                               PropertyListTarget::MacUniversal) == 312,
              "the universal bundle's list is 312 bytes");
constexpr auto kWindowsList = dorvane::EncodedPropertyList<kWindowsListSize>(
    dorvane::kRegistrationProperties, PropertyListTarget::WindowsX64);

constexpr std::int16_t kMacResourceId = 16000;

void Write(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

void Write(const std::string& path, const std::string& text) { Write(path, text.data(), text.size()); }

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    Write(path, bytes.data(), bytes.size());
}

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "dorvane-pipl: %s\nusage: dorvane-pipl [--arm64] [--windows-list FILE] "
                 "[--windows-rc FILE] [--mac-rsrc FILE] [--info-plist FILE --executable NAME] "
                 "[--pkginfo FILE]\n       dorvane-pipl --print PLUGIN\n",
                 problem);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "--print") {
        if (argc != 3) return Usage("--print takes one plug-in and nothing else");
        return pipl::PrintPropertyList(argv[2], std::cout, std::cerr);
    }
    bool arm64 = false;
    std::map<std::string, std::string> outputs;
    const std::vector<std::string> known = {"--windows-list", "--windows-rc", "--mac-rsrc",
                                            "--info-plist", "--executable", "--pkginfo"};
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--arm64") {
            arm64 = true;
            continue;
        }
        bool is_known = false;
        for (const std::string& name : known) is_known = is_known || name == option;
        if (!is_known) return Usage(("unknown option " + option).c_str());
        if (i + 1 >= argc) return Usage((option + " needs a value").c_str());
        outputs[option] = argv[++i];
    }
    if (outputs.count("--info-plist") != 0 && outputs.count("--executable") == 0) {
        return Usage("--info-plist needs --executable");
    }

    try {
        const std::vector<std::uint8_t> windows_list(kWindowsList.begin(), kWindowsList.end());
        if (outputs.count("--windows-list") != 0) Write(outputs["--windows-list"], windows_list);
        if (outputs.count("--windows-rc") != 0) {
            const std::string file_name = std::string(dorvane::kEffectName) + ".aex";
            Write(outputs["--windows-rc"], pipl::WindowsResourceScript(windows_list, file_name));
        }
        if (outputs.count("--mac-rsrc") != 0) {
            const auto target = arm64 ? PropertyListTarget::MacUniversal : PropertyListTarget::MacX86_64;
            const std::vector<std::uint8_t> mac_list =
                dorvane::EncodePropertyListBytes(dorvane::kRegistrationProperties, target);
            Write(outputs["--mac-rsrc"], pipl::ResourceFileBytes(dorvane::FourCharCode("PiPL"),
                                                                  kMacResourceId, mac_list));
        }
        if (outputs.count("--info-plist") != 0) {
            Write(outputs["--info-plist"], pipl::InfoPlistText(outputs["--executable"]));
        }
        if (outputs.count("--pkginfo") != 0) Write(outputs["--pkginfo"], pipl::PkgInfoText());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dorvane-pipl: %s\n", e.what());
        return 1;
    }
    return 0;
}
