#include "state/TokenStore.h"

namespace simhost {

void** TokenStore::Issue(RefId id) {
    slots_.push_back(nullptr);
    void** slot = &slots_.back();
    ids_.emplace(slot, id);
    return slot;
}

RefId TokenStore::Name(RefKind kind) {
    return {kind, ++counts_[static_cast<std::size_t>(kind)]};
}

std::optional<RefId> TokenStore::IdOf(const void* token) const {
    auto found = ids_.find(token);
    if (found == ids_.end()) return std::nullopt;
    return found->second;
}

}  // namespace simhost
