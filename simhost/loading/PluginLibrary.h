// A built plug-in loaded the way the host loads one: as a shared library
// whose entry point is looked up by name. A macOS bundle's code is opened
// by the system's loader on a Mac; on Linux its x86_64 code is mapped by
// the simulated host's own (loading/macho/).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AE_Effect.h"

namespace simhost {

namespace macho {
class MachOBundle;
}

class PluginLibrary {
public:
    // Throws std::runtime_error naming the path and the loader's reason.
    // `plugin_path` is the code itself, or a bundle folder, whose code is
    // taken (BundleCodePath).
    explicit PluginLibrary(const std::string& plugin_path);
    ~PluginLibrary();

    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

#ifdef _WIN32
    // A resource of the file at `path`, read with the file mapped as data
    // only, so that none of its code runs. Throws std::runtime_error when
    // the file or the resource is missing.
    static std::vector<std::uint8_t> ReadResource(const std::string& path, const char* type, int id,
                                                  int language);
#endif

    // Null when the library exports no such symbol.
    PF_FilterProc Find(const std::string& symbol) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    void* module_;
#if defined(__linux__)
    std::unique_ptr<macho::MachOBundle> bundle_;
#endif
};

}  // namespace simhost
