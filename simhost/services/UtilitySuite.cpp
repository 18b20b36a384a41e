// "AEGP Utility Suite": registration of the effect, and undo groups.
#include <string>

#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err RegisterWithAEGP(AEGP_GlobalRefcon refcon, const A_char* name, AEGP_PluginID* plugin_id) {
    return Serve(Op::AEGP_RegisterWithAEGP, Args(refcon, name), [&](ServiceContext& host) -> A_Err {
        if (plugin_id == nullptr || name == nullptr) return A_Err_PARAMETER;
        *plugin_id = host.Register(name);
        return A_Err_NONE;
    });
}

A_Err StartUndoGroup(const A_char* undo_nameZ) {
    return Serve(Op::AEGP_StartUndoGroup, Args(undo_nameZ), [&](ServiceContext& host) -> A_Err {
        if (undo_nameZ == nullptr) return A_Err_PARAMETER;
        host.undo().Start(undo_nameZ, host.project());
        host.ledger().Hand(Resource::UndoGroup, &host.undo(), std::string("\"") + undo_nameZ + "\"");
        return A_Err_NONE;
    });
}

A_Err EndUndoGroup() {
    return ServeRelease(Op::AEGP_EndUndoGroup, Args(), [&](ServiceContext& host, bool) -> A_Err {
        if (!host.undo().End()) {
            host.ledger().Violation("closed an undo group that was not open");
            return A_Err_GENERIC;
        }
        host.ledger().Take(Resource::UndoGroup, &host.undo());
        return A_Err_NONE;
    });
}

// Version 11 moves the undo operations one slot on; both versions serve
// the same functions.
template <class Suite>
Suite UtilitySuiteTable() {
    Suite suite{};
    suite.AEGP_StartUndoGroup = StartUndoGroup;
    suite.AEGP_EndUndoGroup = EndUndoGroup;
    suite.AEGP_RegisterWithAEGP = RegisterWithAEGP;
    return suite;
}

const AEGP_UtilitySuite3 kUtilitySuite3 = UtilitySuiteTable<AEGP_UtilitySuite3>();
const AEGP_UtilitySuite5 kUtilitySuite5 = UtilitySuiteTable<AEGP_UtilitySuite5>();

}  // namespace

void OfferUtilitySuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &kUtilitySuite3);
    suites.Offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5, &kUtilitySuite5);
}

}  // namespace simhost
