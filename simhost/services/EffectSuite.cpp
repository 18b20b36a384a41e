// "AEGP Effect Suite" 3: the installed effect types, and the effect
// instances on a layer.
#include <algorithm>
#include <cstring>

#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetLayerNumEffects(AEGP_LayerH layerH, A_long* num_effectsPL) {
    return Serve(Op::AEGP_GetLayerNumEffects, Args(layerH), [&](ServiceContext& host) -> A_Err {
        if (num_effectsPL == nullptr) return A_Err_PARAMETER;
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr) return A_Err_PARAMETER;
        *num_effectsPL = static_cast<A_long>(layer->effects.size());
        return A_Err_NONE;
    });
}

A_Err GetLayerEffectByIndex(AEGP_PluginID plugin_id, AEGP_LayerH layerH, AEGP_EffectIndex index,
                            AEGP_EffectRefH* effectPH) {
    return Serve(Op::AEGP_GetLayerEffectByIndex, Args(plugin_id, layerH, index), [&](ServiceContext& host) -> A_Err {
        if (effectPH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr || index < 0 || static_cast<std::size_t>(index) >= layer->effects.size()) {
            return A_Err_PARAMETER;
        }
        *effectPH = host.references().NewEffect({layer->id, layer->effects[static_cast<std::size_t>(index)].uid});
        return A_Err_NONE;
    });
}

A_Err GetInstalledKeyFromLayerEffect(AEGP_EffectRefH effect, AEGP_InstalledEffectKey* keyP) {
    return Serve(Op::AEGP_GetInstalledKeyFromLayerEffect, Args(effect), [&](ServiceContext& host) -> A_Err {
        const EffectInstance* instance = EffectBehind(host, effect);
        if (keyP == nullptr || instance == nullptr) return A_Err_PARAMETER;
        *keyP = instance->key;
        return A_Err_NONE;
    });
}

A_Err GetEffectFlags(AEGP_EffectRefH effect, AEGP_EffectFlags* flagsP) {
    return Serve(Op::AEGP_GetEffectFlags, Args(effect), [&](ServiceContext& host) -> A_Err {
        const EffectInstance* instance = EffectBehind(host, effect);
        if (flagsP == nullptr || instance == nullptr) return A_Err_PARAMETER;
        *flagsP = instance->flags;
        return A_Err_NONE;
    });
}

A_Err SetEffectFlags(AEGP_EffectRefH effect, AEGP_EffectFlags mask, AEGP_EffectFlags flags) {
    return Serve(Op::AEGP_SetEffectFlags, Args(effect, mask, flags), [&](ServiceContext& host) -> A_Err {
        EffectInstance* instance = EffectBehind(host, effect);
        if (instance == nullptr) return A_Err_PARAMETER;
        // Only the bits in the mask change; the host alone decides the rest
        // (a missing effect stays missing).
        instance->flags = (instance->flags & ~mask) | (flags & mask);
        return A_Err_NONE;
    });
}

A_Err DisposeEffect(AEGP_EffectRefH effect) {
    return ServeRelease(Op::AEGP_DisposeEffect, Args(effect), [&](ServiceContext& host, bool) {
        return host.references().DisposeEffect(effect) ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err ApplyEffect(AEGP_PluginID plugin_id, AEGP_LayerH layerH, AEGP_InstalledEffectKey key,
                  AEGP_EffectRefH* effectPH) {
    return Serve(Op::AEGP_ApplyEffect, Args(plugin_id, layerH, key), [&](ServiceContext& host) -> A_Err {
        if (effectPH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr) return A_Err_PARAMETER;
        const int uid = host.project().ApplyEffect(layer->id, key);
        if (uid == 0) return A_Err_PARAMETER;  // no such installed effect
        *effectPH = host.references().NewEffect({layer->id, uid});
        return A_Err_NONE;
    });
}

A_Err GetNumInstalledEffects(A_long* countPL) {
    return Serve(Op::AEGP_GetNumInstalledEffects, Args(), [&](ServiceContext& host) -> A_Err {
        if (countPL == nullptr) return A_Err_PARAMETER;
        *countPL = static_cast<A_long>(host.project().installed.size());
        return A_Err_NONE;
    });
}

A_Err GetNextInstalledEffect(AEGP_InstalledEffectKey key, AEGP_InstalledEffectKey* nextPH) {
    return Serve(Op::AEGP_GetNextInstalledEffect, Args(key), [&](ServiceContext& host) -> A_Err {
        if (nextPH == nullptr) return A_Err_PARAMETER;
        const std::vector<InstalledEffect>& installed = host.project().installed;
        // Key 0 starts the walk; after the last effect comes 0 again. A key
        // the host never had is refused rather than restarting the walk.
        std::size_t next = 0;
        if (key != 0) {
            auto at = std::find_if(installed.begin(), installed.end(),
                                   [&](const InstalledEffect& effect) { return effect.key == key; });
            if (at == installed.end()) return A_Err_PARAMETER;
            next = static_cast<std::size_t>(at - installed.begin()) + 1;
        }
        *nextPH = next < installed.size() ? installed[next].key : 0;
        return A_Err_NONE;
    });
}

// Copies an installed effect's text into the caller's 48-byte buffer, cut
// to fit with its NUL, as the host does.
A_Err CopyInstalledText(Op op, AEGP_InstalledEffectKey key, A_char* bufferZ, std::string InstalledEffect::*text) {
    return Serve(op, Args(key), [&](ServiceContext& host) -> A_Err {
        const InstalledEffect* effect = host.project().FindInstalled(key);
        if (bufferZ == nullptr || effect == nullptr || key == 0) return A_Err_PARAMETER;
        const std::string& value = effect->*text;
        const std::size_t length = std::min<std::size_t>(value.size(), AEGP_MAX_EFFECT_MATCH_NAME_SIZE - 1);
        std::memcpy(bufferZ, value.data(), length);
        bufferZ[length] = '\0';
        return A_Err_NONE;
    });
}

A_Err GetEffectName(AEGP_InstalledEffectKey key, A_char* nameZ) {
    return CopyInstalledText(Op::AEGP_GetEffectName, key, nameZ, &InstalledEffect::display_name);
}

A_Err GetEffectMatchName(AEGP_InstalledEffectKey key, A_char* match_nameZ) {
    return CopyInstalledText(Op::AEGP_GetEffectMatchName, key, match_nameZ, &InstalledEffect::match_name);
}

AEGP_EffectSuite3 EffectSuite3Table() {
    AEGP_EffectSuite3 suite{};
    suite.AEGP_GetLayerNumEffects = GetLayerNumEffects;
    suite.AEGP_GetLayerEffectByIndex = GetLayerEffectByIndex;
    suite.AEGP_GetInstalledKeyFromLayerEffect = GetInstalledKeyFromLayerEffect;
    suite.AEGP_GetEffectFlags = GetEffectFlags;
    suite.AEGP_SetEffectFlags = SetEffectFlags;
    suite.AEGP_DisposeEffect = DisposeEffect;
    suite.AEGP_ApplyEffect = ApplyEffect;
    suite.AEGP_GetNumInstalledEffects = GetNumInstalledEffects;
    suite.AEGP_GetNextInstalledEffect = GetNextInstalledEffect;
    suite.AEGP_GetEffectName = GetEffectName;
    suite.AEGP_GetEffectMatchName = GetEffectMatchName;
    return suite;
}

const AEGP_EffectSuite3 kEffectSuite3 = EffectSuite3Table();

}  // namespace

void OfferEffectSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPEffectSuite, kAEGPEffectSuiteVersion3, &kEffectSuite3);
}

}  // namespace simhost
