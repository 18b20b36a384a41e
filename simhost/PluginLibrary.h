// A built plug-in loaded the way the host loads one: as a shared library
// whose entry point is looked up by name.
#pragma once

#include <string>

#include "AE_Effect.h"

namespace simhost {

class PluginLibrary {
public:
    // Throws std::runtime_error naming the path and the loader's reason.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Null when the library exports no such symbol.
    PF_FilterProc Find(const std::string& symbol) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    void* module_;
};

}  // namespace simhost
