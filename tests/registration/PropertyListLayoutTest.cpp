// The simulated host reads each platform's property list by that platform's
// rules, from bytes written here by hand, and refuses the other platform's
// layout, or a list that contradicts itself, with one clear message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GeneratedFiles.h"
#include "MacPropertyListBytes.h"
#include "loading/PropertyList.h"
#include "loading/PropertyListChecks.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using registration::BytesFromHex;
using simhost::FourCC;
using simhost::PropertyList;
using simhost::PropertyListLayout;

// The message Parse throws, or "" when it reads the list.
std::string ParseRefusal(const Bytes& bytes, PropertyListLayout layout) {
    try {
        static_cast<void>(PropertyList::Parse(bytes, layout));
    } catch (const simhost::PropertyListError& e) {
        return e.what();
    }
    return "";
}

// The Windows list as the generator writes it, whose every byte the Windows
// test compares with the host's published layout.
Bytes WindowsList() { return registration::ReadBytes(DORVANE_WINDOWS_PROPERTY_LIST); }

TEST(PropertyListLayout, MacListsReadAsTheHostReadsThem) {
    const PropertyList list = PropertyList::Parse(BytesFromHex(registration::kMacX86_64ListHex), PropertyListLayout::Mac);
    EXPECT_EQ(list.Records().size(), 12u);
    EXPECT_EQ(list.Size(), 280u);
    EXPECT_EQ(list.Code(FourCC("kind")), FourCC("eFKT"));
    EXPECT_EQ(list.PascalString(FourCC("catg")), "MureloUtility");
    EXPECT_EQ(list.PascalString(FourCC("mi64")), "EntryPointFunc");
    EXPECT_EQ(list.Long(FourCC("eVER")), 0x80601u);
    EXPECT_EQ(list.Short(FourCC("eINF")), 0u);
    EXPECT_EQ(list.Find(FourCC("ma64")), nullptr);

    const PropertyList universal =
        PropertyList::Parse(BytesFromHex(registration::kMacUniversalListHex), PropertyListLayout::Mac);
    EXPECT_EQ(universal.Records().size(), 13u);
    EXPECT_EQ(universal.Size(), 312u);
    EXPECT_EQ(simhost::FourCCText(universal.Records()[4].key), "ma64");
    EXPECT_EQ(universal.PascalString(FourCC("ma64")), "EntryPointFunc");
}

TEST(PropertyListLayout, WindowsListReadsByWindowsRules) {
    const PropertyList list = PropertyList::Parse(WindowsList(), PropertyListLayout::Windows);
    EXPECT_EQ(list.Records().size(), 12u);
    EXPECT_EQ(list.Size(), 282u);
    EXPECT_EQ(list.CString(FourCC("8664")), "EntryPointFunc");
    EXPECT_EQ(list.PascalString(FourCC("catg")), "MureloUtility");
    EXPECT_EQ(list.Long(FourCC("eGLO")), 0x02000000u);
}

Bytes Edited(Bytes bytes, std::size_t at, const Bytes& replacement) {
    std::copy(replacement.begin(), replacement.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

TEST(PropertyListLayout, RefusesWhatTheLayoutDoesNotAllow) {
    const Bytes mac = BytesFromHex(registration::kMacX86_64ListHex);
    // The body our bundles once carried: the Windows header word and then the
    // Windows header, written big-endian, before macOS records.
    Bytes windows_header_in_mac = {0x00, 0x01};
    windows_header_in_mac.insert(windows_header_in_mac.end(), mac.begin(), mac.end());
    // 'catg' (at 52) with the Windows string length, padding counted.
    const Bytes padded_length = Edited(mac, 52 + 15, {16});
    const Bytes count_past_the_end = Edited(mac, 7, {13});
    const Bytes other_version = Edited(mac, 3, {2});

    struct Case {
        const char* what;
        Bytes bytes;
        PropertyListLayout layout;
        const char* message;
    };
    const Case cases[] = {
        {"a Windows list read as macOS", WindowsList(), PropertyListLayout::Mac,
         "not a macOS property list: it begins 01 00 00 00 00 00 0c 00, the 16-bit header word 1 that only a "
         "Windows list has"},
        {"a Windows header word before a macOS list", windows_header_in_mac, PropertyListLayout::Mac,
         "not a macOS property list: it begins 00 01 00 00 00 00 00 00, the 16-bit header word 1 that only a "
         "Windows list has"},
        {"a macOS list read as Windows", mac, PropertyListLayout::Windows,
         "not a Windows property list: it begins 00 00 00 00 00 00 00 0c, the list version 0 with no header "
         "word before it, as a macOS list begins"},
        {"a macOS string counting its padding", padded_length, PropertyListLayout::Mac,
         "property 'catg' has length field 16 but its length byte says 13 characters: a macOS list gives 14"},
        {"a count that runs past the data", count_past_the_end, PropertyListLayout::Mac,
         "property list claims 13 properties but ends after 12"},
        {"another list version", other_version, PropertyListLayout::Mac,
         "not a macOS property list: it begins 00 00 00 02 00 00 00 0c, list version 0x00000002 where a macOS "
         "list has version 0"},
        {"a header cut short", Bytes(mac.begin(), mac.begin() + 6), PropertyListLayout::Mac,
         "a macOS property list of 6 bytes is shorter than its header"},
        {"a record running past the end", Bytes(mac.begin(), mac.begin() + 44), PropertyListLayout::Mac,
         "property 'name' claims 8 bytes, the list holds 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseRefusal(c.bytes, c.layout), c.message);
    }
}

TEST(PropertyListLayout, WindowsStringsCountTheirPadding) {
    // 'catg' (at 54) with the macOS length, 1 + 13.
    const Bytes list = Edited(WindowsList(), 54 + 12, {14});
    EXPECT_EQ(ParseRefusal(list, PropertyListLayout::Windows),
              "property 'catg' has length field 14 but its length byte says 13 characters: a Windows list gives 16");
}

}  // namespace
