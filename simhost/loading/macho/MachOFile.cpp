#include "loading/macho/MachOFile.h"

#include <fstream>
#include <iterator>

#include "loading/macho/ByteCursor.h"
#include "loading/macho/MachOError.h"

namespace simhost::macho {

namespace {

constexpr std::uint32_t kUniversalMagic = 0xcafebabe;    // read big-endian
constexpr std::uint32_t kUniversal64Magic = 0xcafebabf;  // read big-endian
constexpr std::uint32_t kThin64Magic = 0xfeedfacf;       // read little-endian
constexpr std::uint32_t kCpuX86_64 = 0x01000007;
constexpr std::uint32_t kBundleFileType = 8;

constexpr std::uint32_t kSegment64Command = 0x19;
constexpr std::uint32_t kDyldInfoCommand = 0x22;
constexpr std::uint32_t kDyldInfoOnlyCommand = 0x80000022;
constexpr std::uint32_t kDyldExportsTrieCommand = 0x80000033;
constexpr std::uint32_t kDyldChainedFixupsCommand = 0x80000034;

constexpr std::size_t kMachHeader64Size = 32;
constexpr std::size_t kSegmentCommand64Size = 72;

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw MachOError("cannot open " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The x86_64 slice of a universal file, or the file itself when thin.
std::vector<std::uint8_t> X86_64Slice(std::vector<std::uint8_t> file) {
    ByteCursor header(file.data(), file.size(), "the file header");
    const std::uint32_t big_magic = file.size() >= 4 ? header.BigU32() : 0;
    if (big_magic != kUniversalMagic && big_magic != kUniversal64Magic) return file;

    const bool wide = big_magic == kUniversal64Magic;
    const std::uint32_t count = header.BigU32();
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t cpu = header.BigU32();
        header.BigU32();  // subtype
        const std::uint64_t offset = wide ? header.BigU64() : header.BigU32();
        const std::uint64_t size = wide ? header.BigU64() : header.BigU32();
        header.BigU32();            // alignment
        if (wide) header.BigU32();  // reserved
        if (cpu != kCpuX86_64) continue;
        if (offset > file.size() || size > file.size() - offset) {
            throw MachOError("the x86_64 slice runs past the end of the file");
        }
        const auto first = file.begin() + static_cast<std::ptrdiff_t>(offset);
        return std::vector<std::uint8_t>(first, first + static_cast<std::ptrdiff_t>(size));
    }
    throw MachOError("a universal file without an x86_64 slice");
}

ByteRange ReadRange(ByteCursor& command, std::size_t slice_size, const char* what) {
    ByteRange range;
    range.offset = command.U32();
    range.size = command.U32();
    if (range.offset > slice_size || range.size > slice_size - range.offset) {
        throw MachOError(std::string("the ") + what + " information runs past the end of the file");
    }
    return range;
}

void ReadSegment(ByteCursor& command, MachOFile& file) {
    Segment segment;
    segment.name = command.FixedString(16);
    segment.vm_address = command.U64();
    segment.vm_size = command.U64();
    segment.file_offset = command.U64();
    segment.file_size = command.U64();
    command.U32();  // maximum protection
    segment.initial_protection = command.U32();
    const std::uint32_t section_count = command.U32();
    command.U32();  // flags
    if (segment.file_offset > file.bytes.size() || segment.file_size > file.bytes.size() - segment.file_offset ||
        segment.file_size > segment.vm_size) {
        throw MachOError("segment " + segment.name + " claims more bytes than the file holds");
    }
    for (std::uint32_t i = 0; i < section_count; ++i) {
        Section section;
        section.name = command.FixedString(16);
        section.segment = command.FixedString(16);
        section.vm_address = command.U64();
        section.size = command.U64();
        command.Seek(command.Offset() + 4 * 4);  // file offset, alignment, relocations
        section.type = command.U32() & 0xff;
        command.Seek(command.Offset() + 3 * 4);  // reserved words
        if (section.type >= kFirstThreadLocalType && section.type <= kLastThreadLocalType) {
            throw MachOError("section " + section.segment + "," + section.name +
                             " holds thread-local variables, which this loader does not set up");
        }
        if (section.type == kInitialiserPointers || section.type == kTerminatorPointers) {
            throw MachOError("section " + section.segment + "," + section.name +
                             " lists static initialisers or terminators, which this loader does not run");
        }
        file.sections.push_back(section);
    }
    file.segments.push_back(segment);
}

}  // namespace

const Section* MachOFile::FindSection(const std::string& segment, const std::string& name) const {
    for (const Section& section : sections) {
        if (section.segment == segment && section.name == name) return &section;
    }
    return nullptr;
}

MachOFile ReadX86_64Bundle(const std::string& path) {
    MachOFile file;
    file.bytes = X86_64Slice(ReadWholeFile(path));
    ByteCursor header(file.bytes.data(), file.bytes.size(), "the Mach-O header");
    if (file.bytes.size() < kMachHeader64Size || header.U32() != kThin64Magic) {
        throw MachOError("not a Mach-O file");
    }
    if (header.U32() != kCpuX86_64) throw MachOError("a Mach-O file without x86_64 code");
    header.U32();  // subtype
    const std::uint32_t file_type = header.U32();
    if (file_type != kBundleFileType) {
        throw MachOError("a Mach-O file of type " + std::to_string(file_type) + ", not a bundle (8)");
    }
    const std::uint32_t command_count = header.U32();
    const std::uint32_t commands_size = header.U32();
    if (commands_size > file.bytes.size() - kMachHeader64Size) {
        throw MachOError("the load commands run past the end of the file");
    }

    bool has_dyld_info = false;
    std::size_t next = kMachHeader64Size;
    for (std::uint32_t i = 0; i < command_count; ++i) {
        ByteCursor head(file.bytes.data() + next, kMachHeader64Size + commands_size - next, "load command");
        const std::uint32_t kind = head.U32();
        const std::uint32_t size = head.U32();
        if (size < 8 || size > kMachHeader64Size + commands_size - next) {
            throw MachOError("load command " + std::to_string(i) + " has a size of " + std::to_string(size));
        }
        ByteCursor command(file.bytes.data() + next, size, "load command " + std::to_string(i));
        command.Seek(8);
        switch (kind) {
            case kSegment64Command:
                if (size < kSegmentCommand64Size) throw MachOError("a segment command too short");
                ReadSegment(command, file);
                break;
            case kDyldInfoCommand:
            case kDyldInfoOnlyCommand:
                file.rebases = ReadRange(command, file.bytes.size(), "rebase");
                file.binds = ReadRange(command, file.bytes.size(), "bind");
                // Weak binds only let a definition give way to another
                // image's; the bundle is the only image here.
                ReadRange(command, file.bytes.size(), "weak bind");
                file.lazy_binds = ReadRange(command, file.bytes.size(), "lazy bind");
                file.exports = ReadRange(command, file.bytes.size(), "export");
                has_dyld_info = true;
                break;
            case kDyldExportsTrieCommand:
                file.exports = ReadRange(command, file.bytes.size(), "export");
                break;
            case kDyldChainedFixupsCommand:
                throw MachOError("it uses chained fixups (macOS 12 and later), which this loader does not read");
            default:
                break;
        }
        next += size;
    }
    if (!has_dyld_info) throw MachOError("no dyld information (rebases, binds, exports)");
    if (file.segments.empty()) throw MachOError("no segments");
    return file;
}

}  // namespace simhost::macho
