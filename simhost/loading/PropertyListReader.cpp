#include "loading/PropertyListReader.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "loading/PluginLibrary.h"
#include "loading/PropertyListResourceFile.h"

namespace simhost {

namespace fs = std::filesystem;

std::string PropertyFilePath(const std::string& plugin_path) {
    const fs::path library(plugin_path);
    const fs::path folder = library.parent_path();
    if (folder.filename() == "MacOS" && folder.parent_path().filename() == "Contents") {
        return (folder.parent_path() / "Resources" / library.stem()).string() + ".rsrc";
    }
    return fs::path(library).replace_extension(".rsrc").string();
}

#ifndef _WIN32
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PropertyListError("no property list: cannot open " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace
#endif

PropertyList ReadPluginPropertyList(const std::string& plugin_path) {
    try {
#ifdef _WIN32
        std::vector<std::uint8_t> list;
        try {
            list = PluginLibrary::ReadResource(plugin_path, kPropertyResourceType, kPropertyResourceId,
                                               kPropertyResourceLanguage);
        } catch (const std::runtime_error& e) {
            throw PropertyListError(std::string("no property list: ") + e.what());
        }
        return PropertyList::Parse(list, ByteOrder::Little);
#else
        const FileResource resource =
            FindFileResource(ReadFile(PropertyFilePath(plugin_path)), kPropertyFileResourceType);
        return PropertyList::Parse(resource.data, ByteOrder::Big);
#endif
    } catch (const std::runtime_error& e) {
        throw PropertyListError(plugin_path + ": " + e.what());
    }
}

}  // namespace simhost
