// The x86_64 code of a macOS bundle as its file lays it out: the segments
// to map, the sections the loader acts on, and where dyld's fixup and
// export information lies. Read from a thin file or from the x86_64 slice
// of a universal one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace simhost::macho {

struct Segment {
    std::string name;
    std::uint64_t vm_address;
    std::uint64_t vm_size;
    std::uint64_t file_offset;  // within the slice
    std::uint64_t file_size;
    std::uint32_t initial_protection;  // VM_PROT_READ 1, WRITE 2, EXECUTE 4
};

struct Section {
    std::string segment;
    std::string name;
    std::uint64_t vm_address;
    std::uint64_t size;
    std::uint32_t type;  // the low byte of the section's flags
};

// Where one kind of dyld information lies within the slice.
struct ByteRange {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

struct MachOFile {
    std::vector<std::uint8_t> bytes;  // the x86_64 slice alone
    std::vector<Segment> segments;
    std::vector<Section> sections;
    ByteRange rebases;
    ByteRange binds;
    ByteRange lazy_binds;
    ByteRange exports;

    // Null when the file has no such section.
    const Section* FindSection(const std::string& segment, const std::string& name) const;
};

// Section types the loader refuses: what dyld would run or set up besides
// mapping and binding.
constexpr std::uint32_t kInitialiserPointers = 0x09;
constexpr std::uint32_t kTerminatorPointers = 0x0a;
constexpr std::uint32_t kFirstThreadLocalType = 0x11;
constexpr std::uint32_t kLastThreadLocalType = 0x15;

// Reads the bundle's x86_64 code at `path`. Throws MachOError for a file that is not Mach-O, has no x86_64 slice, is not a
// bundle, or needs what this loader does not do (chained fixups, static
// initialisers, thread-local variables).
MachOFile ReadX86_64Bundle(const std::string& path);

}  // namespace simhost::macho
