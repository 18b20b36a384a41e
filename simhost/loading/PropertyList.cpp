#include "loading/PropertyList.h"

#include <algorithm>
#include <cstdio>

namespace simhost {

namespace {

constexpr std::size_t kWindowsHeaderSize = 2 + 4 + 4;
constexpr std::size_t kMacHeaderSize = 4 + 4;
constexpr std::size_t kRecordHeadSize = 16;
constexpr std::uint32_t kHostVendor = FourCC("8BIM");

std::size_t PaddedToFour(std::size_t size) { return (size + 3) & ~std::size_t{3}; }

std::uint32_t ReadNumber(const std::uint8_t* bytes, std::size_t width, PropertyListLayout layout) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t index = layout == PropertyListLayout::Mac ? i : width - 1 - i;
        value = (value << 8) | bytes[index];
    }
    return value;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < bytes.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof(byte), "%02x", bytes[i]);
        text += (i == 0 ? "" : " ") + std::string(byte);
    }
    return text;
}

// The header up to the property count; the offset of the first record.
std::size_t ReadHeader(const std::vector<std::uint8_t>& bytes, PropertyListLayout layout,
                       std::uint32_t& version, std::uint32_t& count) {
    const bool windows = layout == PropertyListLayout::Windows;
    const std::size_t header_size = windows ? kWindowsHeaderSize : kMacHeaderSize;
    if (bytes.size() < header_size) {
        throw PropertyListError("a " + std::string(LayoutName(layout)) + " property list of " +
                                std::to_string(bytes.size()) + " bytes is shorter than its header");
    }
    const std::size_t at = windows ? 2 : 0;
    version = ReadNumber(bytes.data() + at, 4, layout);
    count = ReadNumber(bytes.data() + at + 4, 4, layout);
    if (windows) {
        const std::uint32_t word = ReadNumber(bytes.data(), 2, layout);
        if (word != 1) {
            const std::string found = "it begins " + HexBytes(bytes, 8);
            throw PropertyListError(
                "not a Windows property list: " + found +
                (ReadNumber(bytes.data(), 4, PropertyListLayout::Mac) == 0
                     ? ", the list version 0 with no header word before it, as a macOS list begins"
                     : ", where the header word 1 belongs"));
        }
    } else if (version != 0) {
        // The 16-bit word 1 of the Windows resource, in either byte order.
        const bool windows_word = (bytes[0] == 0 && bytes[1] == 1) || (bytes[0] == 1 && bytes[1] == 0);
        throw PropertyListError(
            "not a macOS property list: it begins " + HexBytes(bytes, 8) +
            (windows_word ? ", the 16-bit header word 1 that only a Windows list has"
                          : ", list version " + Hex(version) + " where a macOS list has version 0"));
    }
    if (version != 0) {
        throw PropertyListError("property list version " + Hex(version) + ", not 0");
    }
    return header_size;
}

// A Pascal string's length field by the layout's rule: the length byte and
// the characters, on Windows with the padding that follows them.
void CheckStringLength(const PropertyRecord& record, std::uint32_t length, PropertyListLayout layout) {
    const std::string key = "property '" + FourCCText(record.key) + "'";
    if (record.data.empty()) throw PropertyListError(key + " is an empty string record, without its length byte");
    const std::size_t characters = record.data[0];
    const std::size_t expected =
        layout == PropertyListLayout::Mac ? 1 + characters : PaddedToFour(1 + characters);
    if (length != expected) {
        throw PropertyListError(key + " has length field " + std::to_string(length) +
                                " but its length byte says " + std::to_string(characters) +
                                " characters: a " + LayoutName(layout) + " list gives " +
                                std::to_string(expected));
    }
}

}  // namespace

const char* LayoutName(PropertyListLayout layout) {
    return layout == PropertyListLayout::Mac ? "macOS" : "Windows";
}

std::string FourCCText(std::uint32_t code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return text;
}

bool IsPascalStringKey(std::uint32_t key) {
    for (const char* text : {"name", "catg", "eMNA", "mi64", "ma64"}) {
        if (key == FourCC(text)) return true;
    }
    return false;
}

PropertyList PropertyList::Parse(const std::vector<std::uint8_t>& bytes, PropertyListLayout layout) {
    PropertyList list;
    list.layout_ = layout;
    std::uint32_t count = 0;
    std::size_t offset = ReadHeader(bytes, layout, list.list_version_, count);

    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - offset < kRecordHeadSize) {
            throw PropertyListError("property list claims " + std::to_string(count) +
                                    " properties but ends after " + std::to_string(i));
        }
        const std::uint8_t* head = bytes.data() + offset;
        PropertyRecord record{ReadNumber(head, 4, layout), ReadNumber(head + 4, 4, layout),
                              ReadNumber(head + 8, 4, layout), offset, {}};
        const std::uint32_t length = ReadNumber(head + 12, 4, layout);
        const std::size_t data_offset = offset + kRecordHeadSize;
        // The last record's padding may be missing; its data may not.
        if (bytes.size() - data_offset < length) {
            throw PropertyListError("property '" + FourCCText(record.key) + "' claims " +
                                    std::to_string(length) + " bytes, the list holds " +
                                    std::to_string(bytes.size() - data_offset));
        }
        record.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(data_offset),
                           bytes.begin() + static_cast<std::ptrdiff_t>(data_offset + length));
        if (record.vendor == kHostVendor && IsPascalStringKey(record.key)) {
            CheckStringLength(record, length, layout);
        }
        list.records_.push_back(std::move(record));
        offset = data_offset + std::min(PaddedToFour(length), bytes.size() - data_offset);
    }
    list.size_ = offset;
    return list;
}

const PropertyRecord* PropertyList::Find(std::uint32_t key) const {
    for (const PropertyRecord& record : records_) {
        if (record.vendor == kHostVendor && record.key == key) return &record;
    }
    return nullptr;
}

std::uint32_t PropertyList::NumberIn(const PropertyRecord& record, std::size_t width) const {
    if (record.data.size() < width) {
        throw PropertyListError("property '" + FourCCText(record.key) + "' has " +
                                std::to_string(record.data.size()) + " bytes, too few for its value");
    }
    return ReadNumber(record.data.data(), width, layout_);
}

std::optional<std::uint32_t> PropertyList::Number(std::uint32_t key, std::size_t width) const {
    const PropertyRecord* record = Find(key);
    if (record == nullptr) return std::nullopt;
    return NumberIn(*record, width);
}

std::optional<std::string> PropertyList::PascalString(std::uint32_t key) const {
    const PropertyRecord* record = Find(key);
    if (record == nullptr) return std::nullopt;
    if (record->data.empty() || record->data[0] + std::size_t{1} > record->data.size()) {
        throw PropertyListError("property '" + FourCCText(key) + "' is not a complete counted string");
    }
    return std::string(record->data.begin() + 1, record->data.begin() + 1 + record->data[0]);
}

std::optional<std::string> PropertyList::CString(std::uint32_t key) const {
    const PropertyRecord* record = Find(key);
    if (record == nullptr) return std::nullopt;
    const auto end = std::find(record->data.begin(), record->data.end(), std::uint8_t{0});
    if (end == record->data.end()) {
        throw PropertyListError("property '" + FourCCText(key) + "' has no terminating zero");
    }
    return std::string(record->data.begin(), end);
}

}  // namespace simhost
