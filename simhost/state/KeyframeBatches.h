// Keyframe batches: keyframes collected for one stream and added to it in
// one go when the batch ends, or thrown away. An open batch is held by the
// effect until it ends.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "AE_GeneralPlug.h"
#include "bookkeeping/Ledger.h"
#include "state/References.h"
#include "state/TokenStore.h"

namespace simhost {

class KeyframeBatches {
public:
    struct Key {
        double layer_seconds;
        bool has_value = false;
        AEGP_StreamVal2 value{};
    };
    struct Batch {
        StreamTarget stream;
        std::vector<Key> keys;
    };

    KeyframeBatches(TokenStore& tokens, Ledger& ledger) : tokens_(tokens), ledger_(ledger) {}
    KeyframeBatches(const KeyframeBatches&) = delete;
    KeyframeBatches& operator=(const KeyframeBatches&) = delete;

    // A batch for `stream`, which the effect knows as `stream_id`.
    AEGP_AddKeyframesInfoH Start(const StreamTarget& stream, RefId stream_id);
    // Null for a batch that is unknown or has ended.
    Batch* Find(AEGP_AddKeyframesInfoH batch);
    // Removes the batch and hands back what it collected; null (and a
    // violation) for a batch that is not open.
    std::unique_ptr<Batch> End(AEGP_AddKeyframesInfoH batch);
    size_t Open() const { return open_.size(); }

private:
    TokenStore& tokens_;
    Ledger& ledger_;
    std::map<const void*, std::unique_ptr<Batch>> open_;
};

}  // namespace simhost
