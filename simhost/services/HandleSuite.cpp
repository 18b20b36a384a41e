// Memory handles, served both as the "PF Handle Suite" and as the handle
// routines of the utility callbacks.
#include "AE_EffectSuites.h"
#include "Host.h"
#include "services/Services.h"

namespace simhost {

namespace {

PF_Handle NewHandle(A_HandleSize size) {
    Host& host = Host::Active();
    if (host.Enter("host_new_handle", ArgList(size)) != A_Err_NONE) return nullptr;
    try {
        PF_Handle handle = host.handles().New(size);
        host.ledger().Hand(Resource::Handle, handle, "of " + std::to_string(size) + " bytes");
        return handle;
    } catch (...) {
        return nullptr;  // the host's way to say it has no memory
    }
}

void* LockHandle(PF_Handle handle) {
    Host& host = Host::Active();
    if (host.Enter("host_lock_handle", ArgList(handle)) != A_Err_NONE) return nullptr;
    void* bytes = host.handles().Lock(handle);
    if (bytes == nullptr) {
        host.ledger().Violation("locked a handle the host does not know");
        return nullptr;
    }
    host.ledger().Hand(Resource::HandleLock, handle, "lock");
    return bytes;
}

void UnlockHandle(PF_Handle handle) {
    Host& host = Host::Active();
    host.Note("host_unlock_handle", ArgList(handle));
    // Unlocking a handle whose lock failed is harmless, as on the host.
    if (host.handles().Unlock(handle)) host.ledger().Take(Resource::HandleLock, handle);
}

void DisposeHandle(PF_Handle handle) {
    Host& host = Host::Active();
    host.Note("host_dispose_handle", ArgList(handle));
    if (host.handles().Locks(handle) > 0) host.ledger().Violation("disposed of a locked handle");
    while (host.ledger().Holds(Resource::HandleLock, handle)) host.ledger().Take(Resource::HandleLock, handle);
    if (!host.handles().Dispose(handle)) {
        host.ledger().Violation("disposed of a handle the host does not know");
        return;
    }
    host.ledger().Take(Resource::Handle, handle);
}

A_HandleSize HandleSize(PF_Handle handle) {
    Host& host = Host::Active();
    host.Note("host_get_handle_size", ArgList(handle));
    return host.handles().Size(handle);
}

PF_Err ResizeHandle(A_HandleSize, PF_Handle*) {
    Host::Active().Enter("host_resize_handle", "");
    return PF_Err_INVALID_CALLBACK;  // not served: the effect never resizes
}

const PF_HandleSuite1 kHandleSuite = {NewHandle,  LockHandle, UnlockHandle,
                                      DisposeHandle, HandleSize, ResizeHandle};

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
