#include "loading/macho/ByteCursor.h"

namespace simhost::macho {

void ByteCursor::Need(std::size_t count) const {
    if (offset_ > size_ || size_ - offset_ < count) {
        throw MachOError(what_ + " ends early (at byte " + std::to_string(offset_) + " of " +
                         std::to_string(size_) + ")");
    }
}

void ByteCursor::Seek(std::size_t offset) {
    if (offset > size_) {
        throw MachOError(what_ + ": offset " + std::to_string(offset) + " lies past its " +
                         std::to_string(size_) + " bytes");
    }
    offset_ = offset;
}

std::uint8_t ByteCursor::Byte() {
    Need(1);
    return data_[offset_++];
}

std::uint16_t ByteCursor::U16() {
    Need(2);
    const std::uint16_t value = static_cast<std::uint16_t>(data_[offset_] | (data_[offset_ + 1] << 8));
    offset_ += 2;
    return value;
}

std::uint32_t ByteCursor::U32() {
    Need(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[offset_ + static_cast<std::size_t>(i)];
    offset_ += 4;
    return value;
}

std::uint64_t ByteCursor::U64() {
    const std::uint64_t low = U32();
    return low | (static_cast<std::uint64_t>(U32()) << 32);
}

std::uint32_t ByteCursor::BigU32() {
    Need(4);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | data_[offset_ + i];
    offset_ += 4;
    return value;
}

std::uint64_t ByteCursor::BigU64() {
    const std::uint64_t high = BigU32();
    return (high << 32) | BigU32();
}

std::uint64_t ByteCursor::Uleb() {
    std::uint64_t value = 0;
    for (unsigned shift = 0;; shift += 7) {
        const std::uint8_t byte = Byte();
        if (shift >= 64) throw MachOError(what_ + ": a number runs past 64 bits");
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) return value;
    }
}

std::int64_t ByteCursor::Sleb() {
    std::uint64_t value = 0;
    unsigned shift = 0;
    std::uint8_t byte = 0;
    do {
        byte = Byte();
        if (shift >= 64) throw MachOError(what_ + ": a number runs past 64 bits");
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        shift += 7;
    } while ((byte & 0x80) != 0);
    if (shift < 64 && (byte & 0x40) != 0) value |= ~std::uint64_t{0} << shift;
    return static_cast<std::int64_t>(value);
}

std::string ByteCursor::CString() {
    std::string text;
    for (std::uint8_t c = Byte(); c != 0; c = Byte()) text.push_back(static_cast<char>(c));
    return text;
}

std::string ByteCursor::FixedString(std::size_t width) {
    Need(width);
    std::string text;
    for (std::size_t i = 0; i < width && data_[offset_ + i] != 0; ++i) {
        text.push_back(static_cast<char>(data_[offset_ + i]));
    }
    offset_ += width;
    return text;
}

}  // namespace simhost::macho
