#include "loading/macho/CompactUnwind.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "loading/macho/ByteCursor.h"
#include "loading/macho/MachOError.h"

namespace simhost::macho {

namespace {

// The x86_64 compact encoding's fields.
constexpr std::uint32_t kModeMask = 0x0f000000;
constexpr std::uint32_t kNoModeGiven = 0x00000000;
constexpr std::uint32_t kFrameBasedMode = 0x01000000;  // rbp holds the frame
constexpr std::uint32_t kFramelessMode = 0x02000000;   // a fixed size given here
constexpr std::uint32_t kFramelessIndirectMode = 0x03000000;  // the size in the code's sub
constexpr std::uint32_t kDwarfMode = 0x04000000;
constexpr std::uint32_t kHasLsda = 0x40000000;
constexpr std::uint32_t kPersonalityMask = 0x30000000;
constexpr std::uint32_t kFrameOffsetMask = 0x00ff0000;
constexpr std::uint32_t kFrameRegistersMask = 0x00007fff;
constexpr std::uint32_t kStackSizeMask = 0x00ff0000;
constexpr std::uint32_t kStackAdjustMask = 0x0000e000;
constexpr std::uint32_t kRegisterCountMask = 0x00001c00;
constexpr std::uint32_t kPermutationMask = 0x000003ff;

std::uint32_t Field(std::uint32_t encoding, std::uint32_t mask) {
    std::uint32_t shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    return (encoding & mask) >> shift;
}

// DWARF numbers of the registers a compact encoding names 1 to 6 (rbx,
// r12, r13, r14, r15, rbp).
std::uint8_t DwarfRegister(std::uint32_t compact) {
    constexpr std::uint8_t kNumbers[] = {0, 3, 12, 13, 14, 15, 6};
    if (compact == 0 || compact > 6) {
        throw MachOError("a compact unwind entry names register " + std::to_string(compact));
    }
    return kNumbers[compact];
}

constexpr std::uint8_t kRsp = 7;
constexpr std::uint8_t kRbp = 6;
constexpr std::uint8_t kReturnAddress = 16;
// The data alignment factor, -8, as a signed LEB128 byte.
constexpr std::uint8_t kDataAlignmentMinus8 = 0x78;

constexpr std::uint8_t kDefCfa = 0x0c;
constexpr std::uint8_t kDefCfaOffset = 0x0e;
constexpr std::uint8_t kOffset = 0x80;  // | register, then the factored offset

// The pointer encoding used throughout: an absolute 8-byte address.
constexpr std::uint8_t kAbsolutePointer = 0x00;

void Uleb(std::vector<std::uint8_t>& out, std::uint64_t value) {
    do {
        std::uint8_t byte = value & 0x7f;
        value >>= 7;
        if (value != 0) byte |= 0x80;
        out.push_back(byte);
    } while (value != 0);
}

void U32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void U64(std::vector<std::uint8_t>& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Register `dwarf` is saved `slots` pointer slots below the frame address.
void Saved(std::vector<std::uint8_t>& out, std::uint8_t dwarf, std::int64_t slots) {
    if (slots <= 0) throw MachOError("a compact unwind entry saves a register above its frame");
    out.push_back(static_cast<std::uint8_t>(kOffset | dwarf));
    Uleb(out, static_cast<std::uint64_t>(slots));
}

// Frame-based: push rbp; mov rsp, rbp; the saved registers lie in a run
// `offset` slots below rbp, one register (or none) a slot, given three
// bits each from the first slot up.
std::vector<std::uint8_t> FrameBased(std::uint32_t encoding) {
    std::vector<std::uint8_t> out{kDefCfa, kRbp, 16, static_cast<std::uint8_t>(kOffset | kRbp), 2};
    const std::int64_t offset = Field(encoding, kFrameOffsetMask);
    const std::uint32_t registers = Field(encoding, kFrameRegistersMask);
    for (std::int64_t i = 0; i < 5; ++i) {
        const std::uint32_t compact = (registers >> (3 * i)) & 7;
        if (compact != 0) Saved(out, DwarfRegister(compact), 2 + offset - i);
    }
    return out;
}

// The registers a frameless function saved, from the lowest address up
// (the last pushed first): the encoding numbers their permutation among
// the six the convention saves.
std::vector<std::uint32_t> SavedRegisters(std::uint32_t count, std::uint32_t permutation) {
    if (count > 6) throw MachOError("a compact unwind entry saves " + std::to_string(count) + " registers");
    // Each register's rank among the ones not yet taken, the permutation
    // read in the mixed radix the count calls for; with six registers the
    // last rank is always 0 and not stored.
    const std::uint32_t radices[7][4] = {
        {}, {}, {5}, {20, 4}, {60, 12, 3}, {120, 24, 6, 2}, {120, 24, 6, 2},
    };
    const std::uint32_t divided = count == 6 ? 4 : (count == 0 ? 0 : count - 1);
    std::uint32_t ranks[6] = {};
    std::uint32_t rest = permutation;
    for (std::uint32_t i = 0; i < divided; ++i) {
        ranks[i] = rest / radices[count][i];
        rest %= radices[count][i];
    }
    if (count > 0) ranks[divided] = rest;

    std::vector<std::uint32_t> saved;
    bool taken[7] = {};
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t rank = 0;
        std::uint32_t found = 0;
        for (std::uint32_t compact = 1; compact <= 6 && found == 0; ++compact) {
            if (taken[compact]) continue;
            if (rank == ranks[i]) found = compact;
            ++rank;
        }
        if (found == 0) throw MachOError("a compact unwind entry's register permutation is out of range");
        taken[found] = true;
        saved.push_back(found);
    }
    return saved;
}

// Frameless: the frame address is rsp plus the stack size (return address
// included); the saved registers lie just under the return address.
std::vector<std::uint8_t> Frameless(std::uint32_t encoding, const std::uint8_t* function, std::size_t function_size) {
    std::uint64_t stack_size = 8 * std::uint64_t{Field(encoding, kStackSizeMask)};
    if ((encoding & kModeMask) == kFramelessIndirectMode) {
        // The size is the immediate of the function's `sub $n, %rsp`, at
        // the byte offset the entry gives, plus the pushes it names.
        const std::size_t at = Field(encoding, kStackSizeMask);
        if (function == nullptr || at + 4 > function_size) {
            throw MachOError("a compact unwind entry's frame size lies outside its function");
        }
        std::uint32_t immediate = 0;
        std::memcpy(&immediate, function + at, sizeof(immediate));
        stack_size = immediate + 8 * std::uint64_t{Field(encoding, kStackAdjustMask)};
    }
    std::vector<std::uint8_t> out{kDefCfaOffset};
    Uleb(out, stack_size);
    const std::uint32_t count = Field(encoding, kRegisterCountMask);
    const std::vector<std::uint32_t> saved = SavedRegisters(count, Field(encoding, kPermutationMask));
    for (std::uint32_t i = 0; i < count; ++i) {
        Saved(out, DwarfRegister(saved[i]), 1 + std::int64_t{count} - std::int64_t{i});
    }
    if (stack_size < 8 * (std::uint64_t{count} + 1)) {
        throw MachOError("a compact unwind entry's stack is smaller than its saved registers");
    }
    return out;
}

// Pads an entry begun at `start` to a whole number of 8-byte words with
// DW_CFA_nop and writes its length, which leaves out the length word.
void CloseEntry(std::vector<std::uint8_t>& out, std::size_t start) {
    while ((out.size() - start) % 8 != 0) out.push_back(0);
    const std::uint32_t length = static_cast<std::uint32_t>(out.size() - start - 4);
    for (int i = 0; i < 4; ++i) out[start + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
}

// A common information entry: the rule every frame starts from, and the
// personality routine of the functions that use it (0: none).
std::size_t WriteCie(std::vector<std::uint8_t>& out, std::uint64_t personality) {
    const std::size_t start = out.size();
    U32(out, 0);  // length, set when closed
    U32(out, 0);  // marks a common entry
    out.push_back(1);
    const char* augmentation = personality != 0 ? "zPLR" : "zR";
    out.insert(out.end(), augmentation, augmentation + std::strlen(augmentation) + 1);
    Uleb(out, 1);
    out.push_back(kDataAlignmentMinus8);
    out.push_back(kReturnAddress);
    if (personality != 0) {
        Uleb(out, 1 + 8 + 1 + 1);
        out.push_back(kAbsolutePointer);
        U64(out, personality);
        out.push_back(kAbsolutePointer);  // the LSDA's
    } else {
        Uleb(out, 1);
    }
    out.push_back(kAbsolutePointer);  // the functions'
    out.insert(out.end(), {kDefCfa, kRsp, 8, static_cast<std::uint8_t>(kOffset | kReturnAddress), 1});
    CloseEntry(out, start);
    return start;
}

struct Entry {
    std::uint32_t function;  // offset from the image's start
    std::uint32_t encoding;
};

struct UnwindTables {
    std::vector<Entry> entries;  // in address order
    std::uint32_t end = 0;       // where the last function ends
    std::vector<std::uint32_t> personalities;
    std::vector<Entry> lsdas;  // function offset, LSDA offset
};

void ReadRegularPage(ByteCursor& page, std::vector<Entry>& entries) {
    const std::size_t entries_at = page.U16();
    const std::uint16_t count = page.U16();
    page.Seek(entries_at);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint32_t function = page.U32();
        entries.push_back(Entry{function, page.U32()});
    }
}

void ReadCompressedPage(ByteCursor& page, std::uint32_t first_function, const std::vector<std::uint32_t>& common,
                        std::vector<Entry>& entries) {
    const std::size_t entries_at = page.U16();
    const std::uint16_t count = page.U16();
    const std::size_t encodings_at = page.U16();
    const std::uint16_t encoding_count = page.U16();
    for (std::uint16_t i = 0; i < count; ++i) {
        page.Seek(entries_at + 4 * std::size_t{i});
        const std::uint32_t packed = page.U32();
        const std::uint32_t index = packed >> 24;
        std::uint32_t encoding = 0;
        if (index < common.size()) {
            encoding = common[index];
        } else if (index - common.size() < encoding_count) {
            page.Seek(encodings_at + 4 * (index - common.size()));
            encoding = page.U32();
        } else {
            throw MachOError("a compact unwind page names encoding " + std::to_string(index));
        }
        entries.push_back(Entry{first_function + (packed & 0x00ffffff), encoding});
    }
}

UnwindTables ReadTables(const std::uint8_t* section, std::uint64_t size) {
    constexpr std::uint32_t kRegularPage = 2;
    constexpr std::uint32_t kCompressedPage = 3;
    ByteCursor in(section, size, "__unwind_info");
    if (in.U32() != 1) throw MachOError("__unwind_info is not of version 1");
    const std::uint32_t common_at = in.U32();
    const std::uint32_t common_count = in.U32();
    const std::uint32_t personalities_at = in.U32();
    const std::uint32_t personality_count = in.U32();
    const std::uint32_t index_at = in.U32();
    const std::uint32_t index_count = in.U32();
    if (index_count == 0) throw MachOError("__unwind_info has no index");

    UnwindTables tables;
    std::vector<std::uint32_t> common;
    in.Seek(common_at);
    for (std::uint32_t i = 0; i < common_count; ++i) common.push_back(in.U32());
    in.Seek(personalities_at);
    for (std::uint32_t i = 0; i < personality_count; ++i) tables.personalities.push_back(in.U32());

    std::uint32_t lsdas_begin = 0;
    std::uint32_t lsdas_end = 0;
    for (std::uint32_t i = 0; i < index_count; ++i) {
        in.Seek(index_at + 12 * std::size_t{i});
        const std::uint32_t first_function = in.U32();
        const std::uint32_t page_at = in.U32();
        const std::uint32_t lsdas_at = in.U32();
        if (i == 0) lsdas_begin = lsdas_at;
        if (i + 1 == index_count) {  // the last entry only marks the end
            tables.end = first_function;
            lsdas_end = lsdas_at;
            break;
        }
        // A page's own offsets count from its start.
        if (page_at >= size) throw MachOError("__unwind_info page " + std::to_string(i) + " lies past its end");
        ByteCursor page(section + page_at, size - page_at, "__unwind_info page " + std::to_string(i));
        const std::uint32_t kind = page.U32();
        if (kind == kRegularPage) {
            ReadRegularPage(page, tables.entries);
        } else if (kind == kCompressedPage) {
            ReadCompressedPage(page, first_function, common, tables.entries);
        } else {
            throw MachOError("__unwind_info page " + std::to_string(i) + " is of kind " + std::to_string(kind));
        }
    }
    in.Seek(lsdas_begin);
    while (in.Offset() + 8 <= lsdas_end) {
        const std::uint32_t function = in.U32();
        tables.lsdas.push_back(Entry{function, in.U32()});
    }
    std::sort(tables.entries.begin(), tables.entries.end(),
              [](const Entry& a, const Entry& b) { return a.function < b.function; });
    return tables;
}

std::string Hex(std::uint32_t value) {
    const char* digits = "0123456789abcdef";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text.push_back(digits[(value >> shift) & 0xf]);
    return text;
}

}  // namespace

std::vector<std::uint8_t> FrameInstructions(std::uint32_t encoding, const std::uint8_t* function,
                                            std::size_t function_size) {
    switch (encoding & kModeMask) {
        case kFrameBasedMode: return FrameBased(encoding);
        case kFramelessMode:
        case kFramelessIndirectMode: return Frameless(encoding, function, function_size);
        case kDwarfMode:
            throw MachOError("compact unwind encoding " + Hex(encoding) +
                             " defers to __eh_frame, which is not usable in this bundle");
        default:
            throw MachOError("compact unwind encoding " + Hex(encoding) + " is of an unknown kind");
    }
}

std::vector<std::uint8_t> TranslateUnwindInfo(const std::uint8_t* image, std::size_t image_size,
                                              std::uint64_t section_offset, std::uint64_t section_size) {
    if (section_offset > image_size || section_size > image_size - section_offset) {
        throw MachOError("__unwind_info lies outside the image");
    }
    const UnwindTables tables = ReadTables(image + section_offset, section_size);
    const auto base = reinterpret_cast<std::uintptr_t>(image);

    std::vector<std::uint8_t> out;
    std::vector<std::size_t> cies{WriteCie(out, 0)};
    for (const std::uint32_t slot : tables.personalities) {
        // Each names a pointer that holds the routine's address.
        if (slot > image_size || image_size - slot < 8) {
            throw MachOError("a personality of __unwind_info lies outside the image");
        }
        std::uint64_t routine = 0;
        std::memcpy(&routine, image + slot, sizeof(routine));
        cies.push_back(WriteCie(out, routine));
    }

    for (std::size_t i = 0; i < tables.entries.size(); ++i) {
        const Entry& entry = tables.entries[i];
        const std::uint32_t end = i + 1 < tables.entries.size() ? tables.entries[i + 1].function : tables.end;
        // No encoding: a function the unwinder never has to pass through.
        if ((entry.encoding & kModeMask) == kNoModeGiven && (entry.encoding & kHasLsda) == 0) continue;
        if (end <= entry.function) continue;  // an entry repeated at one address
        try {
            if (end > image_size) throw MachOError("the function runs past the image");
            const std::vector<std::uint8_t> instructions =
                FrameInstructions(entry.encoding, image + entry.function, end - entry.function);
            const std::uint32_t personality = Field(entry.encoding, kPersonalityMask);
            if (personality > tables.personalities.size()) {
                throw MachOError("personality " + std::to_string(personality) + " of " +
                                 std::to_string(tables.personalities.size()));
            }
            std::uint64_t lsda = 0;
            if ((entry.encoding & kHasLsda) != 0) {
                const auto found = std::lower_bound(tables.lsdas.begin(), tables.lsdas.end(), entry.function,
                                                    [](const Entry& e, std::uint32_t f) { return e.function < f; });
                if (found == tables.lsdas.end() || found->function != entry.function || personality == 0) {
                    throw MachOError("its exception table is missing");
                }
                lsda = base + found->encoding;
            }

            const std::size_t start = out.size();
            U32(out, 0);
            U32(out, static_cast<std::uint32_t>(out.size() - cies[personality]));
            U64(out, base + entry.function);
            U64(out, end - entry.function);
            if (personality != 0) {
                Uleb(out, 8);
                U64(out, lsda);
            } else {
                Uleb(out, 0);
            }
            out.insert(out.end(), instructions.begin(), instructions.end());
            CloseEntry(out, start);
        } catch (const MachOError& e) {
            throw MachOError("the unwind entry of the function at " + Hex(entry.function) + ": " + e.what());
        }
    }
    U32(out, 0);
    return out;
}

}  // namespace simhost::macho
