// The Windows property list, byte for byte, as the generator writes it and,
// in the Windows build, as the host finds it inside the .aex.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GeneratedFiles.h"
#ifdef _WIN32
#include "loading/PluginLibrary.h"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }
Bytes Join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct ExpectedRecord {
    const char* stored_key;  // the key's bytes as they appear: reversed
    std::uint32_t length;    // the length field
    Bytes data;              // the data with its padding
};

// Each property as the host's published format lays it out.
const std::vector<ExpectedRecord>& ExpectedRecords() {
    static const std::vector<ExpectedRecord> records = {
        {"dnik", 4, Text("TKFe")},
        {"eman", 8, Join({7}, Text("Dorvane"))},
        {"gtac", 16, Join(Join({13}, Text("MureloUtility")), {0, 0})},
        {"4668", 16, Join(Text("EntryPointFunc"), {0, 0})},
        {"RVPe", 4, {2, 0, 0, 0}},
        {"RVSe", 4, {13, 0, 1, 0}},
        {"REVe", 4, {0x01, 0x06, 0x08, 0x00}},
        {"FNIe", 2, {0, 0, 0, 0}},
        {"OLGe", 4, {0x00, 0x00, 0x00, 0x02}},
        {"2LGe", 4, {0x00, 0x14, 0x00, 0x00}},
        {"ANMe", 8, Join({7}, Text("Dorvane"))},
        {"LFea", 4, {8, 0, 0, 0}},
    };
    return records;
}

std::uint32_t LittleEndian32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void ExpectWindowsList(const Bytes& list) {
    ASSERT_EQ(list.size(), 282u);
    const Bytes header = {1, 0, 0, 0, 0, 0, 12, 0, 0, 0};
    EXPECT_EQ(Bytes(list.begin(), list.begin() + 10), header);

    std::size_t offset = 10;
    for (const ExpectedRecord& expected : ExpectedRecords()) {
        SCOPED_TRACE(std::string("record ") + expected.stored_key + " at " + std::to_string(offset));
        ASSERT_LE(offset + 16 + expected.data.size(), list.size());
        EXPECT_EQ(std::string(list.begin() + offset, list.begin() + offset + 4), "MIB8");
        EXPECT_EQ(std::string(list.begin() + offset + 4, list.begin() + offset + 8), expected.stored_key);
        EXPECT_EQ(LittleEndian32(list, offset + 8), 0u) << "property id";
        EXPECT_EQ(LittleEndian32(list, offset + 12), expected.length);
        const auto data = list.begin() + static_cast<std::ptrdiff_t>(offset + 16);
        EXPECT_EQ(Bytes(data, data + static_cast<std::ptrdiff_t>(expected.data.size())), expected.data);
        offset += 16 + expected.data.size();
        EXPECT_EQ(offset % 2, 0u);
    }
    EXPECT_EQ(offset, list.size());
}

TEST(WindowsPropertyList, GeneratedListHasEveryRecordInPlace) {
    ExpectWindowsList(registration::ReadBytes(DORVANE_WINDOWS_PROPERTY_LIST));
}

#ifdef _WIN32
TEST(WindowsPropertyList, PluginCarriesTheListAsUsEnglishPiplResource16000) {
    const Bytes resource = simhost::PluginLibrary::ReadResource(DORVANE_PLUGIN_PATH, "PIPL", 16000, 1033);
    ExpectWindowsList(resource);
    EXPECT_EQ(resource, registration::ReadBytes(DORVANE_WINDOWS_PROPERTY_LIST));
}

TEST(WindowsPropertyList, AMissingResourceIsAnErrorNotACrash) {
    EXPECT_THROW(simhost::PluginLibrary::ReadResource(DORVANE_PLUGIN_PATH, "PIPL", 16001, 1033),
                 std::runtime_error);
}
#endif

}  // namespace
