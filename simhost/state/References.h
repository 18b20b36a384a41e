// The opaque references the host hands the effect: effect instances,
// streams and the value records it fills. Each names its target by stable
// ids, so a reference survives an undo snapshot being restored (and fails
// cleanly if its target is gone). Every live reference is in the ledger;
// tokens are never reused, so a stale or twice-disposed one is always
// caught.
#pragma once

#include <map>

#include "AE_GeneralPlug.h"
#include "bookkeeping/Ledger.h"
#include "state/TokenStore.h"

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
    References(Ledger& ledger, TokenStore& tokens) : ledger_(ledger), tokens_(tokens) {}
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
    // address, under a name of its own, from the read that filled it until
    // its disposal.
    void HandValue(const AEGP_StreamValue2* record);
    bool DisposeValue(const AEGP_StreamValue2* record);

private:
    Ledger& ledger_;
    TokenStore& tokens_;
    std::map<const void*, EffectTarget> effects_;
    std::map<const void*, StreamTarget> streams_;
};

}  // namespace simhost
