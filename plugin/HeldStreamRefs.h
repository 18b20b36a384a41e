// Scope holders for the stream references and value records that a library
// routine obtains from the host. The routine disposes of them itself, in its
// own order, so that it can report a disposal's error; the destructor only
// catches what a thrown suite refusal would otherwise leave with the host.
#pragma once

#include "AE_GeneralPlug.h"

class HeldStreamRef {
public:
    explicit HeldStreamRef(const AEGP_StreamSuite4* streams) : streams_(streams) {}
    ~HeldStreamRef() { static_cast<void>(Dispose()); }
    HeldStreamRef(const HeldStreamRef&) = delete;
    HeldStreamRef& operator=(const HeldStreamRef&) = delete;

    // Takes the reference that a successful host call returned.
    void Adopt(AEGP_StreamRefH stream) { stream_ = stream; }
    AEGP_StreamRefH Get() const { return stream_; }

    // Disposes of the reference if one is held; 0 when there was none.
    A_Err Dispose() {
        if (stream_ == nullptr) return A_Err_NONE;
        AEGP_StreamRefH stream = stream_;
        stream_ = nullptr;
        return streams_->AEGP_DisposeStream(stream);
    }

private:
    const AEGP_StreamSuite4* streams_;
    AEGP_StreamRefH stream_ = nullptr;
};

class HeldStreamValue {
public:
    explicit HeldStreamValue(const AEGP_StreamSuite4* streams) : streams_(streams), record_() {
        record_.streamH = nullptr;
    }
    ~HeldStreamValue() { static_cast<void>(Dispose()); }
    HeldStreamValue(const HeldStreamValue&) = delete;
    HeldStreamValue& operator=(const HeldStreamValue&) = delete;

    // The record the host fills; its streamH stays null until it has.
    AEGP_StreamValue2* Record() { return &record_; }

    A_Err Dispose() {
        if (record_.streamH == nullptr) return A_Err_NONE;
        const A_Err err = streams_->AEGP_DisposeStreamValue(&record_);
        record_.streamH = nullptr;
        return err;
    }

private:
    const AEGP_StreamSuite4* streams_;
    AEGP_StreamValue2 record_;
};

// The result after a disposal: a disposal's error counts only when nothing
// failed before it.
inline A_Err KeepFirstError(A_Err so_far, A_Err next) {
    return so_far != A_Err_NONE ? so_far : next;
}
