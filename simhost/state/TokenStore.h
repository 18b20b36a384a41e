// The opaque tokens the host hands the effect as references and handles,
// and their names. A token is a pointer-sized slot that keeps its address
// for the store's life, so no two hand-outs ever share an address or a
// name, and a stale token is always recognised; a PF handle's slot is its
// master pointer.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <unordered_map>

#include "bookkeeping/RefId.h"

namespace simhost {

class TokenStore {
public:
    TokenStore() = default;
    TokenStore(const TokenStore&) = delete;
    TokenStore& operator=(const TokenStore&) = delete;

    // A fresh token named with its kind's next number.
    void** Issue(RefKind kind) { return Issue(Name(kind)); }
    // A fresh token under a name the caller chose, for what the project
    // already numbers (layers); the caller keeps such names unique.
    void** Issue(RefId id);
    // A fresh name without a token, for what lives at an address the host
    // does not choose: a value record in the effect's memory, a pixel world.
    RefId Name(RefKind kind);

    // The name of a token this store issued; nothing for any other address.
    std::optional<RefId> IdOf(const void* token) const;

private:
    std::deque<void*> slots_;  // a deque never moves what it holds
    std::unordered_map<const void*, RefId> ids_;
    std::array<unsigned, kRefKinds> counts_{};
};

}  // namespace simhost
