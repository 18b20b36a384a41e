#include "bookkeeping/Ledger.h"

#include <algorithm>
#include <sstream>

namespace simhost {

const char* ResourceName(Resource kind) {
    switch (kind) {
        case Resource::Suite: return "suite";
        case Resource::Handle: return "handle";
        case Resource::HandleLock: return "handle lock";
        case Resource::EffectRef: return "effect reference";
        case Resource::StreamRef: return "stream reference";
        case Resource::StreamValue: return "stream value";
        case Resource::MemHandle: return "memory handle";
        case Resource::MemLock: return "memory lock";
        case Resource::KeyframeBatch: return "keyframe batch";
        case Resource::UndoGroup: return "undo group";
        case Resource::LayerPixels: return "layer pixels";
        case Resource::PreRenderData: return "pre-render data";
    }
    return "resource";
}

void Ledger::Hand(Resource kind, const void* id, std::string what) {
    held_.push_back({kind, id, std::move(what)});
}

bool Ledger::Take(Resource kind, const void* id) {
    // The most recent hand-out goes first, so that two holdings of one suite
    // leave the older description behind.
    auto found = std::find_if(held_.rbegin(), held_.rend(), [&](const Holding& holding) {
        return holding.kind == kind && holding.id == id;
    });
    if (found == held_.rend()) {
        std::ostringstream what;
        what << "gave back a " << ResourceName(kind) << " it did not hold (" << id << ")";
        Violation(what.str());
        return false;
    }
    held_.erase(std::next(found).base());
    return true;
}

void Ledger::Keep(Resource kind, const void* id) {
    auto found = std::find_if(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind && holding.id == id;
    });
    if (found != held_.end()) held_.erase(found);
}

bool Ledger::Holds(Resource kind, const void* id) const {
    return std::any_of(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind && holding.id == id;
    });
}

size_t Ledger::Count(Resource kind) const {
    return static_cast<size_t>(std::count_if(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind;
    }));
}

void Ledger::Violation(std::string what) { violations_.push_back(std::move(what)); }

std::string Ledger::Report() const {
    std::ostringstream out;
    for (const Holding& holding : held_) {
        out << "still held: " << ResourceName(holding.kind) << " " << holding.what << "\n";
    }
    for (const std::string& violation : violations_) out << "violation: " << violation << "\n";
    return out.str();
}

}  // namespace simhost
