#include "loading/PluginLibrary.h"

#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "loading/PropertyListResourceFile.h"
#if defined(__linux__)
#include "loading/macho/MachOBundle.h"
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

PluginLibrary::PluginLibrary(const std::string& plugin_path) : path_(BundleCodePath(plugin_path)), module_(nullptr) {
    const std::string& path = path_;
#if defined(__linux__)
    if (IsBundleCode(path)) {
        bundle_ = std::make_unique<macho::MachOBundle>(path);
        return;
    }
#endif
#ifdef _WIN32
    module_ = reinterpret_cast<void*>(LoadLibraryA(NativePath(path).c_str()));
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load " + path + ": error " + std::to_string(GetLastError()));
    }
#else
    // On a Mac this opens a bundle's code as well: dyld loads MH_BUNDLE
    // images through dlopen.
    module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load " + path + ": " + (reason ? reason : "unknown reason"));
    }
#endif
}

#ifdef _WIN32
std::vector<std::uint8_t> PluginLibrary::ReadResource(const std::string& path, const char* type,
                                                      int id, int language) {
    const HMODULE file = LoadLibraryExA(NativePath(path).c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (file == nullptr) {
        throw std::runtime_error("cannot open " + path + " for its resources: error " +
                                 std::to_string(GetLastError()));
    }
    std::vector<std::uint8_t> bytes;
    const HRSRC found = FindResourceExA(file, type, MAKEINTRESOURCEA(id), static_cast<WORD>(language));
    const HGLOBAL loaded = found != nullptr ? LoadResource(file, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data != nullptr) {
        const auto* first = static_cast<const std::uint8_t*>(data);
        bytes.assign(first, first + SizeofResource(file, found));
    }
    FreeLibrary(file);
    if (data == nullptr) {
        throw std::runtime_error(std::string("no ") + type + " resource " + std::to_string(id) +
                                 " in language " + std::to_string(language));
    }
    return bytes;
}
#endif

PluginLibrary::~PluginLibrary() {
#ifdef _WIN32
    FreeLibrary(reinterpret_cast<HMODULE>(module_));
#else
    if (module_ != nullptr) dlclose(module_);
#endif
}

PF_FilterProc PluginLibrary::Find(const std::string& symbol) const {
#ifdef _WIN32
    // Through an untyped pointer: the loader's generic function type is no
    // closer to the entry point's than any other.
    void* address = reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module_), symbol.c_str()));
#else
    void* address = module_ != nullptr ? dlsym(module_, symbol.c_str()) : nullptr;
#endif
#if defined(__linux__)
    if (bundle_) address = bundle_->Find(symbol);
#endif
    return reinterpret_cast<PF_FilterProc>(address);
}

}  // namespace simhost
