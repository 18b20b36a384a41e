#include "GlobalData.h"
#include "MureloPlugin.h"
#include "Util/AEGP_SuiteHandler.h"
#include "Util/HandleScope.h"
#include "resources/DorvaneProperties.h"

namespace {

// The name the effect registers under; the host shows it to nobody.
constexpr const char* kRegistrationName = "Error!";

}  // namespace

PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
                   PF_LayerDef* /*output*/) {
    // Reported before anything can fail, so the host learns them whatever
    // the rest of set-up returns.
    out_data->my_version = dorvane::kEffectVersion;
    out_data->out_flags |= dorvane::kGlobalOutFlags;
    out_data->out_flags2 |= dorvane::kGlobalOutFlags2;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const PF_HandleSuite1* handles = suites.HandleSuite1();

    // Every way out of set-up, a thrown suite refusal included, frees a
    // block the host never received.
    HandleScope block_handle = HandleScope::New(handles, sizeof(GlobalData));
    if (!block_handle.Exists()) return PF_Err_INTERNAL_STRUCT_DAMAGED;

    PF_Err err = PF_Err_NONE;
    GlobalData* block = static_cast<GlobalData*>(block_handle.Lock());
    if (block == nullptr) {
        // Without a readable block no later command could find the plug-in
        // id, so the effect neither registers nor hands the host a block.
        err = PF_Err_OUT_OF_MEMORY;
    } else {
        err = suites.UtilitySuite3()->AEGP_RegisterWithAEGP(nullptr, kRegistrationName,
                                                              &block->my_id);
    }
    block_handle.Unlock();
    if (err == PF_Err_NONE) out_data->global_data = block_handle.HandOver();
    return err;
}

PF_Err GlobalSetdown(PF_InData* in_data) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    if (in_data->global_data != nullptr) {
        suites.HandleSuite1()->host_dispose_handle(in_data->global_data);
    }
    return PF_Err_NONE;
}
