// What the host finds behind the references an effect passes it. Each
// lookup that fails records why, naming the call under way, so that a test
// sees the effect's slip and not just an error code.
#pragma once

#include "services/ServiceContext.h"

namespace simhost {

// The host answers only ids it returned at registration.
inline bool KnownPluginId(ServiceContext& host, AEGP_PluginID plugin_id) {
    if (plugin_id >= 1 && plugin_id <= host.LastPluginId()) return true;
    host.Misuse("was given a plug-in id the host never returned");
    return false;
}

inline EffectInstance* EffectBehind(ServiceContext& host, AEGP_EffectRefH effect) {
    const EffectTarget* target = host.references().Effect(effect);
    if (target == nullptr) {
        host.Misuse("was given an effect reference not held");
        return nullptr;
    }
    // A held reference whose instance is gone (deleted, or undone) is the
    // host's ordinary failure, not the effect's slip.
    return host.project().FindEffect(target->layer_id, target->effect_uid);
}

inline const StreamTarget* StreamTargetBehind(ServiceContext& host, AEGP_StreamRefH stream) {
    const StreamTarget* target = host.references().Stream(stream);
    if (target == nullptr) host.Misuse("was given a stream reference not held");
    return target;
}

// The parameter stream a target names; null for a group or a stream whose
// instance is gone.
inline Stream* ParamStreamOf(ServiceContext& host, const StreamTarget& target) {
    if (target.IsGroup()) return nullptr;
    EffectInstance* instance = host.project().FindEffect(target.layer_id, target.effect_uid);
    if (instance == nullptr || target.param_index < 0 ||
        static_cast<std::size_t>(target.param_index) >= instance->params.size()) {
        return nullptr;
    }
    return &instance->params[static_cast<std::size_t>(target.param_index)];
}

// The parameter stream behind a reference; null for a reference not held
// (a violation), a group or a stream whose instance is gone.
inline Stream* ParamStreamBehind(ServiceContext& host, AEGP_StreamRefH stream) {
    const StreamTarget* target = StreamTargetBehind(host, stream);
    return target == nullptr ? nullptr : ParamStreamOf(host, *target);
}

}  // namespace simhost
