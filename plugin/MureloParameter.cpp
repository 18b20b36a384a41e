#include "MureloParameter.h"

#include "ParameterStream.h"
#include "Util/Held.h"

namespace {

// The four value kinds differ only in which member of the record they touch.
template <class Value, Value AEGP_StreamVal2::*Member>
A_Err SetValue(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, const Value& value) {
    if (in_data == nullptr) return A_Err_PARAMETER;

    ParameterStream stream(*in_data);
    const AEGP_StreamSuite4* streams = stream.Streams();
    Held<AEGP_StreamValue2> record(streams->AEGP_DisposeStreamValue);

    A_Err err = stream.Open(plugin_id, effect, param_index);

    if (err == A_Err_NONE) {
        // The record is read after expressions so that the rest of it is what
        // the user sees; only this kind's member is replaced.
        err = streams->AEGP_GetNewStreamValue(plugin_id, stream.Get(), AEGP_LTimeMode_LayerTime,
                                              &time, false, record.Out());
    }
    if (err == A_Err_NONE) {
        record.Out()->val.*Member = value;
        err = streams->AEGP_SetStreamValue(plugin_id, stream.Get(), record.Out());
    }

    record.Release(err);
    stream.Release(err);
    return err;
}

template <class Value, Value AEGP_StreamVal2::*Member>
A_Err GetValue(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, Value* value, bool pre_expression) {
    if (in_data == nullptr || value == nullptr) return A_Err_PARAMETER;

    ParameterStream stream(*in_data);
    const AEGP_StreamSuite4* streams = stream.Streams();
    Held<AEGP_StreamValue2> record(streams->AEGP_DisposeStreamValue);

    A_Err err = stream.Open(plugin_id, effect, param_index);

    if (err == A_Err_NONE) {
        err = streams->AEGP_GetNewStreamValue(plugin_id, stream.Get(), AEGP_LTimeMode_LayerTime,
                                              &time, pre_expression ? 1 : 0, record.Out());
    }
    if (err == A_Err_NONE) *value = record.Out()->val.*Member;

    record.Release(err);
    stream.Release(err);
    return err;
}

}  // namespace

A_Err DeleteAllKeyframes(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect,
                         PF_ParamIndex param_index) {
    if (in_data == nullptr) return A_Err_PARAMETER;

    ParameterStream stream(*in_data);

    A_Err err = stream.Open(plugin_id, effect, param_index);

    if (err == A_Err_NONE) {
        const AEGP_KeyframeSuite4* keyframes = stream.Suites().KeyframeSuite4();
        A_long count = 0;
        err = keyframes->AEGP_GetStreamNumKFs(stream.Get(), &count);
        // Deleting from the end keeps the indexes still to be deleted valid.
        for (A_long index = count - 1; index >= 0 && err == A_Err_NONE; --index) {
            err = keyframes->AEGP_DeleteKeyframe(stream.Get(), index);
        }
    }

    stream.Release(err);
    return err;
}

A_Err SetOneD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, A_FpLong value) {
    return SetValue<AEGP_OneDVal, &AEGP_StreamVal2::one_d>(in_data, plugin_id, effect, time,
                                                            param_index, value);
}
A_Err GetOneD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, A_FpLong* value, bool pre_expression) {
    return GetValue<AEGP_OneDVal, &AEGP_StreamVal2::one_d>(in_data, plugin_id, effect, time,
                                                            param_index, value, pre_expression);
}

A_Err SetTwoD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, AEGP_TwoDVal value) {
    return SetValue<AEGP_TwoDVal, &AEGP_StreamVal2::two_d>(in_data, plugin_id, effect, time,
                                                            param_index, value);
}
A_Err GetTwoD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, AEGP_TwoDVal* value, bool pre_expression) {
    return GetValue<AEGP_TwoDVal, &AEGP_StreamVal2::two_d>(in_data, plugin_id, effect, time,
                                                            param_index, value, pre_expression);
}

A_Err SetColor(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, AEGP_ColorVal value) {
    return SetValue<AEGP_ColorVal, &AEGP_StreamVal2::color>(in_data, plugin_id, effect, time,
                                                             param_index, value);
}
A_Err GetColor(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, AEGP_ColorVal* value, bool pre_expression) {
    return GetValue<AEGP_ColorVal, &AEGP_StreamVal2::color>(in_data, plugin_id, effect, time,
                                                             param_index, value, pre_expression);
}

A_Err SetMaskID(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
                PF_ParamIndex param_index, A_long value) {
    return SetValue<AEGP_MaskIDVal, &AEGP_StreamVal2::mask_id>(in_data, plugin_id, effect, time,
                                                                param_index, value);
}
A_Err GetMaskID(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
                PF_ParamIndex param_index, A_long* value, bool pre_expression) {
    return GetValue<AEGP_MaskIDVal, &AEGP_StreamVal2::mask_id>(in_data, plugin_id, effect, time,
                                                                param_index, value,
                                                                pre_expression);
}
