// The macOS bundle's files besides the code: the resource file with the
// big-endian property list, Info.plist and PkgInfo, parsed back. Run on the
// files the generator writes and on those inside each built bundle.
#include <gtest/gtest.h>

#include <map>
#include <cctype>
#include <string>
#include <vector>

#include "GeneratedFiles.h"
#include "MacBundleFiles.h"
#include "MacPropertyListBytes.h"
#include "loading/PropertyList.h"
#include "loading/PropertyListResourceFile.h"
#include "resources/DorvaneProperties.h"
#include "resources/PropertyListEncoding.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using registration::MacBundleFilesUnderTest;
using simhost::FourCC;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value = (value << 8) | bytes.at(at + i);
    return value;
}

TEST(MacResourceFile, MapHoldsOnePiplResource16000AfterTheReservedHeader) {
    const Bytes file = registration::ReadBytes(MacBundleFilesUnderTest().resource_file);
    ASSERT_GE(file.size(), 256u);
    const std::uint32_t data_offset = BigEndian(file, 0, 4);
    const std::uint32_t map_offset = BigEndian(file, 4, 4);
    const std::uint32_t data_length = BigEndian(file, 8, 4);
    const std::uint32_t map_length = BigEndian(file, 12, 4);
    EXPECT_EQ(data_offset, 256u);
    EXPECT_EQ(map_offset, data_offset + data_length);
    EXPECT_EQ(file.size(), map_offset + map_length);
    // The map starts with a copy of the header.
    EXPECT_EQ(Bytes(file.begin() + map_offset, file.begin() + map_offset + 16), Bytes(file.begin(), file.begin() + 16));

    const std::size_t type_list = map_offset + BigEndian(file, map_offset + 24, 2);
    EXPECT_EQ(BigEndian(file, type_list, 2), 0u) << "one type";
    EXPECT_EQ(BigEndian(file, type_list + 2, 4), FourCC("PiPL"));
    EXPECT_EQ(BigEndian(file, type_list + 6, 2), 0u) << "one resource";
    const std::size_t reference = type_list + BigEndian(file, type_list + 8, 2);
    EXPECT_EQ(BigEndian(file, reference, 2), 16000u);
    EXPECT_EQ(BigEndian(file, reference + 2, 2), 0xFFFFu) << "no name";
    EXPECT_EQ(BigEndian(file, reference + 5, 3), 0u) << "first in the data area";
    EXPECT_EQ(BigEndian(file, data_offset, 4) + 4, data_length);
}

simhost::PropertyList ListInResourceFile() {
    const simhost::FileResource resource =
        simhost::FindFileResource(registration::ReadBytes(MacBundleFilesUnderTest().resource_file), FourCC("PiPL"));
    EXPECT_EQ(resource.id, 16000);
    const simhost::PropertyList list = simhost::PropertyList::Parse(resource.data, simhost::PropertyListLayout::Mac);
    EXPECT_EQ(list.Size(), resource.data.size()) << "nothing after the last property";
    return list;
}

// What a host on a Mac reads, compared with the bytes its template gives.
TEST(MacResourceFile, ListIsTheMacLayoutByteForByte) {
    const simhost::FileResource resource =
        simhost::FindFileResource(registration::ReadBytes(MacBundleFilesUnderTest().resource_file), FourCC("PiPL"));
    const Bytes expected = registration::BytesFromHex(MacBundleFilesUnderTest().arm64
                                                          ? registration::kMacUniversalListHex
                                                          : registration::kMacX86_64ListHex);
    EXPECT_EQ(resource.data, expected);
}

// The keys a table property is stored under: the entry point under the key
// of each architecture the bundle has code for.
std::vector<std::uint32_t> StoredKeys(const dorvane::Property& property, bool arm64) {
    if (property.encoding != dorvane::PropertyEncoding::EntryPointName) return {property.key};
    if (arm64) return {FourCC("mi64"), FourCC("ma64")};
    return {FourCC("mi64")};
}

// Each property of the one table, in its order, read back by its type.
TEST(MacResourceFile, ListHoldsTheTablePropertyByProperty) {
    const simhost::PropertyList list = ListInResourceFile();
    const std::vector<simhost::PropertyRecord>& records = list.Records();
    std::size_t next = 0;
    for (const dorvane::Property& property : dorvane::kRegistrationProperties) {
        for (const std::uint32_t key : StoredKeys(property, MacBundleFilesUnderTest().arm64)) {
            SCOPED_TRACE("property " + simhost::FourCCText(key));
            ASSERT_LT(next, records.size()) << "the list ends early";
            const simhost::PropertyRecord& record = records[next++];
            EXPECT_EQ(record.vendor, FourCC("8BIM"));
            ASSERT_EQ(simhost::FourCCText(record.key), simhost::FourCCText(key));
            switch (property.encoding) {
                case dorvane::PropertyEncoding::FourCharCode:
                    EXPECT_EQ(list.Code(key), property.number);
                    break;
                case dorvane::PropertyEncoding::PascalString:
                case dorvane::PropertyEncoding::EntryPointName:
                    EXPECT_EQ(list.PascalString(key), std::string(property.text));
                    break;
                case dorvane::PropertyEncoding::VersionPair:
                    ASSERT_EQ(record.data.size(), 4u);
                    EXPECT_EQ(BigEndian(record.data, 0, 2), property.number);
                    EXPECT_EQ(BigEndian(record.data, 2, 2), property.minor);
                    break;
                case dorvane::PropertyEncoding::Long:
                    EXPECT_EQ(list.Long(key), property.number);
                    break;
                case dorvane::PropertyEncoding::Short:
                    EXPECT_EQ(record.data.size(), 2u);
                    EXPECT_EQ(list.Short(key), property.number);
                    break;
            }
        }
    }
    EXPECT_EQ(next, records.size()) << "properties the table does not have";
    EXPECT_EQ(list.Find(FourCC("8664")), nullptr) << "no Windows entry point";
}

TEST(MacResourceFile, NumbersAndCodesAreBigEndian) {
    const simhost::PropertyList list = ListInResourceFile();
    // Codes read in natural order, numbers most significant byte first.
    EXPECT_EQ(list.Find(FourCC("kind"))->data, (Bytes{'e', 'F', 'K', 'T'}));
    EXPECT_EQ(list.Find(FourCC("eVER"))->data, (Bytes{0x00, 0x08, 0x06, 0x01}));
    EXPECT_EQ(list.Find(FourCC("eGLO"))->data, (Bytes{0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(list.Find(FourCC("eGL2"))->data, (Bytes{0x00, 0x00, 0x14, 0x00}));
    EXPECT_EQ(list.Find(FourCC("ePVR"))->data, (Bytes{0, 2, 0, 0}));
    EXPECT_EQ(list.Find(FourCC("eSVR"))->data, (Bytes{0, 13, 0, 1}));
    EXPECT_EQ(list.Find(FourCC("eINF"))->data, (Bytes{0, 0}));
}

TEST(PropertyListEncoding, EachMacTargetGivesItsBytesFromTheOneTable) {
    EXPECT_EQ(dorvane::EncodePropertyListBytes(dorvane::kRegistrationProperties,
                                               dorvane::PropertyListTarget::MacX86_64),
              registration::BytesFromHex(registration::kMacX86_64ListHex));
    EXPECT_EQ(dorvane::EncodePropertyListBytes(dorvane::kRegistrationProperties,
                                               dorvane::PropertyListTarget::MacUniversal),
              registration::BytesFromHex(registration::kMacUniversalListHex));
}

TEST(PropertyListEncoding, RefusesValuesItsFormatCannotHold) {
    const std::string long_name(256, 'x');
    const std::array<dorvane::Property, 1> too_long = {dorvane::TextProperty("name", long_name)};
    EXPECT_THROW(dorvane::EncodePropertyListBytes(too_long, dorvane::PropertyListTarget::MacX86_64),
                 std::length_error);
    const std::array<dorvane::Property, 1> too_wide = {dorvane::ShortProperty("eINF", 0x10000)};
    EXPECT_THROW(dorvane::EncodePropertyListBytes(too_wide, dorvane::PropertyListTarget::WindowsX64),
                 std::out_of_range);
}

// The <key>/<string> pairs of a flat plist dictionary; a key followed by
// anything but a string value fails the test.
std::map<std::string, std::string> PlistStrings(const std::string& text) {
    std::map<std::string, std::string> entries;
    const std::string key_open = "<key>", key_close = "</key>";
    const std::string string_open = "<string>", string_close = "</string>";
    for (std::size_t at = text.find(key_open); at != std::string::npos; at = text.find(key_open, at)) {
        const std::size_t key_end = text.find(key_close, at);
        const std::size_t value = text.find_first_not_of(" \t\n", key_end + key_close.size());
        if (key_end == std::string::npos || value == std::string::npos ||
            text.compare(value, string_open.size(), string_open) != 0) {
            ADD_FAILURE() << "a key without a string value at " << at;
            break;
        }
        const std::size_t value_end = text.find(string_close, value);
        if (value_end == std::string::npos) {
            ADD_FAILURE() << "an unterminated string at " << value;
            break;
        }
        const std::string key = text.substr(at + key_open.size(), key_end - at - key_open.size());
        EXPECT_EQ(entries.count(key), 0u) << "repeated key " << key;
        entries[key] = text.substr(value + string_open.size(), value_end - value - string_open.size());
        at = value_end;
    }
    return entries;
}

bool IsReverseDomainName(const std::string& id) {
    if (id.empty() || id.front() == '.' || id.back() == '.' || id.find('.') == std::string::npos) return false;
    if (id.find("..") != std::string::npos) return false;
    for (char c : id) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') return false;
    }
    return true;
}

TEST(MacBundleMetadata, InfoPlistDeclaresAnEffectBundle) {
    const std::string text = registration::ReadText(MacBundleFilesUnderTest().info_plist);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
    EXPECT_NE(text.find("<plist version=\"1.0\">\n<dict>\n"), std::string::npos);
    EXPECT_NE(text.find("</dict>\n</plist>\n"), std::string::npos);
    const std::map<std::string, std::string> entries = PlistStrings(text);
    EXPECT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries.at("CFBundlePackageType"), "eFKT");
    EXPECT_EQ(entries.at("CFBundleSignature"), "FXTC");
    EXPECT_EQ(entries.at("CFBundleExecutable"), MacBundleFilesUnderTest().executable);
    EXPECT_EQ(entries.at("CFBundleName"), "Dorvane");
    EXPECT_EQ(entries.at("CFBundleShortVersionString"), "1.0.0");
    EXPECT_EQ(entries.at("CFBundleVersion"), "1.0.0");
    EXPECT_EQ(entries.at("CFBundleInfoDictionaryVersion"), "6.0");
    EXPECT_TRUE(IsReverseDomainName(entries.at("CFBundleIdentifier"))) << entries.at("CFBundleIdentifier");
}

TEST(MacBundleMetadata, PkgInfoIsTypeThenCreator) {
    EXPECT_EQ(registration::ReadText(MacBundleFilesUnderTest().pkginfo), "eFKTFXTC");
}

}  // namespace
