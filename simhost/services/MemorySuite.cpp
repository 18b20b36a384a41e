// "AEGP Memory Suite" 1: the memory handles in which the host returns
// texts such as stream names, and which the effect may make itself.
#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err NewMemHandle(AEGP_PluginID plugin_id, const A_char* whatZ, AEGP_MemSize size, AEGP_MemFlag flags,
                   AEGP_MemHandle* memPH) {
    return Serve(Op::AEGP_NewMemHandle, Args(plugin_id, whatZ, size, flags), [&](ServiceContext& host) -> A_Err {
        if (memPH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        // Cleared whatever the flags say: the host's uncleared bytes are
        // unspecified, and zeros are one of the things they may be.
        *memPH = reinterpret_cast<AEGP_MemHandle>(host.memory().New(std::vector<unsigned char>(size, 0)));
        return A_Err_NONE;
    });
}

A_Err FreeMemHandle(AEGP_MemHandle mem) {
    return ServeRelease(Op::AEGP_FreeMemHandle, Args(mem), [&](ServiceContext& host, bool) {
        return host.memory().Free(mem) ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err LockMemHandle(AEGP_MemHandle mem, void** ptr_to_ptr) {
    return Serve(Op::AEGP_LockMemHandle, Args(mem), [&](ServiceContext& host) -> A_Err {
        if (ptr_to_ptr == nullptr) return A_Err_PARAMETER;
        void* bytes = host.memory().Lock(mem);
        if (bytes == nullptr) {
            host.ledger().Violation("locked a memory handle the host does not hold out");
            return A_Err_PARAMETER;
        }
        *ptr_to_ptr = bytes;
        return A_Err_NONE;
    });
}

A_Err UnlockMemHandle(AEGP_MemHandle mem) {
    return ServeRelease(Op::AEGP_UnlockMemHandle, Args(mem), [&](ServiceContext& host, bool) {
        if (host.memory().Unlock(mem)) return A_Err_NONE;
        host.ledger().Violation("unlocked a memory handle that was not locked");
        return A_Err_PARAMETER;
    });
}

A_Err GetMemHandleSize(AEGP_MemHandle mem, AEGP_MemSize* sizeP) {
    return Serve(Op::AEGP_GetMemHandleSize, Args(mem), [&](ServiceContext& host) -> A_Err {
        const std::optional<size_t> size = host.memory().Size(mem);
        if (!size) host.ledger().Violation("asked the size of a memory handle not held out");
        if (sizeP == nullptr || !size) return A_Err_PARAMETER;
        *sizeP = static_cast<AEGP_MemSize>(*size);
        return A_Err_NONE;
    });
}

// The rest of the suite is not part of the contract the effect relies on.
A_Err Unserved(ServiceContext&) { return A_Err_GENERIC; }

A_Err ResizeMemHandle(const A_char*, AEGP_MemSize, AEGP_MemHandle) {
    return Serve(Op::AEGP_ResizeMemHandle, Args(), Unserved);
}

A_Err SetMemReportingOn(A_Boolean) { return Serve(Op::AEGP_SetMemReportingOn, Args(), Unserved); }

A_Err GetMemStats(AEGP_PluginID, A_long*, A_long*) { return Serve(Op::AEGP_GetMemStats, Args(), Unserved); }

const AEGP_MemorySuite1 kMemorySuite1 = {NewMemHandle,     FreeMemHandle,    LockMemHandle,
                                         UnlockMemHandle,  GetMemHandleSize, ResizeMemHandle,
                                         SetMemReportingOn, GetMemStats};

}  // namespace

void OfferMemorySuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPMemorySuite, kAEGPMemorySuiteVersion1, &kMemorySuite1);
}

}  // namespace simhost
