// The macOS property list bodies a shipping host reads, byte for byte, as
// its published resource template lays them out: written here by hand so
// that neither our encoder nor our reader is checked against itself.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace registration {

// The x86_64 bundle's list: 12 properties, 280 bytes.
constexpr std::string_view kMacX86_64ListHex =
    "00000000"                                                  // list version 0
    "0000000c"                                                  // 12 properties
    "3842494d6b696e64000000000000000465464b54"                  // kind eFKT
    "3842494d6e616d65000000000000000807446f7276616e65"          // name, 1 + 7
    "3842494d63617467000000000000000e0d4d7572656c6f5574696c69747900"
    "00"                                                        // catg, 1 + 13, padding
    "3842494d6d693634000000000000000f0e456e747279506f696e7446756e6300"  // mi64, 1 + 14
    "3842494d655056520000000000000004"
    "00020000"                                                  // ePVR 2.0
    "3842494d655356520000000000000004"
    "000d0001"                                                  // eSVR 13.1
    "3842494d655645520000000000000004"
    "00080601"                                                  // eVER
    "3842494d65494e460000000000000002"
    "00000000"                                                  // eINF: length 2, 2 zeros
    "3842494d65474c4f000000000000000402000000"                  // eGLO
    "3842494d65474c32000000000000000400001400"                  // eGL2
    "3842494d654d4e41000000000000000807446f7276616e65"          // eMNA
    "3842494d6165464c000000000000000400000008";                 // aeFL

// The universal bundle's list: 13 properties, 312 bytes, with the arm64
// entry point right after the x86_64 one.
constexpr std::string_view kMacUniversalListHex =
    "00000000"
    "0000000d"
    "3842494d6b696e64000000000000000465464b54"
    "3842494d6e616d65000000000000000807446f7276616e65"
    "3842494d63617467000000000000000e0d4d7572656c6f5574696c6974790000"
    "3842494d6d693634000000000000000f0e456e747279506f696e7446756e6300"
    "3842494d6d613634000000000000000f0e456e747279506f696e7446756e6300"  // ma64
    "3842494d655056520000000000000004000200003842494d655356520000000000000004000d0001"
    "3842494d655645520000000000000004000806013842494d65494e46000000000000000200000000"
    "3842494d65474c4f0000000000000004020000003842494d65474c320000000000000004000014003842494d654d4e41"
    "000000000000000807446f7276616e653842494d6165464c000000000000000400000008";

// The bytes a run of hex digits spells; the tables above are well formed.
inline std::vector<std::uint8_t> BytesFromHex(std::string_view hex) {
    auto nibble = [](char c) { return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'a' + 10); };
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(nibble(hex[i]) << 4 | nibble(hex[i + 1])));
    }
    return bytes;
}

}  // namespace registration
