// A plug-in's registration property list as the host reads it: the records
// in their stored order, and typed access to the values the host acts on.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace simhost {

// A list that cannot be read; the message says where and why.
class PropertyListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The two ways a host platform lays the list out. Windows: little-endian,
// a 16-bit header word 1 before the list version, and Pascal strings whose
// length field counts their padding. macOS: big-endian, the list version
// first, and Pascal strings whose length field counts the length byte and
// the characters only.
enum class PropertyListLayout { Windows, Mac };
// "Windows" or "macOS", for messages and listings.
const char* LayoutName(PropertyListLayout layout);

// "8BIM" as a four-character code.
constexpr std::uint32_t FourCC(std::string_view code) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<std::uint8_t>(i < code.size() ? code[i] : ' ');
    }
    return value;
}
std::string FourCCText(std::uint32_t code);

// Whether the host reads the property stored under `key` as a Pascal
// string (name, category, match name, the macOS entry points).
bool IsPascalStringKey(std::uint32_t key);

struct PropertyRecord {
    std::uint32_t vendor;
    std::uint32_t key;
    std::uint32_t id;
    std::size_t offset;              // of the record's head within the list
    std::vector<std::uint8_t> data;  // as many bytes as the length field says
};

class PropertyList {
public:
    // Reads `bytes` by the rules of `layout`. Throws PropertyListError for a
    // list that is cut short, claims more than it holds, has the other
    // platform's header, or has a string whose length field disagrees with
    // its length byte.
    static PropertyList Parse(const std::vector<std::uint8_t>& bytes, PropertyListLayout layout);

    const std::vector<PropertyRecord>& Records() const { return records_; }
    std::uint32_t ListVersion() const { return list_version_; }
    // The bytes the header and the records took, padding included.
    std::size_t Size() const { return size_; }
    PropertyListLayout Layout() const { return layout_; }

    // The first record of the host's vendor under `key`, or null.
    const PropertyRecord* Find(std::uint32_t key) const;

    // Typed reads of a property; empty when the list lacks it. A record that
    // is there but too short for its type throws PropertyListError.
    std::optional<std::uint32_t> Code(std::uint32_t key) const { return Number(key, 4); }
    std::optional<std::uint32_t> Long(std::uint32_t key) const { return Number(key, 4); }
    std::optional<std::uint32_t> Short(std::uint32_t key) const { return Number(key, 2); }
    std::optional<std::string> PascalString(std::uint32_t key) const;
    std::optional<std::string> CString(std::uint32_t key) const;
    // A record's leading number of `width` bytes in the list's byte order.
    std::uint32_t NumberIn(const PropertyRecord& record, std::size_t width) const;

private:
    std::optional<std::uint32_t> Number(std::uint32_t key, std::size_t width) const;

    std::vector<PropertyRecord> records_;
    std::uint32_t list_version_ = 0;
    std::size_t size_ = 0;
    PropertyListLayout layout_ = PropertyListLayout::Mac;
};

}  // namespace simhost
