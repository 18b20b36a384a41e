// "AEGP Comp Suite": the composition's frame duration.
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetCompFrameDuration(AEGP_CompH compH, A_Time* timeP) {
    return Serve(Op::AEGP_GetCompFrameDuration, Args(compH), [&](ServiceContext& host) -> A_Err {
        if (timeP == nullptr || !host.IsCompHandle(compH)) {
            host.ledger().Violation("frame duration asked of a composition the host never handed out");
            return A_Err_PARAMETER;
        }
        *timeP = host.project().comp.frame_duration;
        return A_Err_NONE;
    });
}

AEGP_CompSuite8 CompSuiteTable() {
    AEGP_CompSuite8 suite{};
    suite.AEGP_GetCompFrameDuration = GetCompFrameDuration;
    return suite;
}

const AEGP_CompSuite8 kCompSuite = CompSuiteTable();

}  // namespace

void OfferCompSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPCompSuite, kAEGPCompSuiteVersion8, &kCompSuite);
}

}  // namespace simhost
