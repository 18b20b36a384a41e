// Keyframe batches: keyframes collected for one stream and added to it in
// one go when the batch ends, or thrown away.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "AE_GeneralPlug.h"
#include "state/References.h"

namespace simhost {

class KeyframeBatches {
public:
    struct Key {
        A_Time comp_time;
        bool has_value = false;
        AEGP_StreamVal2 value{};
    };
    struct Batch {
        StreamTarget stream;
        std::vector<Key> keys;
    };

    AEGP_AddKeyframesInfoH Start(const StreamTarget& stream);
    // Null for a batch that is unknown or has ended.
    Batch* Find(AEGP_AddKeyframesInfoH batch);
    // Removes the batch and hands back what it collected.
    std::unique_ptr<Batch> End(AEGP_AddKeyframesInfoH batch);
    size_t Open() const { return open_.size(); }

private:
    std::vector<std::unique_ptr<void*>> tokens_;  // never reused
    std::map<const void*, std::unique_ptr<Batch>> open_;
};

}  // namespace simhost
