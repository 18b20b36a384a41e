// "AEGP Stream Suite" 9: an effect instance's parameter streams, their names
// and their values.
#include <cstring>
#include <optional>

#include "project/LayerTime.h"
#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetEffectNumParamStreams(AEGP_EffectRefH effect, A_long* countPL) {
    return Serve(Op::AEGP_GetEffectNumParamStreams, Args(effect), [&](ServiceContext& host) -> A_Err {
        const EffectInstance* instance = EffectBehind(host, effect);
        if (countPL == nullptr || instance == nullptr) return A_Err_PARAMETER;
        *countPL = static_cast<A_long>(instance->params.size());
        return A_Err_NONE;
    });
}

A_Err GetNewEffectStreamByIndex(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex index,
                                AEGP_StreamRefH* streamPH) {
    return Serve(Op::AEGP_GetNewEffectStreamByIndex, Args(plugin_id, effect, index),
                 [&](ServiceContext& host) -> A_Err {
                     if (streamPH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
                     const EffectInstance* instance = EffectBehind(host, effect);
                     if (instance == nullptr) return A_Err_PARAMETER;
                     // An index the effect does not have is the host's ordinary refusal.
                     if (index < 0 || static_cast<std::size_t>(index) >= instance->params.size()) {
                         return A_Err_PARAMETER;
                     }
                     const EffectTarget* target = host.references().Effect(effect);
                     *streamPH = host.references().NewStream({target->layer_id, target->effect_uid, index});
                     return A_Err_NONE;
                 });
}

A_Err DisposeStream(AEGP_StreamRefH stream) {
    return ServeRelease(Op::AEGP_DisposeStream, Args(stream), [&](ServiceContext& host, bool) {
        return host.references().DisposeStream(stream) ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err GetStreamName(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, A_Boolean force_english,
                    AEGP_MemHandle* namePH) {
    return Serve(Op::AEGP_GetStreamName, Args(plugin_id, stream, force_english), [&](ServiceContext& host) -> A_Err {
        if (namePH == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        const StreamTarget* target = StreamTargetBehind(host, stream);
        if (target == nullptr) return A_Err_PARAMETER;
        const EffectInstance* instance = host.project().FindEffect(target->layer_id, target->effect_uid);
        if (instance == nullptr) return A_Err_PARAMETER;
        // An effect's group is named as the instance; a parameter as itself.
        // No translation is modelled, so force_english changes nothing.
        std::u16string name;
        if (target->IsGroup()) {
            name = instance->name;
        } else {
            const Stream* param = ParamStreamOf(host, *target);
            if (param == nullptr) return A_Err_PARAMETER;
            name = param->name;
        }
        // UTF-16 units in the machine's order, NUL-terminated; the handle's
        // size counts the terminator.
        std::vector<unsigned char> bytes((name.size() + 1) * sizeof(A_UTF16Char), 0);
        for (std::size_t i = 0; i < name.size(); ++i) {
            const A_UTF16Char unit = static_cast<A_UTF16Char>(name[i]);
            std::memcpy(bytes.data() + i * sizeof unit, &unit, sizeof unit);
        }
        *namePH = reinterpret_cast<AEGP_MemHandle>(host.memory().New(std::move(bytes)));
        return A_Err_NONE;
    });
}

A_Err GetStreamType(AEGP_StreamRefH stream, AEGP_StreamType* typeP) {
    return Serve(Op::AEGP_GetStreamType, Args(stream), [&](ServiceContext& host) -> A_Err {
        const StreamTarget* target = StreamTargetBehind(host, stream);
        if (typeP == nullptr || target == nullptr) return A_Err_PARAMETER;
        if (target->IsGroup()) {
            *typeP = AEGP_StreamType_NO_DATA;
            return A_Err_NONE;
        }
        const Stream* param = ParamStreamOf(host, *target);
        if (param == nullptr) return A_Err_PARAMETER;
        *typeP = param->type;
        return A_Err_NONE;
    });
}

A_Err GetNewStreamValue(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_LTimeMode mode,
                        const A_Time* timePT, A_Boolean pre_expression, AEGP_StreamValue2* valueP) {
    return Serve(Op::AEGP_GetNewStreamValue, Args(plugin_id, stream, mode, timePT, pre_expression),
                 [&](ServiceContext& host) -> A_Err {
                     if (valueP == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
                     const StreamTarget* target = StreamTargetBehind(host, stream);
                     if (target == nullptr) return A_Err_PARAMETER;
                     const Stream* param = ParamStreamOf(host, *target);
                     // A group or a button carries no value to read.
                     if (param == nullptr || !param->HasValue()) return A_Err_PARAMETER;
                     const Layer* layer = host.project().FindLayer(target->layer_id);
                     const std::optional<double> seconds =
                         layer == nullptr || timePT == nullptr ? std::nullopt : LayerSeconds(*layer, *timePT, mode);
                     if (!seconds) return A_Err_PARAMETER;
                     valueP->streamH = stream;
                     valueP->val = param->ValueAt(*seconds, pre_expression != 0);
                     host.references().HandValue(valueP);
                     return A_Err_NONE;
                 });
}

A_Err DisposeStreamValue(AEGP_StreamValue2* valueP) {
    // The record is left as it is, so a second disposal is seen as one.
    return ServeRelease(Op::AEGP_DisposeStreamValue, Args(valueP), [&](ServiceContext& host, bool) {
        if (valueP == nullptr) {
            host.ledger().Violation("disposed of a null value record");
            return A_Err_PARAMETER;
        }
        return host.references().DisposeValue(valueP) ? A_Err_NONE : A_Err_PARAMETER;
    });
}

A_Err SetStreamValue(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_StreamValue2* valueP) {
    return Serve(Op::AEGP_SetStreamValue, Args(plugin_id, stream, valueP), [&](ServiceContext& host) -> A_Err {
        if (valueP == nullptr || !KnownPluginId(host, plugin_id)) return A_Err_PARAMETER;
        Stream* param = ParamStreamBehind(host, stream);
        if (param == nullptr || !param->HasValue()) return A_Err_PARAMETER;
        // Assumed host behaviour: a record is written only to the stream it
        // was read from, and only a stream without keyframes takes a static
        // value (a keyframed one would not show it).
        if (valueP->streamH != stream) {
            host.Misuse("was given a record of another stream");
            return A_Err_PARAMETER;
        }
        if (!param->keyframes.empty()) return A_Err_PARAMETER;
        param->value = valueP->val;
        return A_Err_NONE;
    });
}

AEGP_StreamSuite4 StreamSuite4Table() {
    AEGP_StreamSuite4 suite{};
    suite.AEGP_GetEffectNumParamStreams = GetEffectNumParamStreams;
    suite.AEGP_GetNewEffectStreamByIndex = GetNewEffectStreamByIndex;
    suite.AEGP_DisposeStream = DisposeStream;
    suite.AEGP_GetStreamName = GetStreamName;
    suite.AEGP_GetStreamType = GetStreamType;
    suite.AEGP_GetNewStreamValue = GetNewStreamValue;
    suite.AEGP_DisposeStreamValue = DisposeStreamValue;
    suite.AEGP_SetStreamValue = SetStreamValue;
    return suite;
}

const AEGP_StreamSuite4 kStreamSuite4 = StreamSuite4Table();

}  // namespace

void OfferStreamSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPStreamSuite, kAEGPStreamSuiteVersion4, &kStreamSuite4);
}

}  // namespace simhost
