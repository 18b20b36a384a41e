#include "state/References.h"

#include <string>

namespace simhost {

namespace {

std::string Describe(const StreamTarget& target) {
    if (target.IsGroup()) return "group of effect " + std::to_string(target.effect_uid);
    return "parameter " + std::to_string(target.param_index) + " of effect " + std::to_string(target.effect_uid);
}

// A new reference to `target`, held by the effect.
template <class Target>
void** Issue(std::map<const void*, Target>& live, const Target& target, RefKind kind, Resource held,
             std::string what, TokenStore& tokens, Ledger& ledger) {
    const RefId id = tokens.Name(kind);
    void** token = tokens.Issue(id);
    live[token] = target;
    ledger.Hand(held, token, id, std::move(what));
    return token;
}

template <class Target>
const Target* Find(const std::map<const void*, Target>& live, const void* reference) {
    auto found = live.find(reference);
    return found == live.end() ? nullptr : &found->second;
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
    return reinterpret_cast<AEGP_EffectRefH>(Issue(effects_, target, RefKind::Effect, Resource::EffectRef,
                                                   "to effect " + std::to_string(target.effect_uid), tokens_, ledger_));
}

const EffectTarget* References::Effect(AEGP_EffectRefH effect) const { return Find(effects_, effect); }

bool References::DisposeEffect(AEGP_EffectRefH effect) {
    return Dispose(effects_, effect, Resource::EffectRef, "an effect reference", ledger_);
}

AEGP_StreamRefH References::NewStream(StreamTarget target) {
    return reinterpret_cast<AEGP_StreamRefH>(
        Issue(streams_, target, RefKind::Stream, Resource::StreamRef, Describe(target), tokens_, ledger_));
}

const StreamTarget* References::Stream(AEGP_StreamRefH stream) const { return Find(streams_, stream); }

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
