#include "MureloPlugin.h"

#include <new>

namespace {

// An exception the effect did not anticipate says nothing about which host
// call went wrong; the host is told its records could not be trusted.
constexpr PF_Err kUnexpectedExceptionErr = PF_Err_INTERNAL_STRUCT_DAMAGED;

PF_Err Dispatch(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                PF_LayerDef* output, void* extra) {
    switch (cmd) {
        case PF_Cmd_ABOUT:
            return About(in_data, out_data, params, output);
        case PF_Cmd_GLOBAL_SETUP:
            return GlobalSetup(in_data, out_data, params, output);
        case PF_Cmd_GLOBAL_SETDOWN:
            return GlobalSetdown(in_data);
        case PF_Cmd_PARAMS_SETUP:
            return ParamsSetup(in_data, out_data, params, output);
        case PF_Cmd_SMART_PRE_RENDER:
            return SmartPreRender(in_data, out_data, static_cast<PF_PreRenderExtra*>(extra));
        case PF_Cmd_SMART_RENDER:
            return SmartRender(in_data, out_data, static_cast<PF_SmartRenderExtra*>(extra));
        case PF_Cmd_USER_CHANGED_PARAM:
            return UserChangedParam(in_data, out_data, params, output,
                                    static_cast<const PF_UserChangedParamExtra*>(extra));
        default:
            return PF_Err_NONE;
    }
}

}  // namespace

extern "C" DORVANE_EXPORT PF_Err EntryPointFunc(PF_Cmd cmd, PF_InData* in_data,
                                                PF_OutData* out_data, PF_ParamDef* params[],
                                                PF_LayerDef* output, void* extra) {
    try {
        return Dispatch(cmd, in_data, out_data, params, output, extra);
    } catch (PF_Err thrown) {
        return thrown;
    } catch (const std::bad_alloc&) {
        return PF_Err_OUT_OF_MEMORY;
    } catch (...) {
        return kUnexpectedExceptionErr;
    }
}
