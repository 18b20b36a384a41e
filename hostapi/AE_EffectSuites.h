// Effect-side suites reached through the basic suite.
#pragma once

#include "AE_EffectTypes.h"

#define kPFHandleSuite "PF Handle Suite"
#define kPFHandleSuiteVersion1 2

extern "C" {
struct PF_HandleSuite1 {
    PF_Handle (*host_new_handle)(A_HandleSize size);
    void* (*host_lock_handle)(PF_Handle pf_handle);
    void (*host_unlock_handle)(PF_Handle pf_handle);
    void (*host_dispose_handle)(PF_Handle pf_handle);
    A_HandleSize (*host_get_handle_size)(PF_Handle pf_handle);
    PF_Err (*host_resize_handle)(A_HandleSize new_sizeL, PF_Handle* handlePH);
};
}

static_assert(sizeof(PF_HandleSuite1) == 48, "PF_HandleSuite1 layout");
static_assert(offsetof(PF_HandleSuite1, host_dispose_handle) == 24, "PF_HandleSuite1 layout");
