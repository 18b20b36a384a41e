// The keyframe-batch operations of "AEGP Keyframe Suite": keyframes are
// collected per stream and reach it only when the batch ends with "add".
#include "project/LayerTime.h"
#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err StartAddKeyframes(AEGP_StreamRefH streamH, AEGP_AddKeyframesInfoH* akPH) {
    return Serve(Op::AEGP_StartAddKeyframes, Args(streamH), [&](ServiceContext& host) -> A_Err {
        const StreamTarget* target = host.references().Stream(streamH);
        if (akPH == nullptr || target == nullptr || target->IsGroup()) return A_Err_PARAMETER;
        // A stream whose keys were all cleared lends the batch their memory:
        // re-recording a long stream then allocates nothing.
        std::vector<Keyframe> storage;
        Stream* stream = ParamStreamOf(host, *target);
        if (stream != nullptr && stream->keyframes.empty()) storage.swap(stream->keyframes);
        *akPH = host.batches().Start(*target, host.tokens().IdOf(streamH).value_or(RefId()), std::move(storage));
        return A_Err_NONE;
    });
}

A_Err AddKeyframes(AEGP_AddKeyframesInfoH akH, AEGP_LTimeMode time_mode, const A_Time* timePT, A_long* key_indexPL) {
    return Serve(Op::AEGP_AddKeyframes, Args(akH, time_mode, timePT), [&](ServiceContext& host) -> A_Err {
        KeyframeBatches::Batch* batch = host.batches().Find(akH);
        if (batch == nullptr || timePT == nullptr || key_indexPL == nullptr || timePT->scale == 0) {
            return A_Err_PARAMETER;
        }
        if (time_mode != AEGP_LTimeMode_LayerTime && time_mode != AEGP_LTimeMode_CompTime) return A_Err_PARAMETER;
        // Keys are kept in layer time, as the stream keeps them.
        const Layer* layer = host.project().FindLayer(batch->stream.layer_id);
        if (layer == nullptr || layer->offset.scale == 0) return A_Err_STRUCT;
        const std::optional<double> layer_seconds = LayerSeconds(*layer, *timePT, time_mode);
        if (!layer_seconds) return A_Err_PARAMETER;
        *key_indexPL = batch->Add(*layer_seconds);
        return A_Err_NONE;
    });
}

A_Err SetAddKeyframe(AEGP_AddKeyframesInfoH akH, A_long key_indexL, const AEGP_StreamValue2* valueP) {
    return Serve(Op::AEGP_SetAddKeyframe, Args(akH, key_indexL), [&](ServiceContext& host) -> A_Err {
        KeyframeBatches::Batch* batch = host.batches().Find(akH);
        if (batch == nullptr || valueP == nullptr || key_indexL < 0 ||
            static_cast<size_t>(key_indexL) >= batch->keys.size()) {
            return A_Err_PARAMETER;
        }
        batch->valued[static_cast<size_t>(key_indexL)] = true;
        batch->keys[static_cast<size_t>(key_indexL)].value = valueP->val;
        return A_Err_NONE;
    });
}

A_Err EndAddKeyframes(A_Boolean addB, AEGP_AddKeyframesInfoH akH) {
    // Ending is the release; adding the keys is the work, done only when the
    // call succeeds and asks for it.
    return ServeRelease(Op::AEGP_EndAddKeyframes, Args(addB, akH), [&](ServiceContext& host, bool failing) -> A_Err {
        std::unique_ptr<KeyframeBatches::Batch> batch = host.batches().End(akH);
        if (batch == nullptr) return A_Err_PARAMETER;
        if (failing || !addB) return A_Err_NONE;
        Stream* stream = ParamStreamOf(host, batch->stream);
        if (stream == nullptr) return A_Err_STRUCT;
        // The whole recording of a stream that has no keys goes in as it is.
        if (stream->keyframes.empty() && batch->ascending && batch->AllValued()) {
            stream->keyframes = std::move(batch->keys);
            return A_Err_NONE;
        }
        for (size_t i = 0; i < batch->keys.size(); ++i) {
            // A key that was added but never given a value takes the stream's
            // value at that time, keys added before it included, as the host
            // does.
            const Keyframe& key = batch->keys[i];
            const AEGP_StreamVal2 value = batch->valued[i] ? key.value : stream->ValueAt(key.layer_seconds, true);
            stream->SetKeyframe(key.layer_seconds, value);
        }
        return A_Err_NONE;
    });
}

}  // namespace

void FillKeyframeBatchOps(AEGP_KeyframeSuite4& suite) {
    suite.AEGP_StartAddKeyframes = StartAddKeyframes;
    suite.AEGP_AddKeyframes = AddKeyframes;
    suite.AEGP_SetAddKeyframe = SetAddKeyframe;
    suite.AEGP_EndAddKeyframes = EndAddKeyframes;
}

}  // namespace simhost
