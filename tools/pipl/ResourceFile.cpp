#include "ResourceFile.h"

#include <stdexcept>

namespace pipl {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Map layout: a copy of the header, the next-map handle, file reference and
// attributes, then the offsets of the type list and of the name list.
constexpr std::uint32_t kMapHeaderSize = 16 + 4 + 2 + 2 + 2 + 2;
constexpr std::uint32_t kTypeListSize = 2 + 8;   // count - 1, one type entry
constexpr std::uint32_t kReferenceSize = 12;     // id, name, attributes + offset, handle
constexpr std::uint32_t kNoName = 0xFFFF;

}  // namespace

std::vector<std::uint8_t> ResourceFileBytes(std::uint32_t type, std::int16_t id,
                                            const std::vector<std::uint8_t>& data) {
    // The data offset of a reference has three bytes.
    if (data.size() > 0xFFFFFF - 4) throw std::length_error("resource too large for its map");
    const auto data_length = static_cast<std::uint32_t>(4 + data.size());
    const std::uint32_t map_offset = kResourceDataOffset + data_length;
    const std::uint32_t map_length = kMapHeaderSize + kTypeListSize + kReferenceSize;

    std::vector<std::uint8_t> out;
    auto header = [&] {
        Put(out, kResourceDataOffset, 4);
        Put(out, map_offset, 4);
        Put(out, data_length, 4);
        Put(out, map_length, 4);
    };
    header();
    out.resize(kResourceDataOffset, 0);

    Put(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());

    header();
    Put(out, 0, 4);  // next map, filled in by the loader
    Put(out, 0, 2);  // file reference
    Put(out, 0, 2);  // attributes
    Put(out, kMapHeaderSize, 2);
    Put(out, map_length, 2);  // the name list is empty and starts at the end

    Put(out, 0, 2);  // one type
    Put(out, type, 4);
    Put(out, 0, 2);  // one resource of it
    Put(out, kTypeListSize, 2);  // its references, from the start of the type list

    Put(out, static_cast<std::uint16_t>(id), 2);
    Put(out, kNoName, 2);
    Put(out, 0, 1);  // attributes
    Put(out, 0, 3);  // data offset within the data area
    Put(out, 0, 4);  // handle, filled in by the loader
    return out;
}

}  // namespace pipl
