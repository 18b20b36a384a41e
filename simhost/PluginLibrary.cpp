#include "PluginLibrary.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace simhost {

namespace {

#ifdef _WIN32
// Paths arrive in the build's own spelling; under Wine that is a Unix path,
// which the Windows loader reaches through the drive that maps the root.
std::string NativePath(const std::string& path) {
    std::string native = path;
    if (!native.empty() && native[0] == '/') native = "Z:" + native;
    for (char& c : native) {
        if (c == '/') c = '\\';
    }
    return native;
}
#endif

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(path), module_(nullptr) {
#ifdef _WIN32
    module_ = reinterpret_cast<void*>(LoadLibraryA(NativePath(path).c_str()));
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load " + path + ": error " + std::to_string(GetLastError()));
    }
#else
    module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load " + path + ": " + (reason ? reason : "unknown reason"));
    }
#endif
}

PluginLibrary::~PluginLibrary() {
#ifdef _WIN32
    FreeLibrary(reinterpret_cast<HMODULE>(module_));
#else
    dlclose(module_);
#endif
}

PF_FilterProc PluginLibrary::Find(const std::string& symbol) const {
#ifdef _WIN32
    // Through an untyped pointer: the loader's generic function type is no
    // closer to the entry point's than any other.
    void* address = reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module_), symbol.c_str()));
#else
    void* address = dlsym(module_, symbol.c_str());
#endif
    return reinterpret_cast<PF_FilterProc>(address);
}

}  // namespace simhost
