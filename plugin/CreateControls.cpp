#include <cstring>
#include <initializer_list>
#include <string>

#include "CameraCapture.h"
#include "ControlTable.h"
#include "EffectLibrary.h"
#include "GlobalData.h"
#include "MureloParameter.h"
#include "MureloPlugin.h"
#include "Util/FirstError.h"
#include "Util/Held.h"
#include "Utf16Text.h"

namespace {

constexpr const char* kUndoLabel = "Teskaline: Create Expression Controls";
constexpr PF_ParamIndex kButtonParam = 1;
constexpr PF_ParamIndex kControlValue = 1;

// The undo group of one press: opened once, closed once on every way out.
class UndoGroup {
public:
    UndoGroup() = default;
    ~UndoGroup() {
        if (utility_ != nullptr) utility_->AEGP_EndUndoGroup();
    }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

    A_Err Open(const AEGP_UtilitySuite5* utility) {
        const A_Err err = utility->AEGP_StartUndoGroup(kUndoLabel);
        if (err == A_Err_NONE) utility_ = utility;
        return err;
    }
    // A group whose opening failed is not closed: there is none to close.
    void Close(A_Err& err) {
        if (utility_ == nullptr) return;
        const AEGP_UtilitySuite5* utility = utility_;
        utility_ = nullptr;
        KeepFirstError(err, utility->AEGP_EndUndoGroup());
    }

private:
    const AEGP_UtilitySuite5* utility_ = nullptr;  // set while the group is open
};

// The working state of one press of the button, and its steps. Each step
// runs only while nothing has failed; its host codes become the one result,
// and the releases fold theirs in (KeepFirstError). The undo group and the
// six control slots are members, so that on unwinding the slots are given
// back, last first, before the group closes.
class Press {
public:
    Press(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id)
        : suites_(suites), in_data_(in_data), plugin_id_(plugin_id) {}
    Press(const Press&) = delete;
    Press& operator=(const Press&) = delete;

    A_Err Run(PF_ParamIndex changed_param) {
        err_ = suites_.PFInterfaceSuite1()->AEGP_GetEffectLayer(in_data_->effect_ref, &layer_);
        if (err_ != A_Err_NONE) return err_;
        FindKeys();
        if (changed_param != kButtonParam) return err_;

        KeepFirstError(err_, undo_.Open(suites_.UtilitySuite5()));
        using Step = void (Press::*)();
        for (const Step step : {&Press::FindControls, &Press::CreateMissingControls, &Press::PrepareControls,
                                &Press::RecordControls}) {
            if (err_ != A_Err_NONE) break;
            (this->*step)();
        }
        ReleaseControls();
        undo_.Close(err_);
        return err_;
    }

private:
    // The installed effect each control is an instance of, 3D points first.
    void FindKeys() {
        AEGP_InstalledEffectKey point = AEGP_InstalledEffectKey_NONE;
        AEGP_InstalledEffectKey slider = AEGP_InstalledEffectKey_NONE;
        err_ = GetEffectKey(in_data_, kPoint3DMatchName, &point);
        if (err_ == A_Err_NONE) err_ = GetEffectKey(in_data_, kSliderMatchName, &slider);
        for (int slot = 0; slot < kControlCount; ++slot) {
            keys_[slot] = std::strcmp(kControls[slot].kind, kSliderMatchName) == 0 ? slider : point;
        }
    }

    bool IsControlKind(AEGP_InstalledEffectKey key) const {
        for (const AEGP_InstalledEffectKey control_key : keys_) {
            if (key == control_key) return true;
        }
        return false;
    }

    // Claims, for each slot, the first effect on the layer of its kind and
    // name.
    void FindControls() {
        const AEGP_EffectSuite3* effects = suites_.EffectSuite3();
        for (Held<AEGP_EffectRefH>& slot : slots_) slot.Bind(effects->AEGP_DisposeEffect);
        A_long count = 0;
        err_ = effects->AEGP_GetLayerNumEffects(layer_, &count);
        for (A_long i = 0; i < count && err_ == A_Err_NONE; ++i) {
            Held<AEGP_EffectRefH> effect(effects->AEGP_DisposeEffect);
            err_ = effects->AEGP_GetLayerEffectByIndex(plugin_id_, layer_, i, effect.Out());
            AEGP_InstalledEffectKey key = AEGP_InstalledEffectKey_NONE;
            if (err_ == A_Err_NONE) err_ = effects->AEGP_GetInstalledKeyFromLayerEffect(effect.Get(), &key);
            if (err_ == A_Err_NONE && key != AEGP_InstalledEffectKey_NONE && IsControlKind(key)) {
                const NarrowName name = ReadInstanceName(effect.Get());
                const int slot = err_ == A_Err_NONE ? ClaimedSlot(key, name) : -1;
                if (slot >= 0) slots_[slot].Adopt(effect.Take());
            }
            effect.Release(err_);
        }
    }

    // The name the user sees on an effect instance: the name of the stream
    // group that is the parent of its first parameter.
    NarrowName ReadInstanceName(AEGP_EffectRefH effect) {
        const AEGP_StreamSuite4* streams = suites_.StreamSuite4();
        Held<AEGP_StreamRefH> param(streams->AEGP_DisposeStream);
        Held<AEGP_StreamRefH> group(streams->AEGP_DisposeStream);
        Held<AEGP_MemHandle> text;
        const AEGP_MemorySuite1* memory = nullptr;
        NarrowName name;

        err_ = streams->AEGP_GetNewEffectStreamByIndex(plugin_id_, effect, kControlValue, param.Out());
        if (err_ == A_Err_NONE) {
            err_ = suites_.DynamicStreamSuite4()->AEGP_GetNewParentStreamRef(plugin_id_, param.Get(),
                                                                             group.Out());
        }
        if (err_ == A_Err_NONE) {
            // Acquired before the handle exists, so that the handle always has
            // a way back to the host.
            memory = suites_.MemorySuite1();
            text.Bind(memory->AEGP_FreeMemHandle);
            err_ = streams->AEGP_GetStreamName(plugin_id_, group.Get(), false, text.Out());
        }
        AEGP_MemSize size = 0;
        if (err_ == A_Err_NONE) err_ = memory->AEGP_GetMemHandleSize(text.Get(), &size);
        if (err_ == A_Err_NONE && text) {
            void* locked = nullptr;
            err_ = memory->AEGP_LockMemHandle(text.Get(), &locked);
            if (err_ == A_Err_NONE && locked != nullptr) {
                name = NarrowFromUnits(static_cast<const A_UTF16Char*>(locked), size);
            }
            // Every lock is given back before the handle is freed.
            if (err_ == A_Err_NONE) err_ = memory->AEGP_UnlockMemHandle(text.Get());
        }
        text.Release(err_);
        param.Release(err_);
        group.Release(err_);
        return name;
    }

    // The slot an instance of this kind and name claims, or -1.
    int ClaimedSlot(AEGP_InstalledEffectKey key, const NarrowName& name) const {
        if (!name.seven_bit) return -1;
        for (int slot = 0; slot < kControlCount; ++slot) {
            if (key == keys_[slot] && !slots_[slot] && name.text == kControls[slot].name) return slot;
        }
        return -1;
    }

    void CreateMissingControls() {
        const AEGP_EffectSuite3* effects = suites_.EffectSuite3();
        for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
            if (slots_[slot]) continue;
            err_ = effects->AEGP_ApplyEffect(plugin_id_, layer_, keys_[slot], slots_[slot].Out());
            if (err_ == A_Err_NONE) {
                err_ = SetEffectName(plugin_id_, in_data_, slots_[slot].Get(), kControls[slot].name);
            }
        }
    }

    // Clears every control and switches it off.
    void PrepareControls() {
        for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
            err_ = DeleteAllKeyframes(in_data_, plugin_id_, slots_[slot].Get(), kControlValue);
        }
        for (int slot = 0; slot < kControlCount && err_ == A_Err_NONE; ++slot) {
            err_ = suites_.EffectSuite3()->AEGP_SetEffectFlags(slots_[slot].Get(), AEGP_EffectFlags_ACTIVE,
                                                               AEGP_EffectFlags_NONE);
        }
    }

    void RecordControls() {
        AEGP_EffectRefH controls[kControlCount];
        for (int slot = 0; slot < kControlCount; ++slot) controls[slot] = slots_[slot].Get();
        err_ = RecordCamera(suites_, in_data_, plugin_id_, layer_, controls);
    }

    // Gives back every control, in the order of the set.
    void ReleaseControls() {
        for (Held<AEGP_EffectRefH>& slot : slots_) slot.Release(err_);
    }

    AEGP_SuiteHandler& suites_;
    PF_InData* in_data_;
    const AEGP_PluginID plugin_id_;
    AEGP_LayerH layer_ = nullptr;
    AEGP_InstalledEffectKey keys_[kControlCount] = {};
    A_Err err_ = A_Err_NONE;
    // Closed after the slots are given back, on every way out.
    UndoGroup undo_;
    Held<AEGP_EffectRefH> slots_[kControlCount];
};

}  // namespace

PF_Err UserChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
                        PF_LayerDef* /*output*/, const PF_UserChangedParamExtra* extra) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    // Without the global block there is no plug-in id to act under, and
    // nothing in the project may be touched.
    A_Err err = PF_Err_INTERNAL_STRUCT_DAMAGED;
    if (in_data->global_data != nullptr && *in_data->global_data != nullptr && extra != nullptr) {
        Press press(suites, in_data, static_cast<const GlobalData*>(*in_data->global_data)->my_id);
        err = press.Run(extra->param_index);
    }
    out_data->out_flags |= PF_OutFlag_FORCE_RERENDER;
    return err;
}
