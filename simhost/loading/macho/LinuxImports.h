// What the bundle's imports from macOS's libSystem are bound to on Linux.
// The two systems share the x86_64 calling convention, so most imports
// bind straight to glibc's or libgcc's function of the same name; the few
// where macOS differs get a shim or data laid out as macOS lays it out.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace simhost::macho {

// The data imports point into, laid out as macOS has it; held by the
// loaded bundle for as long as its code may read it.
struct MacSystemData {
    MacSystemData();

    // __stderrp: macOS's standard error is a variable holding the FILE*.
    std::FILE* standard_error;
    // _DefaultRuneLocale: the C locale's character-type table, which
    // macOS's <ctype.h> reads inline (the C++ runtime's demangler does).
    alignas(8) std::array<std::uint32_t, 802> rune_locale;
};

// The address the import `symbol` (spelled as the Mach-O file spells it,
// with its leading underscore) binds to. Throws MachOError naming the
// import when Linux has no equivalent.
void* LinuxAddressOf(const std::string& symbol, MacSystemData& data);

}  // namespace simhost::macho
