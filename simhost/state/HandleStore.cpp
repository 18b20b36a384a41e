#include "state/HandleStore.h"

#include <string>

namespace simhost {

void** HandleStore::New(std::vector<unsigned char> bytes) {
    const RefId id = tokens_.Name(kinds_.name);
    void** slot = tokens_.Issue(id);
    const std::size_t size = bytes.size();
    Block& block = blocks_[slot];
    block.slot = slot;
    block.id = id;
    block.bytes = std::move(bytes);
    *slot = block.bytes.data();
    ledger_.Hand(kinds_.handle, slot, id, "of " + std::to_string(size) + " bytes");
    return slot;
}

void* HandleStore::Lock(const void* handle) {
    auto found = blocks_.find(handle);
    if (found == blocks_.end()) return nullptr;
    ledger_.Hand(kinds_.lock, handle, found->second.id);
    return found->second.bytes.data();
}

bool HandleStore::Unlock(const void* handle) {
    if (blocks_.count(handle) == 0 || !ledger_.Holds(kinds_.lock, handle)) return false;
    return ledger_.Take(kinds_.lock, handle);
}

bool HandleStore::Free(const void* handle) {
    auto found = blocks_.find(handle);
    if (found == blocks_.end()) {
        ledger_.Violation(std::string("disposed of a ") + ResourceName(kinds_.handle) +
                          " the host does not hold out");
        return false;
    }
    if (ledger_.Holds(kinds_.lock, handle)) {
        ledger_.Violation("disposed of " + ToString(found->second.id) + " while it was locked");
        while (ledger_.Holds(kinds_.lock, handle)) ledger_.Take(kinds_.lock, handle);
    }
    // The token stays, pointing nowhere: a stale handle is never mistaken
    // for a later one.
    *found->second.slot = nullptr;
    blocks_.erase(found);
    return ledger_.Take(kinds_.handle, handle);
}

std::optional<size_t> HandleStore::Size(const void* handle) const {
    auto found = blocks_.find(handle);
    if (found == blocks_.end()) return std::nullopt;
    return found->second.bytes.size();
}

std::vector<unsigned char> HandleStore::Bytes(const void* handle) const {
    auto found = blocks_.find(handle);
    return found == blocks_.end() ? std::vector<unsigned char>() : found->second.bytes;
}

}  // namespace simhost
