// The interaction callbacks: the effect describes its parameters.
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDef* def) {
    return Serve(Op::add_param, Args(effect_ref, index),
                 [&](ServiceContext& host) -> PF_Err { return host.AddParam(effect_ref, index, def); });
}

}  // namespace

PF_InteractCallbacks InteractCallbacksTable() {
    PF_InteractCallbacks inter{};
    inter.add_param = AddParam;
    return inter;
}

}  // namespace simhost
