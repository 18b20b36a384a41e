// The suites this host offers, by name string and version.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace simhost {

class SuiteDirectory {
public:
    void Offer(std::string name, int version, const void* table) {
        tables_[{std::move(name), version}] = table;
    }
    // A host without the suite, as an older or stripped-down host would be.
    void Withdraw(const std::string& name, int version) { tables_.erase({name, version}); }
    // Null when the suite is not offered.
    const void* Find(const std::string& name, int version) const {
        auto found = tables_.find({name, version});
        return found == tables_.end() ? nullptr : found->second;
    }

private:
    std::map<std::pair<std::string, int>, const void*> tables_;
};

}  // namespace simhost
