// Blocks of bytes the host hands the effect behind a handle it locks to
// reach them: the PF handles of the handle suite and callbacks, and the
// memory handles of the AEGP memory suite, one store for each. A handle is a
// token whose slot points at the bytes (the master pointer a PF handle is);
// its locks are counted once, in the ledger, as holdings of the effect.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "bookkeeping/Ledger.h"
#include "state/TokenStore.h"

namespace simhost {

class HandleStore {
public:
    // What a store's handles are called and how the ledger books them.
    struct Kinds {
        RefKind name;
        Resource handle;
        Resource lock;
    };
    static constexpr Kinds kPFHandles{RefKind::Handle, Resource::Handle, Resource::HandleLock};
    static constexpr Kinds kMemHandles{RefKind::Mem, Resource::MemHandle, Resource::MemLock};

    HandleStore(TokenStore& tokens, Ledger& ledger, Kinds kinds) : tokens_(tokens), ledger_(ledger), kinds_(kinds) {}
    HandleStore(const HandleStore&) = delete;
    HandleStore& operator=(const HandleStore&) = delete;

    // A new handle to these bytes, held by the effect.
    void** New(std::vector<unsigned char> bytes);
    bool Exists(const void* handle) const { return blocks_.count(handle) != 0; }
    // The bytes, with one more lock held; null for an unknown handle.
    void* Lock(const void* handle);
    // False when the handle is unknown or not locked.
    bool Unlock(const void* handle);
    // Gives the handle back for good; false (and a violation) for one not
    // held out. A locked handle goes all the same, locks and all, and that
    // is a violation too.
    bool Free(const void* handle);
    size_t Locks(const void* handle) const { return ledger_.Count(kinds_.lock, handle); }
    // Nothing for an unknown handle.
    std::optional<size_t> Size(const void* handle) const;
    // The bytes behind a handle, for tests; empty for an unknown handle.
    std::vector<unsigned char> Bytes(const void* handle) const;
    size_t Live() const { return blocks_.size(); }

private:
    struct Block {
        void** slot;
        RefId id;
        std::vector<unsigned char> bytes;
    };

    TokenStore& tokens_;
    Ledger& ledger_;
    Kinds kinds_;
    std::map<const void*, Block> blocks_;
};

}  // namespace simhost
