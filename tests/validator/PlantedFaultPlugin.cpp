// A plug-in with one fault planted, for showing that the validator catches
// it at the level that should: it loads the real effect and passes every
// command on, but hands it suites with one function doctored. The real
// effect is untouched; the fault lives only in the suites it is given.
//
//   DORVANE_PLANTED_FAULT == 1: the first stream a command disposes of is
//     kept instead, a leaked stream reference;
//   DORVANE_PLANTED_FAULT == 2: the layer's duration reads one frame
//     short, so a press keys one frame too few.
#include <dlfcn.h>

#include <cstring>

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "SPBasic.h"

namespace {

constexpr int kFault = DORVANE_PLANTED_FAULT;

// What the doctored functions need while a command runs; a test library
// may keep it in one place, as the effect itself may not.
struct Planted {
    PF_FilterProc entry = nullptr;
    SPBasicSuite* host_basic = nullptr;
    SPBasicSuite basic{};
    AEGP_StreamSuite4 streams{};
    AEGP_LayerSuite7 layers{};
    bool leaked = false;
};

Planted& State() {
    static Planted planted;
    return planted;
}

A_Err KeepFirstStream(AEGP_StreamRefH stream) {
    if (!State().leaked) {
        State().leaked = true;
        return A_Err_NONE;
    }
    const void* real = nullptr;
    State().host_basic->AcquireSuite(kAEGPStreamSuite, kAEGPStreamSuiteVersion4, &real);
    const A_Err err = static_cast<const AEGP_StreamSuite4*>(real)->AEGP_DisposeStream(stream);
    State().host_basic->ReleaseSuite(kAEGPStreamSuite, kAEGPStreamSuiteVersion4);
    return err;
}

A_Err DurationOneFrameShort(AEGP_LayerH layer, AEGP_LTimeMode mode, A_Time* duration) {
    const void* layers = nullptr;
    const void* comps = nullptr;
    State().host_basic->AcquireSuite(kAEGPLayerSuite, kAEGPLayerSuiteVersion7, &layers);
    State().host_basic->AcquireSuite(kAEGPCompSuite, kAEGPCompSuiteVersion8, &comps);
    AEGP_CompH comp = nullptr;
    A_Time frame{0, 1};
    A_Err err = static_cast<const AEGP_LayerSuite7*>(layers)->AEGP_GetLayerDuration(layer, mode, duration);
    if (err == A_Err_NONE) err = static_cast<const AEGP_LayerSuite7*>(layers)->AEGP_GetLayerParentComp(layer, &comp);
    if (err == A_Err_NONE) err = static_cast<const AEGP_CompSuite8*>(comps)->AEGP_GetCompFrameDuration(comp, &frame);
    if (err == A_Err_NONE) {
        duration->value -= static_cast<A_long>(static_cast<long long>(frame.value) * duration->scale / frame.scale);
    }
    State().host_basic->ReleaseSuite(kAEGPCompSuite, kAEGPCompSuiteVersion8);
    State().host_basic->ReleaseSuite(kAEGPLayerSuite, kAEGPLayerSuiteVersion7);
    return err;
}

SPErr AcquireDoctored(const char* name, std::int32_t version, const void** suite) {
    const SPErr err = State().host_basic->AcquireSuite(name, version, suite);
    if (err != kSPNoError || suite == nullptr || *suite == nullptr) return err;
    if (kFault == 1 && std::strcmp(name, kAEGPStreamSuite) == 0 && version == kAEGPStreamSuiteVersion4) {
        State().streams = *static_cast<const AEGP_StreamSuite4*>(*suite);
        State().streams.AEGP_DisposeStream = KeepFirstStream;
        *suite = &State().streams;
    }
    if (kFault == 2 && std::strcmp(name, kAEGPLayerSuite) == 0 && version == kAEGPLayerSuiteVersion7) {
        State().layers = *static_cast<const AEGP_LayerSuite7*>(*suite);
        State().layers.AEGP_GetLayerDuration = DurationOneFrameShort;
        *suite = &State().layers;
    }
    return err;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data,
                                                                      PF_OutData* out_data,
                                                                      PF_ParamDef* params[],
                                                                      PF_LayerDef* output, void* extra) {
    Planted& planted = State();
    if (planted.entry == nullptr) {
        void* real = dlopen(DORVANE_REAL_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
        if (real == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;
        planted.entry = reinterpret_cast<PF_FilterProc>(dlsym(real, "EntryPointFunc"));
        if (planted.entry == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    SPBasicSuite* host_basic = in_data == nullptr ? nullptr : in_data->pica_basicP;
    if (host_basic == nullptr) return planted.entry(cmd, in_data, out_data, params, output, extra);
    planted.host_basic = host_basic;
    planted.basic = *host_basic;
    planted.basic.AcquireSuite = AcquireDoctored;
    planted.leaked = false;
    in_data->pica_basicP = &planted.basic;
    const PF_Err err = planted.entry(cmd, in_data, out_data, params, output, extra);
    in_data->pica_basicP = host_basic;
    return err;
}
