// Keyframe batches: keyframes collected for one stream and added to it in
// one go when the batch ends, or thrown away. An open batch is held by the
// effect until it ends.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "AE_GeneralPlug.h"
#include "bookkeeping/Ledger.h"
#include "project/Stream.h"
#include "state/References.h"
#include "state/TokenStore.h"

namespace simhost {

class KeyframeBatches {
public:
    struct Batch {
        StreamTarget stream;
        std::vector<Keyframe> keys;  // in the order added, in layer time
        std::vector<bool> valued;    // whether each key was given its value
        bool ascending = true;       // each key later than the one before

        // Adds a key without a value yet; its index.
        A_long Add(double layer_seconds);
        bool AllValued() const;
    };

    KeyframeBatches(TokenStore& tokens, Ledger& ledger) : tokens_(tokens), ledger_(ledger) {}
    KeyframeBatches(const KeyframeBatches&) = delete;
    KeyframeBatches& operator=(const KeyframeBatches&) = delete;

    // A batch for `stream`, which the effect knows as `stream_id`. It
    // collects its keys in `storage`: the memory of keys cleared from the
    // stream, say, which a batch that re-records a long stream reuses.
    AEGP_AddKeyframesInfoH Start(const StreamTarget& stream, RefId stream_id, std::vector<Keyframe> storage);
    // Null for a batch that is unknown or has ended.
    Batch* Find(AEGP_AddKeyframesInfoH batch);
    // Removes the batch and hands back what it collected; null (and a
    // violation) for a batch that is not open.
    std::unique_ptr<Batch> End(AEGP_AddKeyframesInfoH batch);

private:
    TokenStore& tokens_;
    Ledger& ledger_;
    std::map<const void*, std::unique_ptr<Batch>> open_;
};

}  // namespace simhost
