// A host memory handle (PF_Handle) the effect works in: locked to reach its
// bytes, unlocked, and handed over to the host or, when the scope owns it,
// disposed of when the scope ends. Every way out, a thrown suite refusal
// included, gives back a lock the host granted and frees an owned handle
// that nobody took.
#pragma once

#include "AE_EffectSuites.h"

class HandleScope {
public:
    // A new handle of `size` bytes, the scope's until handed over; there is
    // none when the host had no memory.
    static HandleScope New(const PF_HandleSuite1* handles, A_HandleSize size) {
        return HandleScope(handles, handles->host_new_handle(size), true);
    }
    // A handle that stays the host's, held here for a lock only.
    static HandleScope Borrow(const PF_HandleSuite1* handles, PF_Handle handle) {
        return HandleScope(handles, handle, false);
    }

    ~HandleScope() {
        if (bytes_ != nullptr) handles_->host_unlock_handle(handle_);
        if (owned_ && handle_ != nullptr) handles_->host_dispose_handle(handle_);
    }
    HandleScope(const HandleScope&) = delete;
    HandleScope& operator=(const HandleScope&) = delete;

    bool Exists() const { return handle_ != nullptr; }

    // The handle's bytes, or null when the host refused the lock. Without a
    // handle the host is not asked: it has no answer for one but a crash.
    void* Lock() {
        if (handle_ == nullptr) return nullptr;
        lock_asked_ = true;
        bytes_ = handles_->host_lock_handle(handle_);
        return bytes_;
    }

    // Gives back the lock asked for, a refused one too: the host takes the
    // unlock of a lock it refused as harmless.
    void Unlock() {
        if (!lock_asked_) return;
        lock_asked_ = false;
        bytes_ = nullptr;
        handles_->host_unlock_handle(handle_);
    }

    // The handle, locked or not as it stands, belongs to the host from now
    // on: the scope neither unlocks nor frees it.
    PF_Handle HandOver() {
        const PF_Handle handle = handle_;
        handle_ = nullptr;
        bytes_ = nullptr;
        lock_asked_ = false;
        return handle;
    }

private:
    HandleScope(const PF_HandleSuite1* handles, PF_Handle handle, bool owned)
        : handles_(handles), handle_(handle), owned_(owned) {}

    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    bool owned_;
    bool lock_asked_ = false;
    void* bytes_ = nullptr;
};
