// The heap the effect itself uses during a press: a counting global operator
// new that tells the effect's allocations from the simulated host's by the
// code that asked for them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct EffectAllocations {
    std::size_t count = 0;       // blocks the effect allocated
    std::size_t peak_bytes = 0;  // most bytes the effect held at once
};

// Runs `work` and counts what the code of the library loaded from
// `plugin_path` allocated meanwhile, directly or through the C++ runtime.
// Throws std::runtime_error when no such library is loaded.
EffectAllocations CountEffectAllocations(const std::string& plugin_path, const std::function<void()>& work);
