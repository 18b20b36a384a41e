#include "loading/PropertyListResourceFile.h"

#include <filesystem>
#include <string>

#include "loading/PropertyList.h"

namespace simhost {

namespace {

class BigEndianReader {
public:
    explicit BigEndianReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint32_t At(std::size_t offset, std::size_t width, const char* what) const {
        if (offset > bytes_.size() || bytes_.size() - offset < width) {
            throw PropertyListError(std::string("resource file too short for its ") + what);
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) value = (value << 8) | bytes_[offset + i];
        return value;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
};

}  // namespace

std::string BundleCodePath(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path bundle(path);
    if (bundle.filename().empty()) bundle = bundle.parent_path();  // "X.plugin/"
    std::error_code error;
    if (bundle.extension() != ".plugin" || !fs::is_directory(bundle, error)) return path;
    return (bundle / "Contents" / "MacOS" / bundle.stem()).string();
}

bool IsBundleCode(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.filename() == "MacOS" && folder.parent_path().filename() == "Contents";
}

std::string PropertyFilePath(const std::string& plugin_path) {
    namespace fs = std::filesystem;
    const fs::path library(BundleCodePath(plugin_path));
    if (IsBundleCode(library.string())) {
        return (library.parent_path().parent_path() / "Resources" / library.stem()).string() + ".rsrc";
    }
    return fs::path(library).replace_extension(".rsrc").string();
}

FileResource FindFileResource(const std::vector<std::uint8_t>& file, std::uint32_t type) {
    const BigEndianReader in(file);
    const std::size_t data_offset = in.At(0, 4, "header");
    const std::size_t map_offset = in.At(4, 4, "header");
    const std::size_t type_list = map_offset + in.At(map_offset + 24, 2, "map");
    const std::size_t type_count = in.At(type_list, 2, "type list") + std::size_t{1};
    for (std::size_t t = 0; t < type_count; ++t) {
        const std::size_t entry = type_list + 2 + 8 * t;
        if (in.At(entry, 4, "type list") != type) continue;
        const std::size_t references = type_list + in.At(entry + 6, 2, "type list");
        // The first reference; the host takes the first list of its kind.
        const auto id = static_cast<std::int16_t>(in.At(references, 2, "reference list"));
        const std::size_t resource = data_offset + in.At(references + 5, 3, "reference list");
        const std::size_t length = in.At(resource, 4, "resource data");
        if (file.size() - (resource + 4) < length) {
            throw PropertyListError("resource data runs past the end of the file");
        }
        const auto begin = file.begin() + static_cast<std::ptrdiff_t>(resource + 4);
        return {type, id, std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(length))};
    }
    throw PropertyListError("resource file holds no '" + FourCCText(type) + "' resource");
}

}  // namespace simhost
