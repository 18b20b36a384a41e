// The basic suite: acquisition and release of every other suite.
#include <cstring>

#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

std::string SuiteLabel(const char* name, std::int32_t version) {
    return std::string(name) + " v" + std::to_string(version);
}

SPErr AcquireSuite(const char* name, std::int32_t version, const void** suite) {
    if (suite != nullptr) *suite = nullptr;
    return Serve(Op::AcquireSuite, Args(name, version), [&](ServiceContext& host) -> SPErr {
        if (suite == nullptr || name == nullptr) {
            host.Misuse("called without a name or a result pointer");
            return kSuiteNotFoundError;
        }
        if (auto refusal = host.OnAcquire(name, version)) {
            return *refusal == Refusal::NullTable ? kSPNoError : kSuiteNotFoundError;
        }
        const void* table = host.suites().Find(name, version);
        if (table == nullptr) return kSuiteNotFoundError;
        *suite = table;
        host.ledger().Hand(Resource::Suite, table, SuiteLabel(name, version));
        return kSPNoError;
    });
}

SPErr ReleaseSuite(const char* name, std::int32_t version) {
    return ServeRelease(Op::ReleaseSuite, Args(name, version), [&](ServiceContext& host, bool) -> SPErr {
        const void* table = name == nullptr ? nullptr : host.suites().Find(name, version);
        if (table == nullptr) {
            host.ledger().Violation("released a suite the host does not offer: " +
                                    SuiteLabel(name ? name : "(null)", version));
            return kSuiteNotFoundError;
        }
        host.ledger().Take(Resource::Suite, table);
        return kSPNoError;
    });
}

SPBoolean IsEqual(const char* token1, const char* token2) {
    return Observe(Op::IsEqual, Args(token1, token2), [&](ServiceContext&) -> SPBoolean {
        return token1 != nullptr && token2 != nullptr && std::strcmp(token1, token2) == 0;
    });
}

// Blocks are not part of the contract the effect relies on.
SPErr AllocateBlock(std::size_t, void** block) {
    if (block != nullptr) *block = nullptr;
    return Observe(Op::AllocateBlock, Args(), [](ServiceContext&) { return kSuiteNotFoundError; });
}

SPErr FreeBlock(void*) {
    return Observe(Op::FreeBlock, Args(), [](ServiceContext&) { return kSuiteNotFoundError; });
}

SPErr ReallocateBlock(void*, std::size_t, void** newblock) {
    if (newblock != nullptr) *newblock = nullptr;
    return Observe(Op::ReallocateBlock, Args(), [](ServiceContext&) { return kSuiteNotFoundError; });
}

SPErr Undefined() {
    return Observe(Op::Undefined, Args(), [](ServiceContext&) { return kSuiteNotFoundError; });
}

}  // namespace

SPBasicSuite BasicSuiteTable() {
    return {AcquireSuite, ReleaseSuite, IsEqual, AllocateBlock, FreeBlock, ReallocateBlock, Undefined};
}

}  // namespace simhost
