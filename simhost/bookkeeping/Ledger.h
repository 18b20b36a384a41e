// What the host has handed the effect and not yet had back, and every
// protocol slip the effect made on the way.
#pragma once

#include <string>
#include <vector>

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
    const void* id;
    std::string what;
};

class Ledger {
public:
    // The effect now holds `id`.
    void Hand(Resource kind, const void* id, std::string what);
    // The effect gives `id` back; false (and a violation) if it held none.
    bool Take(Resource kind, const void* id);
    // The host now owns `id` itself, as with the global block after set-up.
    void Keep(Resource kind, const void* id);
    // The effect held `id` and is not giving it back (no violation).
    bool Holds(Resource kind, const void* id) const;

    const std::vector<Holding>& Held() const { return held_; }
    size_t Count(Resource kind) const;
    bool Empty() const { return held_.empty(); }

    void Violation(std::string what);
    const std::vector<std::string>& Violations() const { return violations_; }

    // A readable account of what is held and what went wrong, for test output.
    std::string Report() const;

private:
    std::vector<Holding> held_;
    std::vector<std::string> violations_;
};

}  // namespace simhost
