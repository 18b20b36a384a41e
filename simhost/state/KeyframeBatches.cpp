#include "state/KeyframeBatches.h"

namespace simhost {

AEGP_AddKeyframesInfoH KeyframeBatches::Start(const StreamTarget& stream, RefId stream_id) {
    const RefId id = tokens_.Name(RefKind::Batch);
    void** token = tokens_.Issue(id);
    open_[token] = std::make_unique<Batch>(Batch{stream, {}});
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
