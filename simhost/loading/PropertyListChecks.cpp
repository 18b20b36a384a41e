#include "loading/PropertyListChecks.h"

#include <cstdio>

namespace simhost {

namespace {

constexpr std::uint32_t kEffectKind = FourCC("eFKT");

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(value));
    return text;
}

void Compare(const PropertyList& list, const char* key, const char* field, std::uint32_t reported,
             std::vector<std::string>& warnings) {
    const std::optional<std::uint32_t> listed = list.Long(FourCC(key));
    if (!listed) {
        warnings.push_back(std::string("the property list has no ") + key + "; global set-up reported " +
                           field + " " + Hex(reported));
    } else if (*listed != reported) {
        warnings.push_back(std::string("the property list's ") + key + " is " + Hex(*listed) +
                           " but global set-up reported " + field + " " + Hex(reported));
    }
}

}  // namespace

std::uint32_t EntryPointKey() {
#if defined(_WIN32)
    return FourCC("8664");
#elif defined(__APPLE__) && defined(__aarch64__)
    return FourCC("ma64");
#else
    // The x86-64 key of the platform that keeps its list beside the code.
    return FourCC("mi64");
#endif
}

std::string EffectEntryName(const PropertyList& list) {
    const std::optional<std::uint32_t> kind = list.Code(FourCC("kind"));
    if (!kind) throw PropertyListError("the property list has no kind");
    if (*kind != kEffectKind) {
        throw PropertyListError("the plug-in is of kind '" + FourCCText(*kind) + "', not an effect ('eFKT')");
    }
    const std::uint32_t key = EntryPointKey();
    // Windows names it as a C string, macOS as a Pascal string.
    const std::optional<std::string> name =
        list.Layout() == PropertyListLayout::Windows ? list.CString(key) : list.PascalString(key);
    if (!name || name->empty()) {
        throw PropertyListError("the property list names no entry point under '" + FourCCText(key) + "'");
    }
    return *name;
}

std::vector<std::string> GlobalSetupMismatches(const PropertyList& list, const PF_OutData& out) {
    std::vector<std::string> warnings;
    Compare(list, "eVER", "my_version", out.my_version, warnings);
    Compare(list, "eGLO", "out_flags", static_cast<std::uint32_t>(out.out_flags), warnings);
    Compare(list, "eGL2", "out_flags2", static_cast<std::uint32_t>(out.out_flags2), warnings);
    return warnings;
}

}  // namespace simhost
