// A basic suite that records every acquisition and release and refuses on
// request, for testing suite access without a host.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "AE_Effect.h"
#include "services/ActiveScope.h"

struct SuiteCall {
    std::string op;  // "acquire" or "release"
    std::string name;
    int version;
    bool operator==(const SuiteCall& other) const {
        return op == other.op && name == other.name && version == other.version;
    }
};

class FakeBasicSuite {
public:
    FakeBasicSuite();
    FakeBasicSuite(const FakeBasicSuite&) = delete;
    FakeBasicSuite& operator=(const FakeBasicSuite&) = delete;

    const SPBasicSuite* Table() const { return &table_; }
    SPBasicSuite* MutableTable() { return &table_; }

    // Acquisition number n (1-based) is refused with an error code.
    void RefuseNth(int n) { refuse_nth_.insert(n); }
    // Acquisitions of this suite report success but deliver no table.
    void DeliverNull(const std::string& name) { null_names_.insert(name); }
    void RefuseName(const std::string& name) { refused_names_.insert(name); }

    const std::vector<SuiteCall>& Calls() const { return calls_; }
    int Acquisitions() const;
    int Releases() const;
    // Acquisitions not yet matched by a release.
    int Outstanding() const { return Acquisitions() - Releases(); }

    // A distinct table address for each suite, so tests can tell them apart.
    const void* TableFor(const std::string& name, int version);

    // Utility callbacks whose sprintf writes into the record's message.
    PF_UtilCallbacks utils{};

private:
    static SPErr Acquire(const char* name, std::int32_t version, const void** suite);
    static SPErr Release(const char* name, std::int32_t version);

    simhost::ActiveScope<FakeBasicSuite> active_;
    SPBasicSuite table_{};
    std::vector<SuiteCall> calls_;
    std::set<int> refuse_nth_;
    std::set<std::string> null_names_;
    std::set<std::string> refused_names_;
    std::vector<std::string> tables_;
};
