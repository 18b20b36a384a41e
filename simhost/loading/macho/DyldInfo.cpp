#include "loading/macho/DyldInfo.h"

#include "loading/macho/ByteCursor.h"
#include "loading/macho/MachOError.h"

namespace simhost::macho {

namespace {

constexpr std::uint8_t kOpcodeMask = 0xf0;
constexpr std::uint8_t kImmediateMask = 0x0f;
constexpr std::uint64_t kPointerSize = 8;

// Both streams write only pointer-sized places.
constexpr std::uint8_t kPointerType = 1;

ByteCursor Stream(const MachOFile& file, const ByteRange& range, const char* what) {
    return ByteCursor(file.bytes.data() + range.offset, range.size, what);
}

void CheckPlace(const MachOFile& file, const Place& place, const char* what) {
    if (place.segment >= file.segments.size()) {
        throw MachOError(std::string(what) + " names segment " + std::to_string(place.segment) + " of " +
                         std::to_string(file.segments.size()));
    }
    const Segment& segment = file.segments[place.segment];
    if (place.offset > segment.vm_size || segment.vm_size - place.offset < kPointerSize) {
        throw MachOError(std::string(what) + " at offset " + std::to_string(place.offset) +
                         " lies outside segment " + segment.name);
    }
}

void CheckType(std::uint8_t type, const char* what) {
    if (type != kPointerType) {
        throw MachOError(std::string(what) + " of type " + std::to_string(type) +
                         ", where this loader knows pointers (1) only");
    }
}

}  // namespace

void ForEachRebase(const MachOFile& file, const std::function<void(const Place&)>& rebase) {
    enum : std::uint8_t {
        kDone = 0x00,
        kSetType = 0x10,
        kSetSegmentAndOffset = 0x20,
        kAddAddress = 0x30,
        kAddAddressScaled = 0x40,
        kRebaseTimes = 0x50,
        kRebaseUlebTimes = 0x60,
        kRebaseAddAddress = 0x70,
        kRebaseTimesSkipping = 0x80,
    };
    ByteCursor in = Stream(file, file.rebases, "the rebase information");
    Place place{0, 0};
    std::uint8_t type = kPointerType;
    const auto one = [&] {
        CheckType(type, "a rebase");
        CheckPlace(file, place, "a rebase");
        rebase(place);
    };
    while (!in.AtEnd()) {
        const std::uint8_t byte = in.Byte();
        const std::uint8_t immediate = byte & kImmediateMask;
        switch (byte & kOpcodeMask) {
            case kDone: return;
            case kSetType: type = immediate; break;
            case kSetSegmentAndOffset: place = Place{immediate, in.Uleb()}; break;
            case kAddAddress: place.offset += in.Uleb(); break;
            case kAddAddressScaled: place.offset += immediate * kPointerSize; break;
            case kRebaseTimes:
                for (std::uint8_t i = 0; i < immediate; ++i, place.offset += kPointerSize) one();
                break;
            case kRebaseUlebTimes:
                for (std::uint64_t i = 0, n = in.Uleb(); i < n; ++i, place.offset += kPointerSize) one();
                break;
            case kRebaseAddAddress:
                one();
                place.offset += in.Uleb() + kPointerSize;
                break;
            case kRebaseTimesSkipping: {
                const std::uint64_t count = in.Uleb();
                const std::uint64_t skip = in.Uleb();
                for (std::uint64_t i = 0; i < count; ++i) {
                    one();
                    place.offset += skip + kPointerSize;
                }
                break;
            }
            default:
                throw MachOError("unknown rebase opcode " + std::to_string(byte) + " at byte " +
                                 std::to_string(in.Offset() - 1));
        }
    }
}

void ForEachBind(const MachOFile& file, const ByteRange& range, const std::function<void(const Bind&)>& bind) {
    enum : std::uint8_t {
        kDone = 0x00,
        kSetOrdinal = 0x10,
        kSetOrdinalUleb = 0x20,
        kSetOrdinalSpecial = 0x30,
        kSetSymbol = 0x40,
        kSetType = 0x50,
        kSetAddend = 0x60,
        kSetSegmentAndOffset = 0x70,
        kAddAddress = 0x80,
        kBind = 0x90,
        kBindAddAddress = 0xa0,
        kBindAddAddressScaled = 0xb0,
        kBindTimesSkipping = 0xc0,
    };
    ByteCursor in = Stream(file, range, "the bind information");
    Bind current{Place{0, 0}, std::string(), 0};
    std::uint8_t type = kPointerType;
    const auto one = [&] {
        CheckType(type, "a bind");
        CheckPlace(file, current.place, "a bind");
        if (current.symbol.empty()) throw MachOError("a bind without a symbol");
        bind(current);
    };
    // Every import is looked up by name alone, so the library ordinals and
    // the symbol flags are read past; an import Linux lacks is refused
    // whether or not it is weak. The lazy binds are a sequence of entries each ended by
    // kDone, so kDone does not end the stream.
    while (!in.AtEnd()) {
        const std::uint8_t byte = in.Byte();
        const std::uint8_t immediate = byte & kImmediateMask;
        switch (byte & kOpcodeMask) {
            case kDone: break;
            case kSetOrdinal: break;
            case kSetOrdinalUleb: in.Uleb(); break;
            case kSetOrdinalSpecial: break;
            case kSetSymbol:
                current.symbol = in.CString();
                break;
            case kSetType: type = immediate; break;
            case kSetAddend: current.addend = in.Sleb(); break;
            case kSetSegmentAndOffset: current.place = Place{immediate, in.Uleb()}; break;
            case kAddAddress: current.place.offset += in.Uleb(); break;
            case kBind:
                one();
                current.place.offset += kPointerSize;
                break;
            case kBindAddAddress:
                one();
                current.place.offset += in.Uleb() + kPointerSize;
                break;
            case kBindAddAddressScaled:
                one();
                current.place.offset += immediate * kPointerSize + kPointerSize;
                break;
            case kBindTimesSkipping: {
                const std::uint64_t count = in.Uleb();
                const std::uint64_t skip = in.Uleb();
                for (std::uint64_t i = 0; i < count; ++i) {
                    one();
                    current.place.offset += skip + kPointerSize;
                }
                break;
            }
            default:
                throw MachOError("unknown bind opcode " + std::to_string(byte) + " at byte " +
                                 std::to_string(in.Offset() - 1));
        }
    }
}

std::optional<std::uint64_t> FindExport(const MachOFile& file, const std::string& symbol) {
    constexpr std::uint64_t kKindMask = 0x03;
    constexpr std::uint64_t kRegularKind = 0x00;
    constexpr std::uint64_t kReexportFlag = 0x08;
    constexpr std::uint64_t kStubAndResolverFlag = 0x10;
    ByteCursor trie = Stream(file, file.exports, "the export trie");
    if (trie.AtEnd()) return std::nullopt;
    std::size_t matched = 0;
    // Each step moves to a child further into the trie; a trie that
    // loops back is cut off after as many steps as it has bytes.
    for (std::size_t steps = 0; steps <= file.exports.size; ++steps) {
        const std::uint64_t terminal_size = trie.Uleb();
        const std::size_t children_at = trie.Offset() + terminal_size;
        if (matched == symbol.size()) {
            if (terminal_size == 0) return std::nullopt;
            const std::uint64_t flags = trie.Uleb();
            if ((flags & (kReexportFlag | kStubAndResolverFlag)) != 0 || (flags & kKindMask) != kRegularKind) {
                throw MachOError("export " + symbol + " is not a plain address (flags " + std::to_string(flags) + ")");
            }
            return trie.Uleb();
        }
        trie.Seek(children_at);
        const std::uint8_t child_count = trie.Byte();
        bool followed = false;
        for (std::uint8_t i = 0; i < child_count && !followed; ++i) {
            const std::string edge = trie.CString();
            const std::uint64_t child = trie.Uleb();
            if (symbol.compare(matched, edge.size(), edge) == 0) {
                matched += edge.size();
                trie.Seek(child);
                followed = true;
            }
        }
        if (!followed) return std::nullopt;
    }
    throw MachOError("the export trie loops");
}

}  // namespace simhost::macho
