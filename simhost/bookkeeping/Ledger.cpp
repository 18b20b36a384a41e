#include "bookkeeping/Ledger.h"

#include <algorithm>
#include <sstream>

namespace simhost {

namespace {

// What the effect failed to do with a holding it kept.
const char* Neglect(Resource kind) {
    switch (kind) {
        case Resource::Suite: return "was never released";
        case Resource::HandleLock:
        case Resource::MemLock: return "was left locked";
        case Resource::MemHandle: return "was never freed";
        case Resource::KeyframeBatch: return "was never ended";
        case Resource::UndoGroup: return "was never closed";
        case Resource::LayerPixels: return "were never checked in";
        case Resource::PreRenderData: return "was never deleted";
        default: return "was never disposed of";
    }
}

}  // namespace

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

void Ledger::Hand(Resource kind, const void* key, RefId id, std::string what) {
    held_.push_back({kind, key, id, std::move(what)});
}

const Holding* Ledger::Find(Resource kind, const void* key) const {
    // The latest hand-out first: what is handed and taken most is the last
    // thing handed.
    auto found = std::find_if(held_.rbegin(), held_.rend(), [&](const Holding& holding) {
        return holding.key == key && holding.kind == kind;
    });
    return found == held_.rend() ? nullptr : &*found;
}

bool Ledger::Take(Resource kind, const void* key) {
    // The most recent hand-out goes first, so that two holdings of one suite
    // leave the older description behind.
    const Holding* found = Find(kind, key);
    if (found == nullptr) {
        Violation(std::string("gave back a ") + ResourceName(kind) + " it did not hold");
        return false;
    }
    held_.erase(held_.begin() + (found - held_.data()));
    return true;
}

void Ledger::Keep(Resource kind, const void* key) {
    auto found = std::find_if(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind && holding.key == key;
    });
    if (found != held_.end()) held_.erase(found);
}

size_t Ledger::Count(Resource kind) const {
    return static_cast<size_t>(std::count_if(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind;
    }));
}

size_t Ledger::Count(Resource kind, const void* key) const {
    return static_cast<size_t>(std::count_if(held_.begin(), held_.end(), [&](const Holding& holding) {
        return holding.kind == kind && holding.key == key;
    }));
}

void Ledger::Violation(std::string what) { violations_.push_back(std::move(what)); }

std::string Ledger::Report() const {
    std::ostringstream out;
    for (const Holding& holding : held_) {
        if (holding.id.Named()) {
            out << holding.id;
            if (!holding.what.empty()) out << " (" << holding.what << ")";
        } else {
            out << ResourceName(holding.kind);
            if (!holding.what.empty()) out << " " << holding.what;
        }
        out << " " << Neglect(holding.kind) << "\n";
    }
    for (const std::string& violation : violations_) out << "violation: " << violation << "\n";
    return out.str();
}

}  // namespace simhost
