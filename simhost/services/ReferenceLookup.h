// What the host finds behind the references an effect passes it. Each
// lookup that fails records why, so that a test sees the effect's slip and
// not just an error code.
#pragma once

#include <string>

#include "Host.h"

namespace simhost {

// The host answers only ids it returned at registration.
inline bool KnownPluginId(Host& host, AEGP_PluginID plugin_id, const char* op) {
    if (plugin_id >= 1 && plugin_id <= host.LastPluginId()) return true;
    host.ledger().Violation(std::string(op) + " was given a plug-in id the host never returned");
    return false;
}

inline EffectInstance* EffectBehind(Host& host, AEGP_EffectRefH effect, const char* op) {
    const EffectTarget* target = host.references().Effect(effect);
    if (target == nullptr) {
        host.ledger().Violation(std::string(op) + " was given an effect reference not held");
        return nullptr;
    }
    // A held reference whose instance is gone (deleted, or undone) is the
    // host's ordinary failure, not the effect's slip.
    return host.project().FindEffect(target->layer_id, target->effect_uid);
}

inline const StreamTarget* StreamTargetBehind(Host& host, AEGP_StreamRefH stream, const char* op) {
    const StreamTarget* target = host.references().Stream(stream);
    if (target == nullptr) {
        host.ledger().Violation(std::string(op) + " was given a stream reference not held");
    }
    return target;
}

// The parameter stream behind a reference; null for a group or a stream
// whose instance is gone.
inline Stream* ParamStreamBehind(Host& host, AEGP_StreamRefH stream, const char* op) {
    const StreamTarget* target = StreamTargetBehind(host, stream, op);
    if (target == nullptr || target->IsGroup()) return nullptr;
    EffectInstance* instance = host.project().FindEffect(target->layer_id, target->effect_uid);
    if (instance == nullptr || target->param_index < 0 ||
        static_cast<std::size_t>(target->param_index) >= instance->params.size()) {
        return nullptr;
    }
    return &instance->params[static_cast<std::size_t>(target->param_index)];
}

inline std::string Ascii(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) bytes.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return bytes;
}

}  // namespace simhost
