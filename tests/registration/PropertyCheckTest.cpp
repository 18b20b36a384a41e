// The simulated host reads a plug-in's property list before its code, as
// the host does: it refuses what is not a loadable effect, calls the entry
// point the list names, and warns when global set-up contradicts the list.
#include <gtest/gtest.h>

#include <string>

#include "DoctoredPlugin.h"
#include "Host.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using registration::DoctoredPlugin;
using registration::EffectTable;
using registration::OtherPlatformList;
using registration::PlatformList;
using registration::PropertyTable;
using simhost::Host;

constexpr std::size_t kKind = 0;
constexpr std::size_t kEntryPoint = 3;
constexpr std::size_t kVersion = 6;

// The message a Host construction throws, or "" when it does not.
std::string Refusal(const std::string& path) {
    try {
        Host host(path);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(PropertyCheck, BuiltPluginIsAcceptedAndDrivenWithoutWarnings) {
    Host host(DORVANE_PLUGIN_PATH);
    EXPECT_EQ(host.Properties().PascalString(simhost::FourCC("name")), "Dorvane");
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    EXPECT_TRUE(host.Warnings().empty()) << host.Warnings().front();
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
}

TEST(PropertyCheck, RefusesWhatIsNotALoadableEffect) {
    PropertyTable not_an_effect = EffectTable();
    not_an_effect[kKind] = dorvane::CodeProperty("kind", "AEgp");
    PropertyTable unexported_entry = EffectTable();
    unexported_entry[kEntryPoint] = dorvane::EntryPointProperty("PluginMain");
    PropertyTable empty_entry = EffectTable();
    empty_entry[kEntryPoint] = dorvane::EntryPointProperty("");
    std::vector<std::uint8_t> cut_short = PlatformList(EffectTable());
    cut_short.resize(90);  // in the head of the fourth property

    struct Case {
        const char* what;
        std::optional<std::vector<std::uint8_t>> list;
        const char* message;
    };
    const Case cases[] = {
        {"a plug-in of another kind", PlatformList(not_an_effect), "of kind 'AEgp', not an effect"},
        {"an entry point the library lacks", PlatformList(unexported_entry), "exports no PluginMain"},
        {"an empty entry point name", PlatformList(empty_entry), "names no entry point"},
        {"a list cut short", cut_short, "claims 12 properties but ends after 3"},
        {"no list at all", std::nullopt, "no property list"},
#ifdef _WIN32
        {"a macOS list in the .aex", OtherPlatformList(EffectTable()), "not a Windows property list"},
#else
        {"a Windows list in the resource file", OtherPlatformList(EffectTable()),
         "Dorvane.rsrc: not a macOS property list: it begins 01 00 00 00 00 00 0c 00"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DoctoredPlugin plugin(c.list);
        const std::string refusal = Refusal(plugin.Path());
        EXPECT_NE(refusal.find(c.message), std::string::npos) << refusal;
        EXPECT_NE(refusal.find(plugin.Path()), std::string::npos) << "names the plug-in: " << refusal;
    }
}

#ifdef _WIN32
// The Windows host asks for the resource in US English only.
TEST(PropertyCheck, ListInAnotherLanguageIsNoList) {
    DoctoredPlugin plugin(std::nullopt);
    // The copy lost its list; the original still has one to borrow.
    const std::vector<std::uint8_t> list = PlatformList(EffectTable());
    HANDLE update = BeginUpdateResourceA(plugin.Path().c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(UpdateResourceA(update, "PIPL", MAKEINTRESOURCEA(16000), MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),
                                const_cast<std::uint8_t*>(list.data()), static_cast<DWORD>(list.size())));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
    EXPECT_NE(Refusal(plugin.Path()).find("no PIPL resource 16000 in language 1033"), std::string::npos);
}
#else
TEST(PropertyCheck, ListIsJudgedBeforeTheCodeIsLoaded) {
    PropertyTable not_an_effect = EffectTable();
    not_an_effect[kKind] = dorvane::CodeProperty("kind", "AEgp");
    DoctoredPlugin plugin(PlatformList(not_an_effect));
    plugin.ReplaceCodeWithJunk();
    EXPECT_NE(Refusal(plugin.Path()).find("not an effect"), std::string::npos);

    DoctoredPlugin effect(PlatformList(EffectTable()));
    effect.ReplaceCodeWithJunk();
    EXPECT_NE(Refusal(effect.Path()).find("cannot load"), std::string::npos);
}
#endif

TEST(PropertyCheck, WarnsWhenGlobalSetupReportsAnotherVersion) {
    PropertyTable other_version = EffectTable();
    other_version[kVersion] = dorvane::LongProperty("eVER", 0x80602);
    DoctoredPlugin plugin(PlatformList(other_version));
    Host host(plugin.Path());
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    ASSERT_EQ(host.Warnings().size(), 1u);
    EXPECT_EQ(host.Warnings()[0],
              "the property list's eVER is 0x00080602 but global set-up reported my_version 0x00080601");
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
}

TEST(PropertyCheck, WarnsWhenGlobalSetupReportsOtherFlags) {
    // Flags the effect leaves in place are reported along with its own.
    Host host(DORVANE_PLUGIN_PATH);
    host.OutTemplate().out_flags = PF_OutFlag_FORCE_RERENDER;
    host.OutTemplate().out_flags2 = 0x2;  // the 3D camera flag
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    const std::vector<std::string> expected = {
        "the property list's eGLO is 0x02000000 but global set-up reported out_flags 0x02400000",
        "the property list's eGL2 is 0x00001400 but global set-up reported out_flags2 0x00001402",
    };
    EXPECT_EQ(host.Warnings(), expected);
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
}

TEST(PropertyCheck, FailedGlobalSetupIsNotComparedWithTheList) {
    Host host(DORVANE_PLUGIN_PATH);
    host.OutTemplate().out_flags = PF_OutFlag_FORCE_RERENDER;
    host.state().faults().FailOperation("host_new_handle", 1, 1);
    EXPECT_NE(host.GlobalSetup(), PF_Err_NONE);
    EXPECT_TRUE(host.Warnings().empty());
}

}  // namespace
