#include "bookkeeping/RefId.h"

namespace simhost {

namespace {

const char* Prefix(RefKind kind) {
    switch (kind) {
        case RefKind::Layer: return "layer";
        case RefKind::Comp: return "comp";
        case RefKind::Instance: return "instance";
        case RefKind::Effect: return "fx";
        case RefKind::Stream: return "stream";
        case RefKind::Value: return "value";
        case RefKind::Mem: return "mem";
        case RefKind::Handle: return "handle";
        case RefKind::Batch: return "batch";
        case RefKind::World: return "world";
    }
    return "ref";
}

}  // namespace

std::string ToString(const RefId& id) { return Prefix(id.kind) + std::to_string(id.number); }

std::ostream& operator<<(std::ostream& out, const RefId& id) { return out << Prefix(id.kind) << id.number; }

}  // namespace simhost
