#include "MureloPlugin.h"
#include "resources/DorvaneProperties.h"

PF_Err About(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
             PF_LayerDef* /*output*/) {
    in_data->utils->ansi.sprintf(out_data->return_msg, "%s, v%d.%d.%d\r%s", dorvane::kEffectName,
                                 dorvane::kMajorVersion, dorvane::kMinorVersion,
                                 dorvane::kBugVersion, dorvane::kCopyright);
    return PF_Err_NONE;
}
