// "AEGP Dynamic Stream Suite" 5: the stream tree above a parameter stream,
// and the names of stream groups.
#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetNewParentStreamRef(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_StreamRefH* parentPH) {
    return Serve(Op::AEGP_GetNewParentStreamRef, Args(plugin_id, stream), [&](ServiceContext& host) -> A_Err {
        if (parentPH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        const StreamTarget* target = StreamTargetBehind(host, stream);
        if (target == nullptr) return A_Err_PARAMETER;
        if (host.project().FindEffect(target->layer_id, target->effect_uid) == nullptr) return A_Err_PARAMETER;
        // Above an effect's group lie the layer's effects and the layer,
        // which this host does not model: asking for them is refused.
        if (target->IsGroup()) return A_Err_PARAMETER;
        *parentPH = host.references().NewStream({target->layer_id, target->effect_uid, kEffectGroup});
        return A_Err_NONE;
    });
}

// The name as the host reads it: up to its terminator.
std::u16string ReadName(const A_UTF16Char* nameZ) {
    std::u16string name;
    if (nameZ != nullptr) {
        for (const A_UTF16Char* unit = nameZ; *unit != 0; ++unit) name.push_back(*unit);
    }
    return name;
}

A_Err SetStreamName(AEGP_StreamRefH stream, const A_UTF16Char* nameZ) {
    return Serve(Op::AEGP_SetStreamName, Args(stream, nameZ), [&](ServiceContext& host) -> A_Err {
        if (nameZ == nullptr) return A_Err_PARAMETER;
        const StreamTarget* target = StreamTargetBehind(host, stream);
        if (target == nullptr) return A_Err_PARAMETER;
        EffectInstance* instance = host.project().FindEffect(target->layer_id, target->effect_uid);
        if (instance == nullptr) return A_Err_PARAMETER;
        // Assumed host behaviour: only a group's name is the user's to
        // change; a parameter keeps the name its effect gave it.
        if (!target->IsGroup()) return A_Err_PARAMETER;
        instance->name = ReadName(nameZ);
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
