#include "state/KeyframeBatches.h"

namespace simhost {

AEGP_AddKeyframesInfoH KeyframeBatches::Start(const StreamTarget& stream) {
    tokens_.push_back(std::make_unique<void*>(nullptr));
    auto handle = reinterpret_cast<AEGP_AddKeyframesInfoH>(tokens_.back().get());
    open_[handle] = std::make_unique<Batch>(Batch{stream, {}});
    return handle;
}

KeyframeBatches::Batch* KeyframeBatches::Find(AEGP_AddKeyframesInfoH batch) {
    auto found = open_.find(batch);
    return found == open_.end() ? nullptr : found->second.get();
}

std::unique_ptr<KeyframeBatches::Batch> KeyframeBatches::End(AEGP_AddKeyframesInfoH batch) {
    auto found = open_.find(batch);
    if (found == open_.end()) return nullptr;
    std::unique_ptr<Batch> ended = std::move(found->second);
    open_.erase(found);
    return ended;
}

}  // namespace simhost
