#include "state/References.h"

#include <string>

namespace simhost {

namespace {

std::string Describe(const StreamTarget& target) {
    if (target.IsGroup()) return "group of effect " + std::to_string(target.effect_uid);
    return "parameter " + std::to_string(target.param_index) + " of effect " + std::to_string(target.effect_uid);
}

// Gives back a reference of one of the maps; false (and a violation) for
// one not held.
template <class Target>
bool Dispose(std::map<const void*, Target>& live, const void* reference, Resource kind, const char* what,
             Ledger& ledger) {
    if (live.erase(reference) == 0) {
        ledger.Violation(std::string("disposed of ") + what + " the host does not hold out");
        return false;
    }
    return ledger.Take(kind, reference);
}

}  // namespace

AEGP_EffectRefH References::NewEffect(EffectTarget target) {
    const RefId id = tokens_.Name(RefKind::Effect);
    void** token = tokens_.Issue(id);
    effects_[token] = target;
    ledger_.Hand(Resource::EffectRef, token, id, "to effect " + std::to_string(target.effect_uid));
    return reinterpret_cast<AEGP_EffectRefH>(token);
}

const EffectTarget* References::Effect(AEGP_EffectRefH effect) const {
    auto found = effects_.find(effect);
    return found == effects_.end() ? nullptr : &found->second;
}

bool References::DisposeEffect(AEGP_EffectRefH effect) {
    return Dispose(effects_, effect, Resource::EffectRef, "an effect reference", ledger_);
}

AEGP_StreamRefH References::NewStream(StreamTarget target) {
    const RefId id = tokens_.Name(RefKind::Stream);
    void** token = tokens_.Issue(id);
    streams_[token] = target;
    ledger_.Hand(Resource::StreamRef, token, id, Describe(target));
    return reinterpret_cast<AEGP_StreamRefH>(token);
}

const StreamTarget* References::Stream(AEGP_StreamRefH stream) const {
    auto found = streams_.find(stream);
    return found == streams_.end() ? nullptr : &found->second;
}

bool References::DisposeStream(AEGP_StreamRefH stream) {
    return Dispose(streams_, stream, Resource::StreamRef, "a stream reference", ledger_);
}

void References::HandValue(const AEGP_StreamValue2* record) {
    ledger_.Hand(Resource::StreamValue, record, tokens_.Name(RefKind::Value));
}

bool References::DisposeValue(const AEGP_StreamValue2* record) {
    return ledger_.Take(Resource::StreamValue, record);
}

}  // namespace simhost
