// Memory handles, served both as the "PF Handle Suite" and as the handle
// routines of the utility callbacks.
#include "AE_EffectSuites.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

PF_Handle NewHandle(A_HandleSize size) {
    return ServeOr(Op::host_new_handle, Args(size), PF_Handle{nullptr}, [&](ServiceContext& host) -> PF_Handle {
        try {
            return host.handles().New(std::vector<unsigned char>(static_cast<size_t>(size), 0));
        } catch (...) {
            return nullptr;  // the host's way to say it has no memory
        }
    });
}

void* LockHandle(PF_Handle handle) {
    return ServeOr(Op::host_lock_handle, Args(handle), static_cast<void*>(nullptr), [&](ServiceContext& host) {
        void* bytes = host.handles().Lock(handle);
        if (bytes == nullptr) host.ledger().Violation("locked a handle the host does not know");
        return bytes;
    });
}

void UnlockHandle(PF_Handle handle) {
    // Unlocking a handle whose lock failed is harmless, as on the host.
    Observe(Op::host_unlock_handle, Args(handle), [&](ServiceContext& host) { host.handles().Unlock(handle); });
}

void DisposeHandle(PF_Handle handle) {
    Observe(Op::host_dispose_handle, Args(handle), [&](ServiceContext& host) { host.handles().Free(handle); });
}

A_HandleSize HandleSize(PF_Handle handle) {
    return Observe(Op::host_get_handle_size, Args(handle), [&](ServiceContext& host) -> A_HandleSize {
        return host.handles().Size(handle).value_or(0);
    });
}

PF_Err ResizeHandle(A_HandleSize, PF_Handle*) {
    // Not served: the effect never resizes.
    return Serve(Op::host_resize_handle, Args(), [](ServiceContext&) -> PF_Err { return PF_Err_INVALID_CALLBACK; });
}

const PF_HandleSuite1 kHandleSuite = {NewHandle, LockHandle, UnlockHandle, DisposeHandle, HandleSize, ResizeHandle};

}  // namespace

void FillHandleCallbacks(PF_UtilCallbacks& utils) {
    utils.host_new_handle = NewHandle;
    utils.host_lock_handle = LockHandle;
    utils.host_unlock_handle = UnlockHandle;
    utils.host_dispose_handle = DisposeHandle;
}

void OfferHandleSuite(SuiteDirectory& suites) {
    suites.Offer(kPFHandleSuite, kPFHandleSuiteVersion1, &kHandleSuite);
}

}  // namespace simhost
