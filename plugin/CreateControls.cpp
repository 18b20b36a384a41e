#include <cstring>
#include <string>

#include "CameraCapture.h"
#include "EffectLibrary.h"
#include "GlobalData.h"
#include "MureloParameter.h"
#include "MureloPlugin.h"
#include "Util/OwnedRef.h"
#include "shared_array.h"

namespace {

constexpr const char* kUndoLabel = "Teskaline: Create Expression Controls";
constexpr const char* kPoint3DMatchName = "ADBE Point3D Control";
constexpr const char* kSliderMatchName = "ADBE Slider Control";
constexpr PF_ParamIndex kButtonParam = 1;
constexpr PF_ParamIndex kControlValue = 1;

constexpr const char* kControlNames[kControlCount] = {"Camera_Fov",  "Camera_Aspect", "Camera_Row1",
                                                      "Camera_Row2", "Camera_Row3",   "Camera_Row4"};

bool IsSliderSlot(int slot) { return slot == kFovControl || slot == kAspectControl; }

// The undo group of one press: opened once, closed once on every way out.
class UndoGroup {
public:
    explicit UndoGroup(const AEGP_UtilitySuite5* utility) : utility_(utility) {}
    ~UndoGroup() {
        if (open_) utility_->AEGP_EndUndoGroup();
    }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

    A_Err Open() {
        const A_Err err = utility_->AEGP_StartUndoGroup(kUndoLabel);
        open_ = err == A_Err_NONE;
        return err;
    }
    // A group whose opening failed is not closed: there is none to close.
    void Close(A_Err& err) {
        if (!open_) return;
        open_ = false;
        const A_Err closed = utility_->AEGP_EndUndoGroup();
        if (err == A_Err_NONE) err = closed;
    }

private:
    const AEGP_UtilitySuite5* utility_;
    bool open_ = false;
};

struct InstanceName {
    std::string text;
    bool seven_bit = false;
};

// The name the user sees on an effect instance: the name of the stream group
// that is the parent of its first parameter.
InstanceName ReadInstanceName(AEGP_SuiteHandler& suites, AEGP_PluginID plugin_id, AEGP_EffectRefH effect,
                              A_Err& err) {
    const AEGP_StreamSuite4* streams = suites.StreamSuite4();
    OwnedRef<AEGP_StreamRefH> param(streams->AEGP_DisposeStream);
    OwnedRef<AEGP_StreamRefH> group(streams->AEGP_DisposeStream);
    OwnedRef<AEGP_MemHandle> text;
    const AEGP_MemorySuite1* memory = nullptr;
    InstanceName name;

    err = streams->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, kControlValue, param.Out());
    if (err == A_Err_NONE) {
        err = suites.DynamicStreamSuite4()->AEGP_GetNewParentStreamRef(plugin_id, param.Get(), group.Out());
    }
    if (err == A_Err_NONE) {
        // Acquired before the handle exists, so that the handle always has
        // a way back to the host.
        memory = suites.MemorySuite1();
        text.Bind(memory->AEGP_FreeMemHandle);
        err = streams->AEGP_GetStreamName(plugin_id, group.Get(), false, text.Out());
    }
    AEGP_MemSize size = 0;
    if (err == A_Err_NONE) err = memory->AEGP_GetMemHandleSize(text.Get(), &size);
    if (err == A_Err_NONE && text) {
        void* locked = nullptr;
        err = memory->AEGP_LockMemHandle(text.Get(), &locked);
        if (err == A_Err_NONE && locked != nullptr) {
            // The handle's size bounds the copy, so a name that lacks its
            // terminator cannot be read past its end.
            const size_t units = size / sizeof(A_UTF16Char);
            shared_array<char> bytes(new char[size + 1]);
            const auto* utf16 = static_cast<const A_UTF16Char*>(locked);
            bool seven_bit = true;
            size_t length = 0;
            for (; length < units; ++length) {
                bytes.get()[length] = static_cast<char>(utf16[length] & 0xFF);
                if (utf16[length] > 0x7F) seven_bit = false;
                if (utf16[length] == 0) break;
            }
            bytes.get()[length < units ? length : units] = '\0';
            name.text = bytes.get();
            name.seven_bit = seven_bit;
        }
        if (err == A_Err_NONE) {
            // Every lock is given back before the handle is freed.
            err = memory->AEGP_UnlockMemHandle(text.Get());
        }
    }
    text.Release(err);
    param.Release(err);
    group.Release(err);
    return name;
}

// The slot an instance of this kind and name claims, or -1.
int ClaimedSlot(AEGP_InstalledEffectKey key, AEGP_InstalledEffectKey slider_key,
                AEGP_InstalledEffectKey point_key, const InstanceName& name,
                const OwnedRef<AEGP_EffectRefH> (&slots)[kControlCount]) {
    if (!name.seven_bit) return -1;
    for (int slot = 0; slot < kControlCount; ++slot) {
        const bool kind_matches = IsSliderSlot(slot) ? key == slider_key : key == point_key;
        if (kind_matches && !slots[slot] && name.text == kControlNames[slot]) return slot;
    }
    return -1;
}

struct Keys {
    AEGP_InstalledEffectKey point = AEGP_InstalledEffectKey_NONE;
    AEGP_InstalledEffectKey slider = AEGP_InstalledEffectKey_NONE;
};

void FindControls(AEGP_SuiteHandler& suites, AEGP_PluginID plugin_id, AEGP_LayerH layer, const Keys& keys,
                  OwnedRef<AEGP_EffectRefH> (&slots)[kControlCount], A_Err& err) {
    const AEGP_EffectSuite3* effects = suites.EffectSuite3();
    A_long count = 0;
    err = effects->AEGP_GetLayerNumEffects(layer, &count);
    for (A_long i = 0; i < count && err == A_Err_NONE; ++i) {
        OwnedRef<AEGP_EffectRefH> effect(effects->AEGP_DisposeEffect);
        err = effects->AEGP_GetLayerEffectByIndex(plugin_id, layer, i, effect.Out());
        AEGP_InstalledEffectKey key = AEGP_InstalledEffectKey_NONE;
        if (err == A_Err_NONE) err = effects->AEGP_GetInstalledKeyFromLayerEffect(effect.Get(), &key);
        if (err == A_Err_NONE && key != AEGP_InstalledEffectKey_NONE &&
            (key == keys.point || key == keys.slider)) {
            const InstanceName name = ReadInstanceName(suites, plugin_id, effect.Get(), err);
            const int slot = err == A_Err_NONE ? ClaimedSlot(key, keys.slider, keys.point, name, slots) : -1;
            if (slot >= 0) *slots[slot].Out() = effect.Take();
        }
        effect.Release(err);
    }
}

void CreateMissingControls(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id,
                           AEGP_LayerH layer, const Keys& keys,
                           OwnedRef<AEGP_EffectRefH> (&slots)[kControlCount], A_Err& err) {
    const AEGP_EffectSuite3* effects = suites.EffectSuite3();
    for (int slot = 0; slot < kControlCount && err == A_Err_NONE; ++slot) {
        if (slots[slot]) continue;
        const AEGP_InstalledEffectKey key = IsSliderSlot(slot) ? keys.slider : keys.point;
        err = effects->AEGP_ApplyEffect(plugin_id, layer, key, slots[slot].Out());
        if (err == A_Err_NONE) err = SetEffectName(plugin_id, in_data, slots[slot].Get(), kControlNames[slot]);
    }
}

void PrepareAndRecord(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id,
                      AEGP_LayerH layer, const OwnedRef<AEGP_EffectRefH> (&slots)[kControlCount], A_Err& err) {
    for (int slot = 0; slot < kControlCount && err == A_Err_NONE; ++slot) {
        err = DeleteAllKeyframes(in_data, plugin_id, slots[slot].Get(), kControlValue);
    }
    for (int slot = 0; slot < kControlCount && err == A_Err_NONE; ++slot) {
        err = suites.EffectSuite3()->AEGP_SetEffectFlags(slots[slot].Get(), AEGP_EffectFlags_ACTIVE,
                                                         AEGP_EffectFlags_NONE);
    }
    if (err == A_Err_NONE) {
        AEGP_EffectRefH controls[kControlCount];
        for (int slot = 0; slot < kControlCount; ++slot) controls[slot] = slots[slot].Get();
        err = RecordCamera(suites, in_data, plugin_id, layer, controls);
    }
}

A_Err CreateControls(AEGP_SuiteHandler& suites, PF_InData* in_data, const PF_UserChangedParamExtra* extra) {
    // Without the global block there is no plug-in id to act under, and
    // nothing in the project may be touched.
    if (in_data->global_data == nullptr || *in_data->global_data == nullptr || extra == nullptr) {
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    const AEGP_PluginID plugin_id = static_cast<const GlobalData*>(*in_data->global_data)->my_id;

    AEGP_LayerH layer = nullptr;
    A_Err err = suites.PFInterfaceSuite1()->AEGP_GetEffectLayer(in_data->effect_ref, &layer);
    if (err != A_Err_NONE) return err;

    Keys keys;
    err = GetEffectKey(in_data, kPoint3DMatchName, &keys.point);
    if (err == A_Err_NONE) err = GetEffectKey(in_data, kSliderMatchName, &keys.slider);
    if (extra->param_index != kButtonParam) return err;

    UndoGroup undo(suites.UtilitySuite5());
    const A_Err opened = undo.Open();
    if (err == A_Err_NONE) err = opened;
    {
        // Released before the undo group closes, on every way out.
        OwnedRef<AEGP_EffectRefH> slots[kControlCount];
        if (err == A_Err_NONE) {
            for (OwnedRef<AEGP_EffectRefH>& slot : slots) slot.Bind(suites.EffectSuite3()->AEGP_DisposeEffect);
            FindControls(suites, plugin_id, layer, keys, slots, err);
        }
        if (err == A_Err_NONE) CreateMissingControls(suites, in_data, plugin_id, layer, keys, slots, err);
        if (err == A_Err_NONE) PrepareAndRecord(suites, in_data, plugin_id, layer, slots, err);
        for (OwnedRef<AEGP_EffectRefH>& slot : slots) slot.Release(err);
    }
    undo.Close(err);
    return err;
}

}  // namespace

PF_Err UserChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
                        const PF_UserChangedParamExtra* extra) {
    static_cast<void>(params);
    static_cast<void>(output);
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const A_Err err = CreateControls(suites, in_data, extra);
    out_data->out_flags |= PF_OutFlag_FORCE_RERENDER;
    return err;
}
