// macOS unwinds a bundle's frames from its __unwind_info section, whose
// entries are compact encodings; libgcc's unwinder reads DWARF call-frame
// information only. This turns each compact entry into a DWARF frame
// description, in an .eh_frame layout ready for __register_frame, so that
// a C++ exception thrown in the bundle's code finds its handler. (The
// bundle's own __eh_frame, as the cross-linker writes it, cannot stand in:
// its function addresses were never relocated.)
//
// The rules describe each function after its prologue, which is where
// every call site lies, and call sites are the only places an exception
// unwinds from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace simhost::macho {

// The DWARF instructions that give a function's frame from its x86_64
// compact encoding, after the common start every frame description here
// shares (the frame's address is rsp + 8, the return address under it).
// `function` is the function's mapped code, `function_size` bytes, read
// for a frame size held in its own `sub` instruction. Throws MachOError
// for an encoding that asks for DWARF from __eh_frame or cannot be read.
std::vector<std::uint8_t> FrameInstructions(std::uint32_t encoding, const std::uint8_t* function,
                                            std::size_t function_size);

// The .eh_frame bytes (zero-terminated) for every function the section
// describes. `image` is the mapped Mach-O header, which the section's
// offsets count from, and `image_size` bytes are mapped from it; the
// section lies at `image + section_offset`, its personality pointers
// already bound. Addresses in the result are absolute, so the bytes stand
// only for this mapping.
std::vector<std::uint8_t> TranslateUnwindInfo(const std::uint8_t* image, std::size_t image_size,
                                              std::uint64_t section_offset, std::uint64_t section_size);

}  // namespace simhost::macho
