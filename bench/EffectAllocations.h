// The heap the effect itself uses during a press: a counting global operator
// new that tells the effect's allocations from the simulated host's by the
// code that calls it.
#pragma once

#include <cstddef>
#include <string>

struct EffectAllocations {
    std::size_t count = 0;       // blocks the effect allocated
    std::size_t peak_bytes = 0;  // most bytes the effect held at once
};

// Counts, while it lives, what the code of the library loaded from
// `plugin_path` allocates with operator new. Allocations that the C++
// runtime makes inside its own functions on the effect's behalf are not
// seen; the effect's are all made from its own code today (a check that
// walked the whole stack of each allocation found the same figures), and
// walking the stack of every allocation would slow the press many times.
// Throws std::runtime_error when no such library is loaded.
class EffectHeapWatch {
public:
    explicit EffectHeapWatch(const std::string& plugin_path);
    ~EffectHeapWatch();
    EffectHeapWatch(const EffectHeapWatch&) = delete;
    EffectHeapWatch& operator=(const EffectHeapWatch&) = delete;

    EffectAllocations Seen() const;
};
