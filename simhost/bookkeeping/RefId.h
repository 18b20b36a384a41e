// The names by which the trace, the ledger and test messages show what the
// host handed the effect: "layer1", "fx3", "stream7", "batch2". A name
// depends only on the order of hand-outs within a run, never on an address,
// and is never given twice in a run, so two runs of one scene name
// everything alike.
#pragma once

#include <ostream>
#include <string>

namespace simhost {

enum class RefKind : unsigned char {
    Layer,     // AEGP_LayerH
    Comp,      // AEGP_CompH
    Instance,  // the effect instance the host sends commands to (PF_ProgPtr)
    Effect,    // AEGP_EffectRefH
    Stream,    // AEGP_StreamRefH
    Value,     // an AEGP_StreamValue2 record the host filled
    Mem,       // AEGP_MemHandle
    Handle,    // PF_Handle
    Batch,     // AEGP_AddKeyframesInfoH
    World,     // a pixel world the host lent out
};
constexpr int kRefKinds = static_cast<int>(RefKind::World) + 1;

struct RefId {
    RefKind kind = RefKind::Layer;
    unsigned number = 0;  // from 1; 0 names nothing

    bool Named() const { return number != 0; }
    bool operator==(const RefId& other) const { return kind == other.kind && number == other.number; }
    bool operator!=(const RefId& other) const { return !(*this == other); }
};

// "stream7"
std::string ToString(const RefId& id);
std::ostream& operator<<(std::ostream& out, const RefId& id);

}  // namespace simhost
