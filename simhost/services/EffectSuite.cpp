// "AEGP Effect Suite" 3: the installed effect types, and the effect
// instances on a layer.
#include <algorithm>
#include <cstring>

#include "Host.h"
#include "services/ReferenceLookup.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetLayerNumEffects(AEGP_LayerH layerH, A_long* num_effectsPL) {
    return Guarded("AEGP_GetLayerNumEffects", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetLayerNumEffects", ArgList(layerH));
        if (injected != A_Err_NONE) return injected;
        if (num_effectsPL == nullptr) return A_Err_PARAMETER;
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr) return A_Err_PARAMETER;
        *num_effectsPL = static_cast<A_long>(layer->effects.size());
        return A_Err_NONE;
    });
}

A_Err GetLayerEffectByIndex(AEGP_PluginID plugin_id, AEGP_LayerH layerH, AEGP_EffectIndex index,
                            AEGP_EffectRefH* effectPH) {
    return Guarded("AEGP_GetLayerEffectByIndex", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected =
            host.Enter("AEGP_GetLayerEffectByIndex", ArgList(plugin_id, layerH, index));
        if (injected != A_Err_NONE) return injected;
        if (effectPH == nullptr || !KnownPluginId(host, plugin_id, "AEGP_GetLayerEffectByIndex")) {
            return A_Err_PARAMETER;
        }
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr || index < 0 || static_cast<std::size_t>(index) >= layer->effects.size()) {
            return A_Err_PARAMETER;
        }
        *effectPH = host.references().NewEffect(
            {layer->id, layer->effects[static_cast<std::size_t>(index)].uid});
        return A_Err_NONE;
    });
}

A_Err GetInstalledKeyFromLayerEffect(AEGP_EffectRefH effect, AEGP_InstalledEffectKey* keyP) {
    return Guarded("AEGP_GetInstalledKeyFromLayerEffect", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetInstalledKeyFromLayerEffect", ArgList(effect));
        if (injected != A_Err_NONE) return injected;
        const EffectInstance* instance =
            EffectBehind(host, effect, "AEGP_GetInstalledKeyFromLayerEffect");
        if (keyP == nullptr || instance == nullptr) return A_Err_PARAMETER;
        *keyP = instance->key;
        return A_Err_NONE;
    });
}

A_Err GetEffectFlags(AEGP_EffectRefH effect, AEGP_EffectFlags* flagsP) {
    return Guarded("AEGP_GetEffectFlags", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetEffectFlags", ArgList(effect));
        if (injected != A_Err_NONE) return injected;
        const EffectInstance* instance = EffectBehind(host, effect, "AEGP_GetEffectFlags");
        if (flagsP == nullptr || instance == nullptr) return A_Err_PARAMETER;
        *flagsP = instance->flags;
        return A_Err_NONE;
    });
}

A_Err SetEffectFlags(AEGP_EffectRefH effect, AEGP_EffectFlags mask, AEGP_EffectFlags flags) {
    return Guarded("AEGP_SetEffectFlags", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_SetEffectFlags", ArgList(effect, mask, flags));
        if (injected != A_Err_NONE) return injected;
        EffectInstance* instance = EffectBehind(host, effect, "AEGP_SetEffectFlags");
        if (instance == nullptr) return A_Err_PARAMETER;
        // Only the bits in the mask change; the host alone decides the rest
        // (a missing effect stays missing).
        instance->flags = (instance->flags & ~mask) | (flags & mask);
        return A_Err_NONE;
    });
}

A_Err DisposeEffect(AEGP_EffectRefH effect) {
    return Guarded("AEGP_DisposeEffect", [&]() -> A_Err {
        Host& host = Host::Active();
        // A failed disposal still disposes: the effect cannot retry it.
        const A_Err injected = host.Enter("AEGP_DisposeEffect", ArgList(effect));
        const bool held = host.references().DisposeEffect(effect);
        if (injected != A_Err_NONE) return injected;
        return held ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err ApplyEffect(AEGP_PluginID plugin_id, AEGP_LayerH layerH, AEGP_InstalledEffectKey key,
                  AEGP_EffectRefH* effectPH) {
    return Guarded("AEGP_ApplyEffect", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_ApplyEffect", ArgList(plugin_id, layerH, key));
        if (injected != A_Err_NONE) return injected;
        if (effectPH == nullptr || !KnownPluginId(host, plugin_id, "AEGP_ApplyEffect")) {
            return A_Err_PARAMETER;
        }
        const Layer* layer = host.LayerFromHandle(layerH);
        if (layer == nullptr) return A_Err_PARAMETER;
        const int uid = host.project().ApplyEffect(layer->id, key);
        if (uid == 0) return A_Err_PARAMETER;  // no such installed effect
        *effectPH = host.references().NewEffect({layer->id, uid});
        return A_Err_NONE;
    });
}

A_Err GetNumInstalledEffects(A_long* countPL) {
    return Guarded("AEGP_GetNumInstalledEffects", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetNumInstalledEffects", "");
        if (injected != A_Err_NONE) return injected;
        if (countPL == nullptr) return A_Err_PARAMETER;
        *countPL = static_cast<A_long>(host.project().installed.size());
        return A_Err_NONE;
    });
}

A_Err GetNextInstalledEffect(AEGP_InstalledEffectKey key, AEGP_InstalledEffectKey* nextPH) {
    return Guarded("AEGP_GetNextInstalledEffect", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetNextInstalledEffect", ArgList(key));
        if (injected != A_Err_NONE) return injected;
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
A_Err CopyInstalledText(const char* op, AEGP_InstalledEffectKey key, A_char* bufferZ,
                        std::string InstalledEffect::*text) {
    return Guarded(op, [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter(op, ArgList(key));
        if (injected != A_Err_NONE) return injected;
        const InstalledEffect* effect = host.project().FindInstalled(key);
        if (bufferZ == nullptr || effect == nullptr || key == 0) return A_Err_PARAMETER;
        const std::string& value = effect->*text;
        const std::size_t length =
            std::min<std::size_t>(value.size(), AEGP_MAX_EFFECT_MATCH_NAME_SIZE - 1);
        std::memcpy(bufferZ, value.data(), length);
        bufferZ[length] = '\0';
        return A_Err_NONE;
    });
}

A_Err GetEffectName(AEGP_InstalledEffectKey key, A_char* nameZ) {
    return CopyInstalledText("AEGP_GetEffectName", key, nameZ, &InstalledEffect::display_name);
}

A_Err GetEffectMatchName(AEGP_InstalledEffectKey key, A_char* match_nameZ) {
    return CopyInstalledText("AEGP_GetEffectMatchName", key, match_nameZ,
                             &InstalledEffect::match_name);
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
