// One-at-a-time suite access that reports failure in the command's output
// record instead of throwing.
#pragma once

#include "AE_Effect.h"

struct DRAWBOT_DrawSuiteCurrent;
struct DRAWBOT_SupplierSuiteCurrent;
struct DRAWBOT_SurfaceSuiteCurrent;
struct DRAWBOT_PathSuiteCurrent;

struct DRAWBOT_Suites {
    DRAWBOT_DrawSuiteCurrent* drawbot_suiteP;
    DRAWBOT_SupplierSuiteCurrent* supplier_suiteP;
    DRAWBOT_SurfaceSuiteCurrent* surface_suiteP;
    DRAWBOT_PathSuiteCurrent* path_suiteP;
};

extern "C" {
PF_Err AEFX_AcquireSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                         int32_t version, const char* error_stringPC0, void** suite);
PF_Err AEFX_ReleaseSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                         int32_t version, const char* error_stringPC0);
PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data,
                                 DRAWBOT_Suites* suitesP);
PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data);
}
