#include "state/KeyframeBatches.h"

#include <algorithm>

namespace simhost {

A_long KeyframeBatches::Batch::Add(double layer_seconds) {
    ascending = ascending && (keys.empty() || keys.back().layer_seconds < layer_seconds);
    keys.push_back({layer_seconds, AEGP_StreamVal2{}});
    valued.push_back(false);
    return static_cast<A_long>(keys.size() - 1);
}

bool KeyframeBatches::Batch::AllValued() const { return std::find(valued.begin(), valued.end(), false) == valued.end(); }

AEGP_AddKeyframesInfoH KeyframeBatches::Start(const StreamTarget& stream, RefId stream_id,
                                              std::vector<Keyframe> storage) {
    const RefId id = tokens_.Name(RefKind::Batch);
    void** token = tokens_.Issue(id);
    auto batch = std::make_unique<Batch>();
    batch->stream = stream;
    batch->keys = std::move(storage);
    batch->keys.clear();
    open_[token] = std::move(batch);
    ledger_.Hand(Resource::KeyframeBatch, token, id, "on " + ToString(stream_id));
    return reinterpret_cast<AEGP_AddKeyframesInfoH>(token);
}

KeyframeBatches::Batch* KeyframeBatches::Find(AEGP_AddKeyframesInfoH batch) {
    auto found = open_.find(batch);
    return found == open_.end() ? nullptr : found->second.get();
}

std::unique_ptr<KeyframeBatches::Batch> KeyframeBatches::End(AEGP_AddKeyframesInfoH batch) {
    auto found = open_.find(batch);
    if (found == open_.end()) {
        ledger_.Violation("ended a keyframe batch that was not open");
        return nullptr;
    }
    std::unique_ptr<Batch> ended = std::move(found->second);
    open_.erase(found);
    ledger_.Take(Resource::KeyframeBatch, batch);
    return ended;
}

}  // namespace simhost
