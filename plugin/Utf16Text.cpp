#include "Utf16Text.h"

#include "shared_array.h"

void CopyAsUtf16(const std::string& bytes, A_UTF16Char* units) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        units[i] = static_cast<A_UTF16Char>(static_cast<unsigned char>(bytes[i]));
        if (bytes[i] == '\0') return;
    }
    units[bytes.size()] = 0;
}

NarrowName NarrowFromUnits(const A_UTF16Char* units, std::size_t size) {
    const std::size_t count = size / sizeof(A_UTF16Char);
    shared_array<char> bytes(new char[size + 1]);
    bool seven_bit = true;
    std::size_t length = 0;
    for (; length < count; ++length) {
        bytes.get()[length] = static_cast<char>(units[length] & 0xFF);
        if (units[length] > 0x7F) seven_bit = false;
        if (units[length] == 0) break;
    }
    bytes.get()[length < count ? length : count] = '\0';
    return {bytes.get(), seven_bit};
}
