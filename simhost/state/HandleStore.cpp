#include "state/HandleStore.h"

namespace simhost {

PF_Handle HandleStore::New(A_HandleSize size) {
    auto block = std::make_unique<Block>();
    block->bytes.assign(static_cast<size_t>(size), 0);
    block->master = block->bytes.data();
    PF_Handle handle = &block->master;
    blocks_.emplace(handle, std::move(block));
    return handle;
}

const HandleStore::Block* HandleStore::Find(PF_Handle handle) const {
    auto found = blocks_.find(handle);
    return found == blocks_.end() ? nullptr : found->second.get();
}

bool HandleStore::Exists(PF_Handle handle) const { return Find(handle) != nullptr; }

void* HandleStore::Lock(PF_Handle handle) {
    auto found = blocks_.find(handle);
    if (found == blocks_.end()) return nullptr;
    ++found->second->locks;
    return found->second->master;
}

bool HandleStore::Unlock(PF_Handle handle) {
    auto found = blocks_.find(handle);
    if (found == blocks_.end() || found->second->locks == 0) return false;
    --found->second->locks;
    return true;
}

bool HandleStore::Dispose(PF_Handle handle) { return blocks_.erase(handle) == 1; }

int HandleStore::Locks(PF_Handle handle) const {
    const Block* block = Find(handle);
    return block == nullptr ? 0 : block->locks;
}

A_HandleSize HandleStore::Size(PF_Handle handle) const {
    const Block* block = Find(handle);
    return block == nullptr ? 0 : block->bytes.size();
}

std::vector<unsigned char> HandleStore::Bytes(PF_Handle handle) const {
    const Block* block = Find(handle);
    return block == nullptr ? std::vector<unsigned char>() : block->bytes;
}

}  // namespace simhost
