// The host's callback tables and suites, one file per service.
#pragma once

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "SPBasic.h"
#include "services/SuiteDirectory.h"

namespace simhost {

// The code the basic suite returns for a suite it does not offer.
constexpr SPErr kSuiteNotFoundError = 0x53214664;

SPBasicSuite BasicSuiteTable();
PF_ANSICallbacksBlock AnsiCallbacksTable();
PF_InteractCallbacks InteractCallbacksTable();
// Fills the handle routines of the utility callbacks.
void FillHandleCallbacks(PF_UtilCallbacks& utils);
// Fills the pixel-world routines of the utility callbacks.
void FillWorldCallbacks(PF_UtilCallbacks& utils);

void OfferHandleSuite(SuiteDirectory& suites);
void OfferUtilitySuite(SuiteDirectory& suites);
void OfferPFInterfaceSuite(SuiteDirectory& suites);
void OfferEffectSuite(SuiteDirectory& suites);
void OfferStreamSuite(SuiteDirectory& suites);
void OfferDynamicStreamSuite(SuiteDirectory& suites);
void OfferMemorySuite(SuiteDirectory& suites);
void OfferKeyframeSuite(SuiteDirectory& suites);
void OfferLayerSuite(SuiteDirectory& suites);
// The batch operations, for the keyframe suite's table.
void FillKeyframeBatchOps(AEGP_KeyframeSuite4& suite);
void OfferCompSuite(SuiteDirectory& suites);

}  // namespace simhost
