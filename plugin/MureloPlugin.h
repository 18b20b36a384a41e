// The effect's entry point and the commands it dispatches to.
#pragma once

#include "AE_Effect.h"
#include "AE_EffectSmartRender.h"

#ifdef _WIN32
#define DORVANE_EXPORT __declspec(dllexport)
#else
#define DORVANE_EXPORT __attribute__((visibility("default")))
#endif

// [thread of the command] The host's one way in: runs the command below it names.
extern "C" DORVANE_EXPORT PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data,
                                                PF_OutData* out_data, PF_ParamDef* params[],
                                                PF_LayerDef* output, void* extra);

// Each command runs to completion on the thread the host calls it on, and
// none keeps anything between calls but the global block the host holds.
// The mark before each says which thread that is and what it may touch:
// [main-thread] the host's user-interface thread, where the project may be
// read and changed; [render-thread] any of the host's render threads, where
// the project must not be changed.

// [main-thread] Writes the About text into out_data; touches nothing else.
PF_Err About(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
             PF_LayerDef* output);
// [main-thread] Makes the global block, registers; sets out_data's version and flags.
PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output);
// [main-thread] Frees the global block; touches nothing else.
PF_Err GlobalSetdown(PF_InData* in_data);
// [main-thread] Adds the button, sets out_data's parameter count; no project.
PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output);
// [render-thread] Checks out the input, hands the host a handle; changes no project.
PF_Err SmartPreRender(PF_InData* in_data, PF_OutData* out_data, PF_PreRenderExtra* extra);
// [render-thread] Copies input to output, queries the camera; changes no project.
PF_Err SmartRender(PF_InData* in_data, PF_OutData* out_data, PF_SmartRenderExtra* extra);
// [main-thread] A press: changes the layer's effects and keys, in one undo step.
PF_Err UserChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                        PF_LayerDef* output, const PF_UserChangedParamExtra* extra);
