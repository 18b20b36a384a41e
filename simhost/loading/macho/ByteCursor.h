// Bounded reads from a Mach-O file's bytes: every read past the end of its
// range is a MachOError naming what was being read, never a stray access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "loading/macho/MachOError.h"

namespace simhost::macho {

class ByteCursor {
public:
    // Reads `size` bytes from `data`; `what` names them in errors.
    ByteCursor(const std::uint8_t* data, std::size_t size, std::string what)
        : data_(data), size_(size), what_(std::move(what)) {}

    bool AtEnd() const { return offset_ >= size_; }
    std::size_t Offset() const { return offset_; }
    void Seek(std::size_t offset);

    std::uint8_t Byte();
    // Little-endian, as everything in an x86_64 image is.
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    // Big-endian, as the universal file's header is.
    std::uint32_t BigU32();
    std::uint64_t BigU64();
    std::uint64_t Uleb();
    std::int64_t Sleb();
    // A NUL-terminated string; the terminator is consumed.
    std::string CString();
    // A fixed-width name field, NUL-padded.
    std::string FixedString(std::size_t width);

private:
    void Need(std::size_t count) const;

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    std::string what_;
};

}  // namespace simhost::macho
