// "AEGP Utility Suite": registration of the effect with the host.
#include "Host.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err RegisterWithAEGP(AEGP_GlobalRefcon refcon, const A_char* name, AEGP_PluginID* plugin_id) {
    return Guarded("AEGP_RegisterWithAEGP", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_RegisterWithAEGP", ArgList(refcon, name));
        if (injected != A_Err_NONE) return injected;
        if (plugin_id == nullptr || name == nullptr) return A_Err_PARAMETER;
        *plugin_id = host.Register(name);
        return A_Err_NONE;
    });
}

AEGP_UtilitySuite3 UtilitySuite3Table() {
    AEGP_UtilitySuite3 suite{};
    suite.AEGP_RegisterWithAEGP = RegisterWithAEGP;
    return suite;
}

const AEGP_UtilitySuite3 kUtilitySuite3 = UtilitySuite3Table();

}  // namespace

void OfferUtilitySuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &kUtilitySuite3);
}

}  // namespace simhost
