#include <cstring>

#include "MureloPlugin.h"

namespace {

constexpr PF_ParamIndex kAppendParam = -1;
constexpr A_long kButtonId = 1;
// The input layer the host supplies, and the button.
constexpr A_long kParamCount = 2;

}  // namespace

PF_Err ParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
                   PF_LayerDef* /*output*/) {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof(def));
    def.param_type = PF_Param_BUTTON;
    in_data->utils->ansi.strcpy(def.name, "");
    def.u.button_d.u.namesptr = "Create Controls";
    def.flags = PF_ParamFlag_SUPERVISE;
    def.ui_flags = 0;
    def.uu.id = kButtonId;

    const PF_Err err = in_data->inter.add_param(in_data->effect_ref, kAppendParam, &def);
    if (err != PF_Err_NONE) return err;
    out_data->num_params = kParamCount;
    return PF_Err_NONE;
}
