#include "WindowsResourceScript.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

#include "resources/DorvaneProperties.h"

namespace pipl {

namespace {

// Values the version resource's header takes from the Windows headers.
constexpr const char* kFileFlagsMask = "0x3F";       // VS_FFI_FILEFLAGSMASK
constexpr const char* kFileOs = "0x40004";           // VOS_NT_WINDOWS32
constexpr const char* kFileTypeLibrary = "0x2";      // VFT_DLL
constexpr const char* kUnicodeCodePage = "1200";
// US English, Unicode: the string block's name and the translation entry.
constexpr const char* kStringBlock = "040904B0";
constexpr const char* kTranslationLanguage = "0x409";

std::string PropertyListResource(const std::vector<std::uint8_t>& list) {
    if (list.size() % 2 != 0) throw std::invalid_argument("property list of odd length");
    std::string text = std::to_string(kWindowsResourceId) + " PIPL DISCARDABLE\nBEGIN\n";
    for (std::size_t i = 0; i < list.size(); i += 2) {
        // Words are stored little-endian, which keeps the bytes in order.
        char word[16];
        std::snprintf(word, sizeof(word), "0x%02X%02X", list[i + 1], list[i]);
        text += (i % 16 == 0 ? "    " : " ");
        text += word;
        const bool last = i + 2 >= list.size();
        text += last ? "\n" : ((i + 2) % 16 == 0 ? ",\n" : ",");
    }
    return text + "END\n";
}

// A resource script string: quotes doubled, nothing else special.
std::string Quoted(const std::string& value) {
    std::string text = "\"";
    for (char c : value) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

// The four parts of the file version, major first, joined by `separator`.
std::string FileVersion(const char* separator) {
    return std::to_string(dorvane::kMajorVersion) + separator + std::to_string(dorvane::kMinorVersion) +
           separator + std::to_string(dorvane::kBugVersion) + separator +
           std::to_string(dorvane::kBuildVersion);
}

std::string VersionResource(const std::string& file_name) {
    const std::string numbers = FileVersion(",");
    const std::string dotted = FileVersion(".");
    const std::pair<const char*, std::string> strings[] = {
        {"FileDescription", dorvane::kDescription},
        {"FileVersion", dotted},
        {"InternalName", dorvane::kEffectName},
        {"LegalCopyright", dorvane::kCopyright},
        {"OriginalFilename", file_name},
        {"ProductName", dorvane::kEffectName},
        {"ProductVersion", dotted},
    };
    std::string text = std::to_string(kWindowsVersionResourceId) + " VERSIONINFO\n";
    text += "FILEVERSION " + numbers + "\nPRODUCTVERSION " + numbers + "\n";
    text += std::string("FILEFLAGSMASK ") + kFileFlagsMask + "\nFILEFLAGS 0x0\n";
    text += std::string("FILEOS ") + kFileOs + "\nFILETYPE " + kFileTypeLibrary + "\nFILESUBTYPE 0x0\n";
    text += "BEGIN\n    BLOCK \"StringFileInfo\"\n    BEGIN\n";
    text += std::string("        BLOCK \"") + kStringBlock + "\"\n        BEGIN\n";
    for (const auto& [key, value] : strings) {
        text += std::string("            VALUE \"") + key + "\", " + Quoted(value) + "\n";
    }
    text += "        END\n    END\n    BLOCK \"VarFileInfo\"\n    BEGIN\n";
    text += std::string("        VALUE \"Translation\", ") + kTranslationLanguage + ", " + kUnicodeCodePage + "\n";
    return text + "    END\nEND\n";
}

}  // namespace

std::string WindowsResourceScript(const std::vector<std::uint8_t>& list, const std::string& file_name) {
    std::string text = "/* Generated from plugin/resources/DorvaneProperties.h by dorvane-pipl. */\n";
    text += "LANGUAGE " + std::to_string(kWindowsResourceLanguage) + ", " +
            std::to_string(kWindowsResourceSublanguage) + "\n";
    return text + PropertyListResource(list) + "\n" + VersionResource(file_name);
}

}  // namespace pipl
