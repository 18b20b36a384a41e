#include "AEFX_SuiteHelper.h"

namespace {

constexpr int kDrawbotVersion = 1;
constexpr const char* kDrawbotSuiteNames[] = {"DRAWBOT Draw Suite", "DRAWBOT Supplier Suite",
                                              "DRAWBOT Surface Suite", "DRAWBOT Path Suite"};

void Report(PF_InData* in_data, PF_OutData* out_data, const char* message) {
    out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
    // Through "%s", so that a caller's message containing '%' is shown as
    // written instead of being read as conversions with no arguments.
    in_data->utils->ansi.sprintf(out_data->return_msg, "%s", message);
}

}  // namespace

extern "C" PF_Err AEFX_AcquireSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                                    int32_t version, const char* error_stringPC0, void** suite) {
    const char* message =
        error_stringPC0 != nullptr ? error_stringPC0 : "Not able to acquire AEFX Suite.";
    if (in_data->pica_basicP == nullptr) {
        Report(in_data, out_data, message);
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    in_data->pica_basicP->AcquireSuite(name, version, const_cast<const void**>(suite));
    if (*suite != nullptr) return PF_Err_NONE;
    Report(in_data, out_data, message);
    return PF_Err_BAD_CALLBACK_PARAM;
}

extern "C" PF_Err AEFX_ReleaseSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                                    int32_t version, const char* error_stringPC0) {
    if (in_data->pica_basicP != nullptr) {
        in_data->pica_basicP->ReleaseSuite(name, version);
        return PF_Err_NONE;
    }
    Report(in_data, out_data,
           error_stringPC0 != nullptr ? error_stringPC0 : "Not able to release AEFX Suite.");
    return PF_Err_BAD_CALLBACK_PARAM;
}

namespace {

template <class Suite>
PF_Err AcquireDrawbotSuite(PF_InData* in_data, PF_OutData* out_data, const char* name,
                           Suite** field) {
    void* suite = nullptr;
    const PF_Err err = AEFX_AcquireSuite(in_data, out_data, name, kDrawbotVersion, nullptr, &suite);
    *field = static_cast<Suite*>(suite);
    return err;
}

}  // namespace

extern "C" PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data,
                                            DRAWBOT_Suites* suitesP) {
    if (suitesP == nullptr) {
        Report(in_data, out_data, "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
        return PF_Err_UNRECOGNIZED_PARAM_TYPE;
    }
    PF_Err err = AcquireDrawbotSuite(in_data, out_data, kDrawbotSuiteNames[0], &suitesP->drawbot_suiteP);
    if (err == PF_Err_NONE) {
        err = AcquireDrawbotSuite(in_data, out_data, kDrawbotSuiteNames[1], &suitesP->supplier_suiteP);
    }
    if (err == PF_Err_NONE) {
        err = AcquireDrawbotSuite(in_data, out_data, kDrawbotSuiteNames[2], &suitesP->surface_suiteP);
    }
    if (err == PF_Err_NONE) {
        err = AcquireDrawbotSuite(in_data, out_data, kDrawbotSuiteNames[3], &suitesP->path_suiteP);
    }
    return err;
}

extern "C" PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data) {
    for (const char* name : kDrawbotSuiteNames) {
        AEFX_ReleaseSuite(in_data, out_data, name, kDrawbotVersion, nullptr);
    }
    return PF_Err_NONE;
}
