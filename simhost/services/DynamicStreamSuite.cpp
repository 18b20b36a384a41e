// "AEGP Dynamic Stream Suite" 5: the stream tree above a parameter stream,
// and the names of stream groups.
#include "Host.h"
#include "services/ReferenceLookup.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetNewParentStreamRef(AEGP_PluginID plugin_id, AEGP_StreamRefH stream,
                            AEGP_StreamRefH* parentPH) {
    return Guarded("AEGP_GetNewParentStreamRef", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetNewParentStreamRef", ArgList(plugin_id, stream));
        if (injected != A_Err_NONE) return injected;
        if (parentPH == nullptr || !KnownPluginId(host, plugin_id, "AEGP_GetNewParentStreamRef")) {
            return A_Err_PARAMETER;
        }
        const StreamTarget* target = StreamTargetBehind(host, stream, "AEGP_GetNewParentStreamRef");
        if (target == nullptr) return A_Err_PARAMETER;
        if (host.project().FindEffect(target->layer_id, target->effect_uid) == nullptr) {
            return A_Err_PARAMETER;
        }
        // Above an effect's group lie the layer's effects and the layer,
        // which this host does not model: asking for them is refused.
        if (target->IsGroup()) return A_Err_PARAMETER;
        const StreamTarget parent{target->layer_id, target->effect_uid, kEffectGroup};
        *parentPH = host.references().NewStream(parent);
        return A_Err_NONE;
    });
}

A_Err SetStreamName(AEGP_StreamRefH stream, const A_UTF16Char* nameZ) {
    return Guarded("AEGP_SetStreamName", [&]() -> A_Err {
        Host& host = Host::Active();
        // The name is read up to its terminator, as the host reads it.
        std::u16string name;
        if (nameZ != nullptr) {
            for (const A_UTF16Char* unit = nameZ; *unit != 0; ++unit) name.push_back(*unit);
        }
        const A_Err injected = host.Enter("AEGP_SetStreamName",
                                          nameZ == nullptr ? ArgList(stream, "null")
                                                           : ArgList(stream, Ascii(name)));
        if (injected != A_Err_NONE) return injected;
        if (nameZ == nullptr) return A_Err_PARAMETER;
        const StreamTarget* target = StreamTargetBehind(host, stream, "AEGP_SetStreamName");
        if (target == nullptr) return A_Err_PARAMETER;
        EffectInstance* instance = host.project().FindEffect(target->layer_id, target->effect_uid);
        if (instance == nullptr) return A_Err_PARAMETER;
        // Assumed host behaviour: only a group's name is the user's to
        // change; a parameter keeps the name its effect gave it.
        if (!target->IsGroup()) return A_Err_PARAMETER;
        instance->name = name;
        return A_Err_NONE;
    });
}

AEGP_DynamicStreamSuite4 DynamicStreamSuite4Table() {
    AEGP_DynamicStreamSuite4 suite{};
    suite.AEGP_SetStreamName = SetStreamName;
    suite.AEGP_GetNewParentStreamRef = GetNewParentStreamRef;
    return suite;
}

const AEGP_DynamicStreamSuite4 kDynamicStreamSuite4 = DynamicStreamSuite4Table();

}  // namespace

void OfferDynamicStreamSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion4, &kDynamicStreamSuite4);
}

}  // namespace simhost
