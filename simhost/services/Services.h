// The host's callback tables and suites, one file per service.
#pragma once

#include "AE_Effect.h"
#include "SuiteDirectory.h"

namespace simhost {

SPBasicSuite BasicSuiteTable();
PF_ANSICallbacksBlock AnsiCallbacksTable();
PF_InteractCallbacks InteractCallbacksTable();
// Fills the handle routines of the utility callbacks.
void FillHandleCallbacks(PF_UtilCallbacks& utils);

void OfferHandleSuite(SuiteDirectory& suites);
void OfferUtilitySuite(SuiteDirectory& suites);
void OfferPFInterfaceSuite(SuiteDirectory& suites);

}  // namespace simhost
