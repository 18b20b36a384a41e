#include "DoctoredPlugin.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "ResourceFile.h"
#include "resources/PropertyListEncoding.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "loading/PropertyListReader.h"
#include "loading/PropertyListResourceFile.h"
#endif

namespace registration {

namespace fs = std::filesystem;

namespace {

fs::path BuiltPlugin() {
    std::string path = DORVANE_PLUGIN_PATH;
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
#endif
    return fs::path(path);
}

std::string FreshFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() /
                            ("dorvane-registration-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(folder);
    return folder.string();
}

}  // namespace

PropertyTable EffectTable() { return dorvane::kRegistrationProperties; }

std::vector<std::uint8_t> PlatformList(const PropertyTable& table) {
#ifdef _WIN32
    return dorvane::EncodePropertyListBytes(table, dorvane::PropertyListTarget::WindowsX64);
#else
    return dorvane::EncodePropertyListBytes(table, dorvane::PropertyListTarget::MacX86_64);
#endif
}

std::vector<std::uint8_t> OtherPlatformList(const PropertyTable& table) {
#ifdef _WIN32
    return dorvane::EncodePropertyListBytes(table, dorvane::PropertyListTarget::MacX86_64);
#else
    return dorvane::EncodePropertyListBytes(table, dorvane::PropertyListTarget::WindowsX64);
#endif
}

DoctoredPlugin::DoctoredPlugin(const std::optional<std::vector<std::uint8_t>>& list)
    : folder_(FreshFolder()) {
    const fs::path built = BuiltPlugin();
    path_ = (fs::path(folder_) / built.filename()).string();
    fs::copy_file(built, path_);
    WriteList(list);
}

void DoctoredPlugin::WriteList(const std::optional<std::vector<std::uint8_t>>& list) const {
#ifdef _WIN32
    // Every resource of the copy goes; the chosen list, if any, replaces them.
    HANDLE update = BeginUpdateResourceA(path_.c_str(), TRUE);
    ASSERT_NE(update, nullptr) << "cannot open " << path_ << " for resource updates";
    if (list) {
        EXPECT_TRUE(UpdateResourceA(update, "PIPL", MAKEINTRESOURCEA(16000),
                                    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                    const_cast<std::uint8_t*>(list->data()),
                                    static_cast<DWORD>(list->size())));
    }
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE)) << "cannot rewrite the resources of " << path_;
#else
    if (list) {
        const std::vector<std::uint8_t> file =
            pipl::ResourceFileBytes(simhost::kPropertyFileResourceType, 16000, *list);
        std::ofstream out(simhost::PropertyFilePath(path_), std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
#endif
}

DoctoredPlugin::~DoctoredPlugin() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void DoctoredPlugin::ReplaceCodeWithJunk() const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << "not a library";
}

}  // namespace registration
