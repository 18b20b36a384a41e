#include "AEGP_SuiteHandler.h"

// The error is thrown as the bare host code so the entry point can hand it
// back unchanged, whatever the platform spells the code's type as.
void AEGP_SuiteHandler::MissingSuiteError() const {
    const PF_Err err = PF_Err_BAD_CALLBACK_PARAM;
    throw err;
}
