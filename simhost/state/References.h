// The opaque references the host hands the effect: effect instances, streams,
// value records and memory handles. Each names its target by stable ids, so
// a reference survives an undo snapshot being restored (and fails cleanly if
// its target is gone). Every live reference is in the ledger; a reference
// token is never reused, so a stale or twice-disposed one is always caught.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "AE_GeneralPlug.h"
#include "bookkeeping/Ledger.h"

namespace simhost {

struct EffectTarget {
    int layer_id;
    int effect_uid;
};

// The effect instance's own stream group, the parent of its parameter streams.
constexpr PF_ParamIndex kEffectGroup = -1;

struct StreamTarget {
    int layer_id;
    int effect_uid;
    PF_ParamIndex param_index;  // kEffectGroup for the instance's group
    bool IsGroup() const { return param_index == kEffectGroup; }
};

class References {
public:
    explicit References(Ledger& ledger) : ledger_(ledger) {}
    References(const References&) = delete;
    References& operator=(const References&) = delete;

    AEGP_EffectRefH NewEffect(EffectTarget target);
    // Null for a reference that is unknown or disposed of.
    const EffectTarget* Effect(AEGP_EffectRefH effect) const;
    // False (and a violation) for a reference not held.
    bool DisposeEffect(AEGP_EffectRefH effect);

    AEGP_StreamRefH NewStream(StreamTarget target);
    const StreamTarget* Stream(AEGP_StreamRefH stream) const;
    bool DisposeStream(AEGP_StreamRefH stream);

    // A value record lives in the effect's memory; the host knows it by its
    // address from the read that filled it until its disposal.
    void HandValue(const AEGP_StreamValue2* record);
    bool DisposeValue(const AEGP_StreamValue2* record);

    AEGP_MemHandle NewMem(std::vector<unsigned char> bytes);
    bool MemExists(AEGP_MemHandle mem) const;
    // Null for an unknown handle.
    void* LockMem(AEGP_MemHandle mem);
    // False when the handle is unknown or not locked.
    bool UnlockMem(AEGP_MemHandle mem);
    // False (and a violation) for a handle not held; a locked handle is
    // freed all the same, and that is a violation too.
    bool FreeMem(AEGP_MemHandle mem);
    std::optional<AEGP_MemSize> MemSize(AEGP_MemHandle mem) const;
    // The bytes behind a handle, for tests; empty for an unknown handle.
    std::vector<unsigned char> MemBytes(AEGP_MemHandle mem) const;

private:
    struct MemBlock {
        std::vector<unsigned char> bytes;
        int locks = 0;
    };
    // A fresh token of the host's double-indirect reference shape.
    void** NewToken();

    Ledger& ledger_;
    std::vector<std::unique_ptr<void*>> tokens_;  // every token ever made
    std::map<const void*, EffectTarget> effects_;
    std::map<const void*, StreamTarget> streams_;
    std::map<const void*, MemBlock> mems_;
};

}  // namespace simhost
