// "AEGP Utility Suite": registration of the effect, and undo groups.
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

A_Err StartUndoGroup(const A_char* undo_nameZ) {
    return Guarded("AEGP_StartUndoGroup", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_StartUndoGroup", ArgList(undo_nameZ));
        if (injected != A_Err_NONE) return injected;
        if (undo_nameZ == nullptr) return A_Err_PARAMETER;
        host.undo().Start(undo_nameZ, host.project());
        host.ledger().Hand(Resource::UndoGroup, &host.undo(), undo_nameZ);
        return A_Err_NONE;
    });
}

A_Err EndUndoGroup() {
    return Guarded("AEGP_EndUndoGroup", [&]() -> A_Err {
        Host& host = Host::Active();
        // Like a disposal, a failed close still closes: the effect cannot
        // close the group a second time.
        const A_Err injected = host.Enter("AEGP_EndUndoGroup", "");
        if (!host.undo().End()) {
            host.ledger().Violation("closed an undo group that was not open");
            return A_Err_GENERIC;
        }
        host.ledger().Take(Resource::UndoGroup, &host.undo());
        return injected;
    });
}

AEGP_UtilitySuite3 UtilitySuite3Table() {
    AEGP_UtilitySuite3 suite{};
    suite.AEGP_StartUndoGroup = StartUndoGroup;
    suite.AEGP_EndUndoGroup = EndUndoGroup;
    suite.AEGP_RegisterWithAEGP = RegisterWithAEGP;
    return suite;
}

// Version 11 moves the undo operations one slot on; registration is served
// the same in both.
AEGP_UtilitySuite5 UtilitySuite5Table() {
    AEGP_UtilitySuite5 suite{};
    suite.AEGP_StartUndoGroup = StartUndoGroup;
    suite.AEGP_EndUndoGroup = EndUndoGroup;
    suite.AEGP_RegisterWithAEGP = RegisterWithAEGP;
    return suite;
}

const AEGP_UtilitySuite3 kUtilitySuite3 = UtilitySuite3Table();
const AEGP_UtilitySuite5 kUtilitySuite5 = UtilitySuite5Table();

}  // namespace

void OfferUtilitySuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &kUtilitySuite3);
    suites.Offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5, &kUtilitySuite5);
}

}  // namespace simhost
