#include "loading/PropertyList.h"

#include <algorithm>

namespace simhost {

namespace {

constexpr std::size_t kHeaderSize = 10;
constexpr std::size_t kRecordHeadSize = 16;
constexpr std::uint32_t kHostVendor = FourCC("8BIM");

std::uint32_t ReadNumber(const std::uint8_t* bytes, std::size_t width, ByteOrder order) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t index = order == ByteOrder::Big ? i : width - 1 - i;
        value = (value << 8) | bytes[index];
    }
    return value;
}

}  // namespace

std::string FourCCText(std::uint32_t code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return text;
}

PropertyList PropertyList::Parse(const std::vector<std::uint8_t>& bytes, ByteOrder order) {
    if (bytes.size() < kHeaderSize) {
        throw PropertyListError("property list of " + std::to_string(bytes.size()) +
                                " bytes is shorter than its header");
    }
    PropertyList list;
    list.order_ = order;
    const std::uint32_t header_word = ReadNumber(bytes.data(), 2, order);
    if (header_word != 1) {
        throw PropertyListError("property list header starts with " + std::to_string(header_word) +
                                ", not 1");
    }
    list.list_version_ = ReadNumber(bytes.data() + 2, 4, order);
    const std::uint32_t count = ReadNumber(bytes.data() + 6, 4, order);

    std::size_t offset = kHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - offset < kRecordHeadSize) {
            throw PropertyListError("property list claims " + std::to_string(count) +
                                    " properties but ends after " + std::to_string(i));
        }
        const std::uint8_t* head = bytes.data() + offset;
        PropertyRecord record{ReadNumber(head, 4, order), ReadNumber(head + 4, 4, order),
                              ReadNumber(head + 8, 4, order), offset, {}};
        const std::uint32_t length = ReadNumber(head + 12, 4, order);
        const std::size_t padded = (static_cast<std::size_t>(length) + 3) & ~std::size_t{3};
        const std::size_t data_offset = offset + kRecordHeadSize;
        // The last record's padding may be missing; its data may not.
        if (bytes.size() - data_offset < length) {
            throw PropertyListError("property '" + FourCCText(record.key) + "' claims " +
                                    std::to_string(length) + " bytes, the list holds " +
                                    std::to_string(bytes.size() - data_offset));
        }
        record.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(data_offset),
                           bytes.begin() + static_cast<std::ptrdiff_t>(data_offset + length));
        list.records_.push_back(std::move(record));
        offset = data_offset + std::min(padded, bytes.size() - data_offset);
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

std::optional<std::uint32_t> PropertyList::Number(std::uint32_t key, std::size_t width) const {
    const PropertyRecord* record = Find(key);
    if (record == nullptr) return std::nullopt;
    if (record->data.size() < width) {
        throw PropertyListError("property '" + FourCCText(key) + "' has " +
                                std::to_string(record->data.size()) + " bytes, too few for its value");
    }
    return ReadNumber(record->data.data(), width, order_);
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
