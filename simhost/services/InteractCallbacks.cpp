// The interaction callbacks: the effect describes its parameters.
#include "Host.h"
#include "services/Services.h"

namespace simhost {

namespace {

PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDef* def) {
    return Guarded("add_param", [&]() -> PF_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("add_param", ArgList(effect_ref, index));
        if (injected != A_Err_NONE) return injected;
        return host.AddParam(effect_ref, index, def);
    });
}

}  // namespace

PF_InteractCallbacks InteractCallbacksTable() {
    PF_InteractCallbacks inter{};
    inter.add_param = AddParam;
    return inter;
}

}  // namespace simhost
