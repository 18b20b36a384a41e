#include "loading/PropertyListReader.h"

#include <fstream>
#include <iterator>

#include "loading/PluginLibrary.h"
#include "loading/PropertyListResourceFile.h"

namespace simhost {

PropertyListLayout PlatformLayout() {
#ifdef _WIN32
    return PropertyListLayout::Windows;
#else
    return PropertyListLayout::Mac;
#endif
}

StoredPropertyList ReadStoredPropertyList(const std::string& plugin_path) {
#ifdef _WIN32
    try {
        return {plugin_path, PluginLibrary::ReadResource(plugin_path, kPropertyResourceType,
                                                         kPropertyResourceId, kPropertyResourceLanguage)};
    } catch (const std::runtime_error& e) {
        throw PropertyListError(std::string("no property list: ") + e.what());
    }
#else
    const std::string path = PropertyFilePath(plugin_path);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PropertyListError("no property list: cannot open " + path);
    const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        return {path, FindFileResource(file, kPropertyFileResourceType).data};
    } catch (const PropertyListError& e) {
        throw PropertyListError(path + ": " + e.what());
    }
#endif
}

}  // namespace simhost
