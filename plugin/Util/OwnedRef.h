// Holds one host reference and gives it back exactly once.
//
// On the normal path the owner releases it explicitly, folding the
// disposal's code into the running result (it counts only if nothing failed
// before). If a refused suite unwinds the command first, the destructor
// gives it back and the code is dropped: the thrown error is the result.
#pragma once

#include "AE_GeneralPlug.h"

template <class Ref>
class OwnedRef {
public:
    using Dispose = A_Err (*)(Ref);

    OwnedRef() = default;
    explicit OwnedRef(Dispose dispose) : dispose_(dispose) {}
    ~OwnedRef() {
        if (ref_ != nullptr) dispose_(ref_);
    }
    OwnedRef(const OwnedRef&) = delete;
    OwnedRef& operator=(const OwnedRef&) = delete;

    // For a reference that is moved into a holder of its own kind.
    void Bind(Dispose dispose) { dispose_ = dispose; }

    // Where the host writes a new reference.
    Ref* Out() { return &ref_; }
    Ref Get() const { return ref_; }
    explicit operator bool() const { return ref_ != nullptr; }

    void Release(A_Err& err) {
        if (ref_ == nullptr) return;
        const A_Err disposed = dispose_(ref_);
        ref_ = nullptr;
        if (err == A_Err_NONE) err = disposed;
    }

    // Hands the reference to another holder and forgets it.
    Ref Take() {
        Ref ref = ref_;
        ref_ = nullptr;
        return ref;
    }

private:
    Dispose dispose_ = nullptr;
    Ref ref_ = nullptr;
};
