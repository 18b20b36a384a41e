// Routines on one parameter stream of an effect: clearing its keyframes, and
// writing or reading one value. Each builds its own suite handler and keeps
// nothing between calls; a refused suite throws the handler's error code.
#pragma once

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"

// Removes every keyframe of the effect's parameter stream at param_index,
// from the last to the first.
A_Err DeleteAllKeyframes(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect,
                         PF_ParamIndex param_index);

// Value access. Times are layer times; values pass through unchanged.
// Setters read the current record (after expressions) at `time`, replace one
// member and write it back without inserting a keyframe. Getters write their
// output only on success.

A_Err SetOneD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, A_FpLong value);
A_Err GetOneD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, A_FpLong* value, bool pre_expression);

A_Err SetTwoD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, AEGP_TwoDVal value);
A_Err GetTwoD(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
              PF_ParamIndex param_index, AEGP_TwoDVal* value, bool pre_expression);

A_Err SetColor(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, AEGP_ColorVal value);
A_Err GetColor(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
               PF_ParamIndex param_index, AEGP_ColorVal* value, bool pre_expression);

A_Err SetMaskID(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
                PF_ParamIndex param_index, A_long value);
A_Err GetMaskID(PF_InData* in_data, AEGP_PluginID plugin_id, AEGP_EffectRefH effect, A_Time time,
                PF_ParamIndex param_index, A_long* value, bool pre_expression);
