#include "GlobalData.h"
#include "MureloPlugin.h"
#include "Util/AEGP_SuiteHandler.h"
#include "resources/DorvaneProperties.h"

namespace {

// The name the effect registers under; the host shows it to nobody.
constexpr const char* kRegistrationName = "Error!";

// Owns the new global block's handle until the host takes it, so that every
// way out of set-up, a thrown suite refusal included, unlocks it and frees a
// block the host never received.
class PendingGlobalBlock {
public:
    PendingGlobalBlock(const PF_HandleSuite1* handles, PF_Handle handle)
        : handles_(handles), handle_(handle) {}
    ~PendingGlobalBlock() {
        if (handle_ == nullptr) return;
        Unlock();
        handles_->host_dispose_handle(handle_);
    }
    PendingGlobalBlock(const PendingGlobalBlock&) = delete;
    PendingGlobalBlock& operator=(const PendingGlobalBlock&) = delete;

    bool Exists() const { return handle_ != nullptr; }

    GlobalData* Lock() {
        lock_attempted_ = true;
        return static_cast<GlobalData*>(handles_->host_lock_handle(handle_));
    }

    void Unlock() {
        if (!lock_attempted_) return;
        lock_attempted_ = false;
        handles_->host_unlock_handle(handle_);
    }

    PF_Handle HandOver() {
        PF_Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    const PF_HandleSuite1* handles_;
    PF_Handle handle_;
    bool lock_attempted_ = false;
};

}  // namespace

PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output) {
    static_cast<void>(params);
    static_cast<void>(output);
    // Reported before anything can fail, so the host learns them whatever
    // the rest of set-up returns.
    out_data->my_version = dorvane::kEffectVersion;
    out_data->out_flags |= dorvane::kGlobalOutFlags;
    out_data->out_flags2 |= dorvane::kGlobalOutFlags2;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const PF_HandleSuite1* handles = suites.HandleSuite1();

    PendingGlobalBlock pending(handles, handles->host_new_handle(sizeof(GlobalData)));
    if (!pending.Exists()) return PF_Err_INTERNAL_STRUCT_DAMAGED;

    PF_Err err = PF_Err_NONE;
    GlobalData* block = pending.Lock();
    if (block == nullptr) {
        // Without a readable block no later command could find the plug-in
        // id, so the effect neither registers nor hands the host a block.
        err = PF_Err_OUT_OF_MEMORY;
    } else {
        err = suites.UtilitySuite3()->AEGP_RegisterWithAEGP(nullptr, kRegistrationName,
                                                              &block->my_id);
    }
    pending.Unlock();
    if (err == PF_Err_NONE) out_data->global_data = pending.HandOver();
    return err;
}

PF_Err GlobalSetdown(PF_InData* in_data) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    if (in_data->global_data != nullptr) {
        suites.HandleSuite1()->host_dispose_handle(in_data->global_data);
    }
    return PF_Err_NONE;
}
