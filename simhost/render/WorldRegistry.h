// The pixel worlds the host has lent out for a render, so that its callbacks
// know each world's depth and refuse worlds it never made.
#pragma once

#include <map>
#include <optional>

#include "render/PixelWorld.h"

namespace simhost {

class WorldRegistry {
public:
    void Add(const PixelWorld& world) { worlds_[world.World()] = world.Depth(); }
    void Remove(const PixelWorld& world) { worlds_.erase(world.World()); }
    std::optional<PixelDepth> DepthOf(const PF_EffectWorld* world) const {
        auto found = worlds_.find(world);
        if (found == worlds_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::map<const PF_EffectWorld*, PixelDepth> worlds_;
};

}  // namespace simhost
