#include "PropertyListPrinter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "WindowsResourceReader.h"
#include "loading/PropertyList.h"
#include "loading/PropertyListReader.h"
#include "loading/PropertyListResourceFile.h"

namespace pipl {

namespace {

namespace fs = std::filesystem;
using simhost::FourCC;
using simhost::PropertyList;
using simhost::PropertyListLayout;
using simhost::PropertyRecord;

// Where each platform's host looks, as the simulated host reads it: the
// Windows resource in the library, the macOS one in the resource file.
using simhost::kPropertyFileResourceType;
using simhost::kPropertyResourceId;
using simhost::kPropertyResourceLanguage;
using simhost::kPropertyResourceType;

// "resource PIPL 16000, language 1033"
std::string WindowsResourceName() {
    return std::string("resource ") + kPropertyResourceType + " " + std::to_string(kPropertyResourceId) +
           ", language " + std::to_string(kPropertyResourceLanguage);
}

class NoList : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FoundList {
    std::string file;  // the file the list is in
    std::string where;  // where in it
    PropertyListLayout layout;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw NoList(path.string() + ": cannot open it");
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FoundList InResourceFile(const fs::path& path) {
    const std::vector<std::uint8_t> file = ReadFile(path);
    try {
        const simhost::FileResource resource = simhost::FindFileResource(file, kPropertyFileResourceType);
        return {path.string(), "resource 'PiPL' " + std::to_string(resource.id), PropertyListLayout::Mac,
                resource.data};
    } catch (const simhost::PropertyListError& e) {
        throw NoList(path.string() + " holds no property list: " + e.what());
    }
}

// Code whose list the host reads from a resource file: an ELF library (the
// Linux stand-in) or Mach-O code, thin or universal.
bool IsLibraryCode(const std::vector<std::uint8_t>& file) {
    if (file.size() < 4) return false;
    const std::uint32_t magic = static_cast<std::uint32_t>(file[0]) << 24 | file[1] << 16 | file[2] << 8 | file[3];
    for (std::uint32_t code : {0x7F454C46u, 0xFEEDFACEu, 0xFEEDFACFu, 0xCEFAEDFEu, 0xCFFAEDFEu, 0xCAFEBABEu}) {
        if (magic == code) return true;
    }
    return false;
}

FoundList Find(const std::string& path) {
    if (fs::is_directory(path)) {
        // Dorvane.plugin keeps its list in Contents/Resources/Dorvane.rsrc.
        const fs::path resources = simhost::PropertyFilePath(path);
        if (!fs::exists(resources)) throw NoList(path + " holds no property list: no " + resources.string());
        return InResourceFile(resources);
    }
    const std::vector<std::uint8_t> file = ReadFile(path);
    if (LooksLikeWindowsImage(file)) {
        std::optional<std::vector<std::uint8_t>> resource;
        try {
            resource = FindWindowsResource(file, kPropertyResourceType, static_cast<std::uint16_t>(kPropertyResourceId),
                                           static_cast<std::uint16_t>(kPropertyResourceLanguage));
        } catch (const WindowsImageError& e) {
            throw NoList(path + " holds no property list: not a well-formed Windows library: " + e.what());
        }
        if (!resource) throw NoList(path + " holds no property list: no " + WindowsResourceName());
        return {path, WindowsResourceName(), PropertyListLayout::Windows, *resource};
    }
    if (IsLibraryCode(file)) {
        const std::string resources = simhost::PropertyFilePath(path);
        if (!fs::exists(resources)) throw NoList(path + " holds no property list: no " + resources + " beside it");
        return InResourceFile(resources);
    }
    return InResourceFile(path);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string Bytes(const std::vector<std::uint8_t>& data) {
    std::string text = std::to_string(data.size()) + " bytes:";
    for (std::uint8_t byte : data) text += " " + Hex(byte, 2).substr(2);
    return text;
}

// A value as the host takes it, by what its key holds; anything else, or a
// record too short for its kind, as its bytes.
std::string Value(const PropertyList& list, const PropertyRecord& record) {
    const std::vector<std::uint8_t>& data = record.data;
    const std::uint32_t key = record.key;
    if (record.vendor != FourCC("8BIM")) return Bytes(data);
    // The parser has checked each string's length byte against its record.
    if (simhost::IsPascalStringKey(key)) return Quoted(std::string(data.begin() + 1, data.begin() + 1 + data[0]));
    if (key == FourCC("8664")) {
        const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
        if (end != data.end()) return Quoted(std::string(data.begin(), end)) + " (C string)";
    } else if (key == FourCC("kind") && data.size() == 4) {
        return "'" + simhost::FourCCText(list.NumberIn(record, 4)) + "'";
    } else if ((key == FourCC("ePVR") || key == FourCC("eSVR")) && data.size() == 4) {
        // Two 16-bit numbers, major first.
        PropertyRecord minor = record;
        minor.data.erase(minor.data.begin(), minor.data.begin() + 2);
        return std::to_string(list.NumberIn(record, 2)) + "." + std::to_string(list.NumberIn(minor, 2));
    } else if (key == FourCC("eINF") && data.size() >= 2) {
        return Hex(list.NumberIn(record, 2), 4);
    } else if (data.size() == 4) {
        return Hex(list.NumberIn(record, 4), 8);
    }
    return Bytes(data);
}

}  // namespace

int PrintPropertyList(const std::string& path, std::ostream& out, std::ostream& errors) {
    FoundList found;
    try {
        found = Find(path);
    } catch (const NoList& e) {
        errors << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        errors << path << ": " << e.what() << "\n";
        return 1;
    }
    const char* layout = simhost::LayoutName(found.layout);
    try {
        const PropertyList list = PropertyList::Parse(found.bytes, found.layout);
        out << found.file << ": " << found.where << ", " << layout << " layout ("
            << (found.layout == PropertyListLayout::Mac ? "big-endian, no header word"
                                                        : "little-endian, header word 1")
            << "), list version " << list.ListVersion() << ", " << list.Records().size() << " properties, "
            << found.bytes.size() << " bytes\n";
        for (const PropertyRecord& record : list.Records()) {
            out << "  " << simhost::FourCCText(record.key) << "  " << Value(list, record);
            if (record.vendor != FourCC("8BIM")) out << "  (vendor '" << simhost::FourCCText(record.vendor) << "')";
            out << "\n";
        }
        return 0;
    } catch (const simhost::PropertyListError& e) {
        errors << found.file << ": " << found.where << " is a malformed " << layout << " property list: " << e.what()
               << "\n";
        return 1;
    }
}

}  // namespace pipl
