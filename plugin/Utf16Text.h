// Names cross between the effect's byte strings and the host's UTF-16 code
// units one unit per byte, both ways. Every name the effect writes is 7-bit
// ASCII, where the two agree exactly; a unit above 0xFF keeps only its low
// byte on the way in, which is why a name read from the host says whether
// it was 7-bit at all.
#pragma once

#include <cstddef>
#include <string>

#include "AE_GeneralPlug.h"

// Copies the bytes into `units`, each byte one unit (a byte from 0x80 up
// keeps its value, which reads it as Latin-1), up to and including the first
// NUL, or all of them and a terminating 0; `units` has room for
// bytes.size() + 1.
void CopyAsUtf16(const std::string& bytes, A_UTF16Char* units);

struct NarrowName {
    std::string text;
    bool seven_bit = false;  // no unit of the name was above 0x7F
};

// The name in a host buffer of `size` bytes of UTF-16 units, up to its first
// 0 unit or the buffer's end, whichever comes first, so that a name that
// lacks its terminator cannot be read past the buffer.
NarrowName NarrowFromUnits(const A_UTF16Char* units, std::size_t size);
