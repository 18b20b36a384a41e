// "AEGP Memory Suite" 1: the memory handles in which the host returns
// texts such as stream names, and which the effect may make itself.
#include "Host.h"
#include "services/ReferenceLookup.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err NewMemHandle(AEGP_PluginID plugin_id, const A_char* whatZ, AEGP_MemSize size,
                   AEGP_MemFlag flags, AEGP_MemHandle* memPH) {
    return Guarded("AEGP_NewMemHandle", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_NewMemHandle", ArgList(plugin_id, whatZ, size, flags));
        if (injected != A_Err_NONE) return injected;
        if (memPH == nullptr || !KnownPluginId(host, plugin_id, "AEGP_NewMemHandle")) {
            return A_Err_PARAMETER;
        }
        // Cleared whatever the flags say: the host's uncleared bytes are
        // unspecified, and zeros are one of the things they may be.
        *memPH = host.references().NewMem(std::vector<unsigned char>(size, 0));
        return A_Err_NONE;
    });
}

A_Err FreeMemHandle(AEGP_MemHandle mem) {
    return Guarded("AEGP_FreeMemHandle", [&]() -> A_Err {
        Host& host = Host::Active();
        // A failed free still frees: the effect cannot retry it.
        const A_Err injected = host.Enter("AEGP_FreeMemHandle", ArgList(mem));
        const bool held = host.references().FreeMem(mem);
        if (injected != A_Err_NONE) return injected;
        return held ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err LockMemHandle(AEGP_MemHandle mem, void** ptr_to_ptr) {
    return Guarded("AEGP_LockMemHandle", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_LockMemHandle", ArgList(mem));
        if (injected != A_Err_NONE) return injected;
        if (ptr_to_ptr == nullptr) return A_Err_PARAMETER;
        void* bytes = host.references().LockMem(mem);
        if (bytes == nullptr) {
            host.ledger().Violation("locked a memory handle the host does not hold out");
            return A_Err_PARAMETER;
        }
        *ptr_to_ptr = bytes;
        return A_Err_NONE;
    });
}

A_Err UnlockMemHandle(AEGP_MemHandle mem) {
    return Guarded("AEGP_UnlockMemHandle", [&]() -> A_Err {
        Host& host = Host::Active();
        // A failed unlock still unlocks, as a failed disposal still disposes.
        const A_Err injected = host.Enter("AEGP_UnlockMemHandle", ArgList(mem));
        const bool unlocked = host.references().UnlockMem(mem);
        if (!unlocked) host.ledger().Violation("unlocked a memory handle that was not locked");
        if (injected != A_Err_NONE) return injected;
        return unlocked ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err GetMemHandleSize(AEGP_MemHandle mem, AEGP_MemSize* sizeP) {
    return Guarded("AEGP_GetMemHandleSize", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetMemHandleSize", ArgList(mem));
        if (injected != A_Err_NONE) return injected;
        const std::optional<AEGP_MemSize> size = host.references().MemSize(mem);
        if (!size) host.ledger().Violation("asked the size of a memory handle not held out");
        if (sizeP == nullptr || !size) return A_Err_PARAMETER;
        *sizeP = *size;
        return A_Err_NONE;
    });
}

// The rest of the suite is not part of the contract the effect relies on.
A_Err ResizeMemHandle(const A_char*, AEGP_MemSize, AEGP_MemHandle) {
    Host::Active().Enter("AEGP_ResizeMemHandle", "");
    return A_Err_GENERIC;
}

A_Err SetMemReportingOn(A_Boolean) {
    Host::Active().Enter("AEGP_SetMemReportingOn", "");
    return A_Err_GENERIC;
}

A_Err GetMemStats(AEGP_PluginID, A_long*, A_long*) {
    Host::Active().Enter("AEGP_GetMemStats", "");
    return A_Err_GENERIC;
}

const AEGP_MemorySuite1 kMemorySuite1 = {NewMemHandle,     FreeMemHandle,     LockMemHandle,
                                         UnlockMemHandle,  GetMemHandleSize,  ResizeMemHandle,
                                         SetMemReportingOn, GetMemStats};

}  // namespace

void OfferMemorySuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPMemorySuite, kAEGPMemorySuiteVersion1, &kMemorySuite1);
}

}  // namespace simhost
