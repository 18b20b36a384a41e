// The basic suite: acquisition and release of every other suite.
#include <cstring>

#include "Host.h"
#include "services/Services.h"

namespace simhost {

namespace {

std::string SuiteLabel(const char* name, std::int32_t version) {
    return std::string(name) + " v" + std::to_string(version);
}

SPErr AcquireSuite(const char* name, std::int32_t version, const void** suite) {
    return Guarded("AcquireSuite", [&]() -> SPErr {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AcquireSuite", ArgList(name, version));
        if (suite == nullptr || name == nullptr) {
            host.ledger().Violation("AcquireSuite called without a name or a result pointer");
            return kSuiteNotFoundError;
        }
        *suite = nullptr;
        if (injected != A_Err_NONE) return injected;
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
    return Guarded("ReleaseSuite", [&]() -> SPErr {
        Host& host = Host::Active();
        // A failed release still releases: the effect cannot retry it, so a
        // host that kept the suite would only leak it.
        const A_Err injected = host.Enter("ReleaseSuite", ArgList(name, version));
        const void* table = name == nullptr ? nullptr : host.suites().Find(name, version);
        if (table == nullptr) {
            host.ledger().Violation("released a suite the host does not offer: " +
                                    SuiteLabel(name ? name : "(null)", version));
            return kSuiteNotFoundError;
        }
        host.ledger().Take(Resource::Suite, table);
        return injected;
    });
}

SPBoolean IsEqual(const char* token1, const char* token2) {
    Host::Active().Note("IsEqual", ArgList(token1, token2));
    return token1 != nullptr && token2 != nullptr && std::strcmp(token1, token2) == 0;
}

SPErr AllocateBlock(std::size_t, void** block) {
    // Blocks are not part of the contract the effect relies on.
    Host::Active().Note("AllocateBlock", "");
    if (block != nullptr) *block = nullptr;
    return kSuiteNotFoundError;
}

SPErr FreeBlock(void*) {
    Host::Active().Note("FreeBlock", "");
    return kSuiteNotFoundError;
}

SPErr ReallocateBlock(void*, std::size_t, void** newblock) {
    Host::Active().Note("ReallocateBlock", "");
    if (newblock != nullptr) *newblock = nullptr;
    return kSuiteNotFoundError;
}

SPErr Undefined() {
    Host::Active().Note("Undefined", "");
    return kSuiteNotFoundError;
}

}  // namespace

SPBasicSuite BasicSuiteTable() {
    return {AcquireSuite, ReleaseSuite, IsEqual, AllocateBlock, FreeBlock, ReallocateBlock, Undefined};
}

}  // namespace simhost
