// Turns a registration property table into the bytes a host platform reads.
// Everything here is constexpr, so the build can hold the finished list as
// a constant and check its size before anything runs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "resources/PropertyTable.h"

namespace dorvane {

enum class PropertyListTarget {
    WindowsX64,    // little-endian, entry point under '8664' as a C string
    MacX86_64,     // big-endian, entry point under 'mi64' as a Pascal string
    MacUniversal,  // as MacX86_64, plus 'ma64' for the arm64 slice
};

// The two platforms lay the list out differently beyond byte order: the
// Windows resource starts with a 16-bit word the macOS list does not have,
// and its Pascal strings count their padding in the length field, where the
// macOS list counts the length byte and the characters only.

constexpr std::uint32_t kEntryPointKeyWin64 = FourCharCode("8664");
constexpr std::uint32_t kEntryPointKeyMacX86_64 = FourCharCode("mi64");
constexpr std::uint32_t kEntryPointKeyMacArm64 = FourCharCode("ma64");

// The Windows resource's leading word, and the list version both carry.
constexpr std::uint16_t kWindowsPropertyListHeaderWord = 1;
constexpr std::uint32_t kPropertyListVersion = 0;

constexpr std::size_t PaddedToFour(std::size_t size) { return (size + 3) & ~std::size_t{3}; }

// Counts bytes without keeping them.
struct ByteCounter {
    std::size_t size = 0;
    constexpr void Put(std::uint8_t) { ++size; }
};

template <std::size_t N>
struct ByteArray {
    std::array<std::uint8_t, N> bytes{};
    std::size_t size = 0;
    constexpr void Put(std::uint8_t byte) { bytes[size++] = byte; }
};

struct ByteVector {
    std::vector<std::uint8_t> bytes;
    void Put(std::uint8_t byte) { bytes.push_back(byte); }
};

namespace detail {

template <class Sink>
class ListWriter {
public:
    constexpr ListWriter(Sink& sink, PropertyListTarget target)
        : sink_(sink), windows_(target == PropertyListTarget::WindowsX64) {}

    constexpr bool Windows() const { return windows_; }

    constexpr void Put16(std::uint32_t value) { PutNumber(value, 2); }
    constexpr void Put32(std::uint32_t value) { PutNumber(value, 4); }
    constexpr void PutByte(std::uint32_t value) { sink_.Put(static_cast<std::uint8_t>(value & 0xFF)); }
    constexpr void PutZeros(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) sink_.Put(0);
    }
    constexpr void PutText(std::string_view text) {
        for (char c : text) sink_.Put(static_cast<std::uint8_t>(c));
    }

    constexpr void PutHead(std::uint32_t key, std::size_t data_length) {
        Put32(kPropertyVendor);
        Put32(key);
        Put32(0);  // property id
        Put32(static_cast<std::uint32_t>(data_length));
    }

    constexpr void PutPascalString(std::uint32_t key, std::string_view text) {
        // The length byte cannot describe more.
        if (text.size() > 255) throw std::length_error("property text longer than 255 characters");
        const std::size_t padded = PaddedToFour(1 + text.size());
        PutHead(key, windows_ ? padded : 1 + text.size());
        PutByte(static_cast<std::uint32_t>(text.size()));
        PutText(text);
        PutZeros(padded - 1 - text.size());
    }

    constexpr void PutCString(std::uint32_t key, std::string_view text) {
        const std::size_t padded = PaddedToFour(text.size() + 1);
        PutHead(key, padded);
        PutText(text);
        PutZeros(padded - text.size());
    }

private:
    constexpr void PutNumber(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            const int shift = windows_ ? 8 * i : 8 * (bytes - 1 - i);
            PutByte(value >> shift);
        }
    }

    Sink& sink_;
    bool windows_;  // little-endian, and the Windows string lengths
};

constexpr std::size_t RecordsFor(const Property& property, PropertyListTarget target) {
    if (property.encoding != PropertyEncoding::EntryPointName) return 1;
    return target == PropertyListTarget::MacUniversal ? 2 : 1;
}

}  // namespace detail

// Writes the whole list, header first, into `sink`.
template <class Sink, class List>
constexpr void EncodePropertyList(const List& list, PropertyListTarget target, Sink& sink) {
    detail::ListWriter<Sink> out(sink, target);
    std::size_t records = 0;
    for (const Property& property : list) records += detail::RecordsFor(property, target);

    if (out.Windows()) out.Put16(kWindowsPropertyListHeaderWord);
    out.Put32(kPropertyListVersion);
    out.Put32(static_cast<std::uint32_t>(records));
    for (const Property& property : list) {
        switch (property.encoding) {
            case PropertyEncoding::FourCharCode:
            case PropertyEncoding::Long:
                out.PutHead(property.key, 4);
                out.Put32(property.number);
                break;
            case PropertyEncoding::VersionPair:
                out.PutHead(property.key, 4);
                out.Put16(property.number);
                out.Put16(property.minor);
                break;
            case PropertyEncoding::Short:
                if (property.number > 0xFFFF) throw std::out_of_range("16-bit property out of range");
                out.PutHead(property.key, 2);
                out.Put16(property.number);
                out.PutZeros(2);
                break;
            case PropertyEncoding::PascalString:
                out.PutPascalString(property.key, property.text);
                break;
            case PropertyEncoding::EntryPointName:
                if (target == PropertyListTarget::WindowsX64) {
                    out.PutCString(kEntryPointKeyWin64, property.text);
                } else {
                    out.PutPascalString(kEntryPointKeyMacX86_64, property.text);
                    if (target == PropertyListTarget::MacUniversal) {
                        out.PutPascalString(kEntryPointKeyMacArm64, property.text);
                    }
                }
                break;
        }
    }
}

template <class List>
constexpr std::size_t EncodedPropertyListSize(const List& list, PropertyListTarget target) {
    ByteCounter counter;
    EncodePropertyList(list, target, counter);
    return counter.size;
}

// The list as a constant; N must be EncodedPropertyListSize(list, target).
template <std::size_t N, class List>
constexpr std::array<std::uint8_t, N> EncodedPropertyList(const List& list, PropertyListTarget target) {
    ByteArray<N> out;
    EncodePropertyList(list, target, out);
    return out.bytes;
}

template <class List>
std::vector<std::uint8_t> EncodePropertyListBytes(const List& list, PropertyListTarget target) {
    ByteVector out;
    EncodePropertyList(list, target, out);
    return out.bytes;
}

}  // namespace dorvane
