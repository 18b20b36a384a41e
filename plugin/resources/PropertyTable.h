// The vocabulary of the registration property list: what one property is
// and how its value is laid out. The effect's own list is in
// DorvaneProperties.h; PropertyListEncoding.h turns a list into bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dorvane {

// A four-character code as the host compares it: the number whose
// big-endian bytes are the characters.
constexpr std::uint32_t FourCharCode(std::string_view code) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<std::uint8_t>(i < code.size() ? code[i] : ' ');
    }
    return value;
}

// Every property of the host's list belongs to this vendor.
constexpr std::uint32_t kPropertyVendor = FourCharCode("8BIM");

enum class PropertyEncoding {
    FourCharCode,    // one code: 4 bytes
    PascalString,    // a length byte and the characters, zero-padded to 4
    EntryPointName,  // the entry function; key and string form depend on the platform
    VersionPair,     // two 16-bit numbers, major first
    Long,            // one 32-bit number
    Short,           // one 16-bit number; the length counts 2, 2 zero bytes follow
};

struct Property {
    std::uint32_t key;  // unused for EntryPointName, whose key is the platform's
    PropertyEncoding encoding;
    std::uint32_t number = 0;  // the code, the number, or the major version
    std::uint32_t minor = 0;   // VersionPair only
    std::string_view text{};   // PascalString and EntryPointName only
};

constexpr Property CodeProperty(std::string_view key, std::string_view code) {
    return {FourCharCode(key), PropertyEncoding::FourCharCode, FourCharCode(code)};
}
constexpr Property TextProperty(std::string_view key, std::string_view text) {
    return {FourCharCode(key), PropertyEncoding::PascalString, 0, 0, text};
}
constexpr Property EntryPointProperty(std::string_view function_name) {
    return {0, PropertyEncoding::EntryPointName, 0, 0, function_name};
}
constexpr Property VersionProperty(std::string_view key, std::uint32_t major, std::uint32_t minor) {
    return {FourCharCode(key), PropertyEncoding::VersionPair, major, minor};
}
constexpr Property LongProperty(std::string_view key, std::uint32_t value) {
    return {FourCharCode(key), PropertyEncoding::Long, value};
}
constexpr Property ShortProperty(std::string_view key, std::uint32_t value) {
    return {FourCharCode(key), PropertyEncoding::Short, value};
}

// The property of a list stored under `key`; a list without one is a
// programming error, so in a constant expression it fails to compile.
template <class List>
constexpr const Property& FindProperty(const List& list, std::string_view key) {
    for (const Property& property : list) {
        if (property.encoding != PropertyEncoding::EntryPointName && property.key == FourCharCode(key)) {
            return property;
        }
    }
    throw "no such property";
}

}  // namespace dorvane
