// The host's memory handles: a master pointer the effect locks to reach the
// bytes, and a lock count the host checks.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "AE_EffectTypes.h"

namespace simhost {

class HandleStore {
public:
    PF_Handle New(A_HandleSize size);
    bool Exists(PF_Handle handle) const;
    // Null for an unknown handle.
    void* Lock(PF_Handle handle);
    // False when the handle is unknown or not locked.
    bool Unlock(PF_Handle handle);
    bool Dispose(PF_Handle handle);
    int Locks(PF_Handle handle) const;
    A_HandleSize Size(PF_Handle handle) const;
    // The bytes behind a handle, for tests; empty for an unknown handle.
    std::vector<unsigned char> Bytes(PF_Handle handle) const;
    size_t Live() const { return blocks_.size(); }

private:
    struct Block {
        void* master = nullptr;
        std::vector<unsigned char> bytes;
        int locks = 0;
    };
    const Block* Find(PF_Handle handle) const;
    std::map<PF_Handle, std::unique_ptr<Block>> blocks_;
};

}  // namespace simhost
