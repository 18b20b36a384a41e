// The pixel worlds the host has lent out for a render, so that its callbacks
// know each world's depth and name and refuse worlds it never made.
#pragma once

#include <map>
#include <optional>

#include "bookkeeping/RefId.h"
#include "render/PixelWorld.h"
#include "state/TokenStore.h"

namespace simhost {

class WorldRegistry {
public:
    explicit WorldRegistry(TokenStore& tokens) : tokens_(tokens) {}
    WorldRegistry(const WorldRegistry&) = delete;
    WorldRegistry& operator=(const WorldRegistry&) = delete;

    void Add(const PixelWorld& world) { worlds_[world.World()] = {world.Depth(), tokens_.Name(RefKind::World)}; }
    void Remove(const PixelWorld& world) { worlds_.erase(world.World()); }
    std::optional<PixelDepth> DepthOf(const PF_EffectWorld* world) const {
        auto found = worlds_.find(world);
        if (found == worlds_.end()) return std::nullopt;
        return found->second.depth;
    }
    std::optional<RefId> IdOf(const PF_EffectWorld* world) const {
        auto found = worlds_.find(world);
        if (found == worlds_.end()) return std::nullopt;
        return found->second.id;
    }

private:
    struct Lent {
        PixelDepth depth;
        RefId id;
    };
    TokenStore& tokens_;
    std::map<const PF_EffectWorld*, Lent> worlds_;
};

}  // namespace simhost
