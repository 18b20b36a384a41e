// The simulated host's own loader of a macOS bundle's x86_64 code: what it
// refuses and why, the frame rules it derives from compact unwind entries,
// and the bundle's code running in this process, exceptions included.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Host.h"
#include "loading/PluginLibrary.h"
#include "loading/PropertyListResourceFile.h"
#include "loading/macho/CompactUnwind.h"
#include "loading/macho/MachOError.h"
#include "support/NothingHeld.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Whether `text` says `part`, for messages whose wording around it may vary.
::testing::AssertionResult Says(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text << "\" does not say \"" << part << "\"";
}

// A bundle folder in the test's own temporary place, holding `code` as
// its executable; removed with the object.
class ScratchBundle {
public:
    explicit ScratchBundle(const Bytes& code) {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = fs::temp_directory_path() / ("dorvane-macho-" + test + "-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "Scratch.plugin" / "Contents" / "MacOS");
        std::ofstream out(CodePath(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(code.data()), static_cast<std::streamsize>(code.size()));
    }
    ~ScratchBundle() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    ScratchBundle(const ScratchBundle&) = delete;
    ScratchBundle& operator=(const ScratchBundle&) = delete;

    std::string CodePath() const { return (folder_ / "Scratch.plugin" / "Contents" / "MacOS" / "Scratch").string(); }

private:
    fs::path folder_;
};

// Why loading `code` as a bundle fails, or "" when it loads.
std::string LoadRefusal(const Bytes& code) {
    const ScratchBundle bundle(code);
    try {
        simhost::PluginLibrary library(bundle.CodePath());
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_TRUE(Says(message, bundle.CodePath()));
        return message;
    }
    return "";
}

void Little32(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
void Big32(Bytes& bytes, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 64-bit Mach-O header (cf fa ed fe) of a bundle (type 8) for `cpu`,
// followed by one load command of `command` with an empty body.
Bytes ThinHeader(std::uint32_t cpu, std::uint32_t command, std::uint32_t command_size) {
    Bytes bytes;
    for (std::uint32_t word : {0xfeedfacfu, cpu, 3u, 8u, 1u, command_size, 0u, 0u}) Little32(bytes, word);
    Little32(bytes, command);
    Little32(bytes, command_size);
    bytes.resize(bytes.size() + command_size - 8, 0);
    return bytes;
}

constexpr std::uint32_t kX86_64 = 0x01000007;
constexpr std::uint32_t kArm64 = 0x0100000c;

TEST(MachOLoader, RefusesWhatItCannotRun) {
    Bytes elf = {0x7f, 'E', 'L', 'F', 2, 1, 1, 0};
    elf.resize(64, 0);

    // A universal file (ca fe ba be, big-endian) with one arm64 slice.
    Bytes arm64_only;
    for (std::uint32_t word : {0xcafebabeu, 1u, kArm64, 0u, 4096u, 32u, 12u}) Big32(arm64_only, word);

    const struct {
        const char* what;
        Bytes code;
        const char* reason;
    } cases[] = {
        {"an ELF library", elf, "not a Mach-O file"},
        {"a universal file for arm64 alone", arm64_only, "without an x86_64 slice"},
        {"a thin arm64 file", ThinHeader(kArm64, 0x19, 72), "without x86_64 code"},
        // LC_DYLD_CHAINED_FIXUPS: offset and size of its data.
        {"chained fixups", ThinHeader(kX86_64, 0x80000034, 16), "chained fixups"},
        // LC_DYLD_INFO_ONLY whose rebase information lies past the end.
        {"dyld information past the end", [] {
             Bytes bytes = ThinHeader(kX86_64, 0x80000022, 48);
             bytes[40] = 0xff;
             return bytes;
         }(), "rebase information runs past the end"},
        {"an empty file", Bytes{}, "not a Mach-O file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Says(LoadRefusal(c.code), c.reason));
    }
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A universal file holding `x86_64` after an arm64 slice (its header
// big-endian: magic, count, then cpu, subtype, offset, size and alignment
// of each slice), as a universal build lays it out.
Bytes UniversalAfterArm64(const Bytes& x86_64) {
    constexpr std::uint32_t kArm64At = 0x4000, kArm64Size = 0x4000, kX86_64At = 0x8000;
    Bytes universal;
    for (std::uint32_t word : {0xcafebabeu, 2u, kArm64, 0u, kArm64At, kArm64Size, 14u, kX86_64, 3u, kX86_64At,
                               static_cast<std::uint32_t>(x86_64.size()), 14u}) {
        Big32(universal, word);
    }
    universal.resize(kX86_64At, 0);
    universal.insert(universal.end(), x86_64.begin(), x86_64.end());
    return universal;
}

// The universal build's own code is such a file already.
TEST(MachOLoader, RunsTheX86_64SliceOfAUniversalFile) {
    Bytes code = ReadFile(simhost::BundleCodePath(DORVANE_PLUGIN_PATH));
    const Bytes universal_magic = {0xca, 0xfe, 0xba, 0xbe};
    if (!std::equal(universal_magic.begin(), universal_magic.end(), code.begin())) code = UniversalAfterArm64(code);

    const ScratchBundle bundle(code);
    const simhost::PluginLibrary library(bundle.CodePath());
    EXPECT_NE(library.Find("EntryPointFunc"), nullptr);
}

// The bundle under test with every spelling of an import's name changed
// to one that no system has; the names in the file are NUL-terminated.
Bytes WithImportRenamed(const std::string& from, const std::string& to) {
    Bytes code = ReadFile(simhost::BundleCodePath(DORVANE_PLUGIN_PATH));
    const Bytes needle(from.c_str(), from.c_str() + from.size() + 1);
    int renamed = 0;
    for (auto at = std::search(code.begin(), code.end(), needle.begin(), needle.end()); at != code.end();
         at = std::search(at + 1, code.end(), needle.begin(), needle.end())) {
        std::copy(to.begin(), to.end(), at);
        ++renamed;
    }
    EXPECT_GT(renamed, 0) << from << " is not in the bundle";
    return code;
}

TEST(MachOLoader, RefusesAnImportWithoutLinuxEquivalentByName) {
    EXPECT_TRUE(Says(LoadRefusal(WithImportRenamed("_strlen", "_strlex")), "import _strlex has no Linux equivalent"));
}

// DWARF call-frame instructions as the unwinder reads them: rbp is DWARF
// register 6, rbx 3, r12 to r15 12 to 15; offsets count 8-byte slots
// below the frame address.
TEST(CompactUnwind, FrameRulesFromEncodings) {
    const struct {
        const char* what;
        std::uint32_t encoding;
        Bytes instructions;
    } cases[] = {
        // push rbp; mov rsp, rbp: the frame is rbp + 16, rbp saved at -16.
        {"rbp frame", 0x01000000, {0x0c, 6, 16, 0x86, 2}},
        // ... then push rbx: saved one slot below rbp, at -24.
        {"rbp frame saving rbx", 0x01010001, {0x0c, 6, 16, 0x86, 2, 0x83, 3}},
        // ... then push r12; push r15 (the run begins two slots down).
        {"rbp frame saving r12, r15", 0x01020000 | 2 | (5 << 3), {0x0c, 6, 16, 0x86, 2, 0x8c, 4, 0x8f, 3}},
        // push rbx, then nothing: 16 bytes with the return address.
        {"frameless saving rbx", 0x02020400, {0x0e, 16, 0x83, 2}},
        // push r14; push rbx; sub $8: 32 bytes. The entry lists the saved
        // registers from the lowest address up, rbx then r14, each by its
        // rank among rbx, r12, r13, r14, r15, rbp not yet listed: rbx 0,
        // then r14 2 (of r12, r13, r14, ...), numbered 0 * 5 + 2.
        {"frameless saving r14, rbx", 0x02040800 | 2, {0x0e, 32, 0x83, 3, 0x8e, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(simhost::macho::FrameInstructions(c.encoding, nullptr, 0), c.instructions);
    }
}

TEST(CompactUnwind, RefusesEntriesItCannotTranslate) {
    const struct {
        std::uint32_t encoding;
        const char* reason;
    } cases[] = {
        {0x04000000, "defers to __eh_frame"},
        {0x05000000, "unknown kind"},
        {0x00000000, "unknown kind"},
        {0x02021c00, "saves 7 registers"},
        {0x01000007, "names register 7"},
        {0x02010400, "smaller than its saved registers"},
        {0x03050000, "frame size lies outside its function"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        try {
            simhost::macho::FrameInstructions(c.encoding, nullptr, 0);
            ADD_FAILURE() << "accepted";
        } catch (const simhost::macho::MachOError& e) {
            EXPECT_TRUE(Says(e.what(), c.reason));
        }
    }
}

TEST(MachOBundle, RunsTheEntryPoint) {
    simhost::Host host(DORVANE_PLUGIN_PATH);
    ASSERT_EQ(host.About(), PF_Err_NONE);
    EXPECT_TRUE(Says(std::string(host.OutData().return_msg), "Dorvane, v1.0.0"));
    EXPECT_EQ(simhost::PluginLibrary(simhost::BundleCodePath(DORVANE_PLUGIN_PATH)).Find("NoSuchSymbol"),
              nullptr);
}

// A refused suite is thrown inside the bundle's code as a bare error code
// and caught by its entry point: the throw unwinds the bundle's frames by
// the rules made from its compact unwind entries.
TEST(MachOBundle, AnExceptionThrownInItsCodeIsCaught) {
    simhost::Host host(DORVANE_PLUGIN_PATH);
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    ASSERT_EQ(host.ParamsSetup(), PF_Err_NONE);
    host.state().faults().RefuseAcquisition(2);
    EXPECT_EQ(host.UserChangedParam(1), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(NothingHeld(host));
    // And the bundle goes on working afterwards.
    host.state().faults().Clear();
    EXPECT_EQ(host.UserChangedParam(1), PF_Err_NONE);
}

}  // namespace
