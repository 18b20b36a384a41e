#include "state/TokenStore.h"

namespace simhost {

void** TokenStore::Issue(RefId id) {
    tokens_.push_back({nullptr, id});
    void** slot = &tokens_.back().slot;
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

bool TokenStore::Issued(const void* token, RefKind kind) const {
    const std::optional<RefId> id = IdOf(token);
    return id && id->kind == kind;
}

}  // namespace simhost
