// A copy of the built plug-in in a folder of its own, carrying a property
// list a test chose instead of the one the build wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/DorvaneProperties.h"

namespace registration {

// The effect's own table, ready for a test to change one value.
using PropertyTable = std::array<dorvane::Property, dorvane::kRegistrationProperties.size()>;
PropertyTable EffectTable();
// `table` as this platform's host reads it.
std::vector<std::uint8_t> PlatformList(const PropertyTable& table);
// `table` in the other platform's layout, which this platform's host refuses.
std::vector<std::uint8_t> OtherPlatformList(const PropertyTable& table);

class DoctoredPlugin {
public:
    // Without a list, the copy has none at all.
    explicit DoctoredPlugin(const std::optional<std::vector<std::uint8_t>>& list);
    ~DoctoredPlugin();
    DoctoredPlugin(const DoctoredPlugin&) = delete;
    DoctoredPlugin& operator=(const DoctoredPlugin&) = delete;

    const std::string& Path() const { return path_; }
    // Where the host would read the code: a file that is no library at all,
    // to show the list is judged before the code is touched. Not on Windows,
    // where the list lives inside the code file.
    void ReplaceCodeWithJunk() const;

private:
    void WriteList(const std::optional<std::vector<std::uint8_t>>& list) const;

    std::string folder_;
    std::string path_;
};

}  // namespace registration
