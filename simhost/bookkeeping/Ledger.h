// What the host has handed the effect and not yet had back, and every
// protocol slip the effect made on the way.
#pragma once

#include <string>
#include <vector>

#include "bookkeeping/RefId.h"

namespace simhost {

enum class Resource {
    Suite,
    Handle,
    HandleLock,
    EffectRef,
    StreamRef,
    StreamValue,
    MemHandle,
    MemLock,
    KeyframeBatch,
    UndoGroup,
    LayerPixels,
    PreRenderData
};

const char* ResourceName(Resource kind);

struct Holding {
    Resource kind;
    const void* key;   // what the effect holds: a token, a suite's table, a record's address
    RefId id;          // its name, where it has one
    std::string what;  // more about it, for the report
};

class Ledger {
public:
    // The effect now holds `key`, known by `id`.
    void Hand(Resource kind, const void* key, RefId id, std::string what);
    void Hand(Resource kind, const void* key, RefId id) { held_.push_back({kind, key, id, std::string()}); }
    // The effect now holds something without a name.
    void Hand(Resource kind, const void* key, std::string what) { Hand(kind, key, RefId(), std::move(what)); }
    // The effect gives `key` back; false (and a violation) if it held none.
    bool Take(Resource kind, const void* key);
    // The host now owns `key` itself, as with the global block after set-up.
    void Keep(Resource kind, const void* key);
    // Whether the effect holds `key`.
    bool Holds(Resource kind, const void* key) const { return Find(kind, key) != nullptr; }
    // The latest holding of `key`, or null.
    const Holding* Find(Resource kind, const void* key) const;

    const std::vector<Holding>& Held() const { return held_; }
    size_t Count(Resource kind) const;
    // How many times the effect holds `key`: a handle's locks, say.
    size_t Count(Resource kind, const void* key) const;
    bool Empty() const { return held_.empty(); }

    void Violation(std::string what);
    const std::vector<std::string>& Violations() const { return violations_; }

    // A readable account of what is held and what went wrong, for test
    // output: one line a holding ("stream7 was never disposed of") and one
    // a violation.
    std::string Report() const;

private:
    std::vector<Holding> held_;
    std::vector<std::string> violations_;
};

}  // namespace simhost
