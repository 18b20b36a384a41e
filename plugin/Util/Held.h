// One reference or value record obtained from the host, given back exactly
// once.
//
// On the normal path the owner gives it back with Release, folding the
// host's code into the running result (KeepFirstError), in the order the
// host contract asks for. If a thrown suite refusal unwinds the command
// first, the destructor gives it back and drops the code: the thrown error
// is the result.
#pragma once

#include "AE_GeneralPlug.h"
#include "Util/FirstError.h"

// How a kind of held thing is recognised, handed to its release and
// forgotten. A reference is an opaque pointer, null when there is none; the
// host's release takes it as it is.
template <class Ref>
struct HeldKind {
    using Release = A_Err (*)(Ref);
    static bool Holds(Ref ref) { return ref != nullptr; }
    static void Forget(Ref& ref) { ref = nullptr; }
    template <class Releaser>
    static A_Err GiveBack(const Releaser& release, Ref& ref) {
        return release(ref);
    }
};

// A value record is held once the host has set its stream, and its release
// takes the record's address.
template <>
struct HeldKind<AEGP_StreamValue2> {
    using Release = A_Err (*)(AEGP_StreamValue2*);
    static bool Holds(const AEGP_StreamValue2& record) { return record.streamH != nullptr; }
    static void Forget(AEGP_StreamValue2& record) { record.streamH = nullptr; }
    template <class Releaser>
    static A_Err GiveBack(const Releaser& release, AEGP_StreamValue2& record) {
        return release(&record);
    }
};

// `Releaser` is the host's release for the kind, or a small function object
// where the release needs more than the reference (a suite, a flag).
template <class Ref, class Releaser = typename HeldKind<Ref>::Release>
class Held {
public:
    Held() = default;
    explicit Held(Releaser release) : release_(release) {}
    ~Held() {
        if (Kind::Holds(ref_)) static_cast<void>(Kind::GiveBack(release_, ref_));
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    // For holders made before their release is known (arrays, members).
    void Bind(Releaser release) { release_ = release; }

    // Where the host writes a new reference or fills a record.
    Ref* Out() { return &ref_; }
    const Ref& Get() const { return ref_; }
    explicit operator bool() const { return Kind::Holds(ref_); }

    // Takes a reference obtained elsewhere: from a host call that succeeded,
    // or from another holder.
    void Adopt(Ref ref) { ref_ = ref; }

    // Gives it back, if held, and folds the host's code into `err`.
    void Release(A_Err& err) {
        if (!Kind::Holds(ref_)) return;
        const A_Err code = Kind::GiveBack(release_, ref_);
        Kind::Forget(ref_);
        KeepFirstError(err, code);
    }

    // Hands it on without giving it back: another holder, or the host, owns
    // it now.
    Ref Take() {
        Ref ref = ref_;
        Kind::Forget(ref_);
        return ref;
    }

private:
    using Kind = HeldKind<Ref>;

    Releaser release_{};
    Ref ref_{};
};
