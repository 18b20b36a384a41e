#include "WindowsResourceReader.h"

namespace pipl {

namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kHighBit = 0x80000000u;

class LittleEndianReader {
public:
    explicit LittleEndianReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint32_t At(std::size_t offset, std::size_t width, const char* what) const {
        if (offset > bytes_.size() || bytes_.size() - offset < width) {
            throw WindowsImageError(std::string("the file ends inside its ") + what);
        }
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes_[offset + i];
        return value;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
};

struct Section {
    std::uint32_t address;
    std::uint32_t size;
    std::uint32_t file_offset;
};

// The sections of the image, and where its resource directory starts.
class Image {
public:
    explicit Image(const std::vector<std::uint8_t>& file) : in_(file) {
        const std::size_t pe = in_.At(0x3C, 4, "DOS header");
        if (in_.At(pe, 4, "PE signature") != kPeSignature) throw WindowsImageError("no PE signature");
        const std::size_t sections = in_.At(pe + 6, 2, "COFF header");
        const std::size_t optional_size = in_.At(pe + 20, 2, "COFF header");
        const std::size_t optional = pe + 4 + kCoffHeaderSize;
        const std::uint32_t magic = in_.At(optional, 2, "optional header");
        if (magic != kPe32Magic && magic != kPe32PlusMagic) {
            throw WindowsImageError("unknown optional header magic " + std::to_string(magic));
        }
        const std::size_t counts_at = optional + (magic == kPe32PlusMagic ? 108 : 92);
        const std::size_t directory_count = in_.At(counts_at, 4, "optional header");
        if (directory_count > kResourceDirectoryIndex) {
            resources_ = in_.At(counts_at + 4 + 8 * kResourceDirectoryIndex, 4, "data directories");
        }
        const std::size_t table = optional + optional_size;
        for (std::size_t i = 0; i < sections; ++i) {
            const std::size_t header = table + i * kSectionHeaderSize;
            const std::uint32_t virtual_size = in_.At(header + 8, 4, "section table");
            const std::uint32_t raw_size = in_.At(header + 16, 4, "section table");
            sections_.push_back({in_.At(header + 12, 4, "section table"),
                                 virtual_size > raw_size ? raw_size : virtual_size,
                                 in_.At(header + 20, 4, "section table")});
        }
    }

    // The file offset of an address in the loaded image.
    std::size_t Offset(std::uint32_t address, const char* what) const {
        for (const Section& section : sections_) {
            if (address >= section.address && address - section.address < section.size) {
                return std::size_t{section.file_offset} + (address - section.address);
            }
        }
        throw WindowsImageError(std::string("the ") + what + " lies in no section's data");
    }

    std::uint32_t ResourceAddress() const { return resources_; }
    const LittleEndianReader& In() const { return in_; }

private:
    LittleEndianReader in_;
    std::vector<Section> sections_;
    std::uint32_t resources_ = 0;
};

// A directory entry's name: a string (stored as UTF-16) or a number.
bool NameMatches(const LittleEndianReader& in, std::size_t root, std::uint32_t name, const std::string& wanted) {
    if ((name & kHighBit) == 0) return false;
    const std::size_t at = root + (name & ~kHighBit);
    const std::size_t length = in.At(at, 2, "resource name");
    if (length != wanted.size()) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (in.At(at + 2 + 2 * i, 2, "resource name") != static_cast<unsigned char>(wanted[i])) return false;
    }
    return true;
}

// The entry of the directory at `directory` whose name is `type` or whose
// id is `id`; the offset it points at, or empty.
std::optional<std::uint32_t> FindEntry(const LittleEndianReader& in, std::size_t root, std::size_t directory,
                                       const std::string* type, std::uint32_t id) {
    const std::size_t named = in.At(directory + 12, 2, "resource directory");
    const std::size_t numbered = in.At(directory + 14, 2, "resource directory");
    for (std::size_t i = 0; i < named + numbered; ++i) {
        const std::size_t entry = directory + 16 + 8 * i;
        const std::uint32_t name = in.At(entry, 4, "resource directory");
        const bool matches = type != nullptr ? NameMatches(in, root, name, *type) : name == id;
        if (matches) return in.At(entry + 4, 4, "resource directory");
    }
    return std::nullopt;
}

}  // namespace

bool LooksLikeWindowsImage(const std::vector<std::uint8_t>& file) {
    return file.size() >= 2 && file[0] == 'M' && file[1] == 'Z';
}

std::optional<std::vector<std::uint8_t>> FindWindowsResource(const std::vector<std::uint8_t>& file,
                                                             const std::string& type, std::uint16_t id,
                                                             std::uint16_t language) {
    const Image image(file);
    if (image.ResourceAddress() == 0) return std::nullopt;
    const LittleEndianReader& in = image.In();
    const std::size_t root = image.Offset(image.ResourceAddress(), "resource directory");

    // Type, then id, then language: two subdirectories, then the data entry.
    std::size_t directory = root;
    const std::uint32_t keys[] = {0, id, language};
    for (int level = 0; level < 3; ++level) {
        const std::optional<std::uint32_t> next =
            FindEntry(in, root, directory, level == 0 ? &type : nullptr, keys[level]);
        if (!next) return std::nullopt;
        const bool subdirectory = (*next & kHighBit) != 0;
        if (subdirectory != (level < 2)) throw WindowsImageError("the resource directory is malformed");
        directory = root + (*next & ~kHighBit);
    }
    const std::uint32_t address = in.At(directory, 4, "resource data entry");
    const std::uint32_t size = in.At(directory + 4, 4, "resource data entry");
    const std::size_t offset = image.Offset(address, "resource data");
    if (offset > file.size() || file.size() - offset < size) throw WindowsImageError("the resource data runs past the end of the file");
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(size));
}

}  // namespace pipl
