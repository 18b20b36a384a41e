// dyld's classic fixup and export encodings (LC_DYLD_INFO): the opcode
// streams that say which pointers to slide and which to bind to an
// imported symbol, and the trie of exported names.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "loading/macho/MachOFile.h"

namespace simhost::macho {

// A pointer-sized place in the image: a segment and an offset within it.
struct Place {
    std::size_t segment;
    std::uint64_t offset;
};

struct Bind {
    Place place;
    std::string symbol;  // as the file spells it, with the leading underscore
    std::int64_t addend;
};

// Each pointer that holds an address within the image, to be slid by
// where the image was mapped.
void ForEachRebase(const MachOFile& file, const std::function<void(const Place&)>& rebase);

// Each pointer of `range` (the binds or the lazy binds) to be set to an
// imported symbol's address.
void ForEachBind(const MachOFile& file, const ByteRange& range, const std::function<void(const Bind&)>& bind);

// The offset from the image's start of an exported symbol (spelled as the
// file spells it), or nothing when the bundle does not export it.
std::optional<std::uint64_t> FindExport(const MachOFile& file, const std::string& symbol);

}  // namespace simhost::macho
