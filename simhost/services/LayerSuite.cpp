// "AEGP Layer Suite": a layer's composition and its span in time.
#include "project/LayerTime.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetLayerParentComp(AEGP_LayerH layerH, AEGP_CompH* compPH) {
    return Serve(Op::AEGP_GetLayerParentComp, Args(layerH), [&](ServiceContext& host) -> A_Err {
        if (compPH == nullptr || host.LayerFromHandle(layerH) == nullptr) return A_Err_PARAMETER;
        *compPH = host.CompHandle();
        return A_Err_NONE;
    });
}

A_Err GetLayerInPoint(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, A_Time* in_pointPT) {
    return Serve(Op::AEGP_GetLayerInPoint, Args(layerH, time_mode), [&](ServiceContext& host) -> A_Err {
        const Layer* layer = host.LayerFromHandle(layerH);
        if (in_pointPT == nullptr || layer == nullptr) return A_Err_PARAMETER;
        const std::optional<A_Time> in_point =
            ConvertTime(*layer, layer->in_point, AEGP_LTimeMode_CompTime, time_mode);
        if (!in_point) return A_Err_PARAMETER;
        *in_pointPT = *in_point;
        return A_Err_NONE;
    });
}

A_Err GetLayerDuration(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, A_Time* durationPT) {
    return Serve(Op::AEGP_GetLayerDuration, Args(layerH, time_mode), [&](ServiceContext& host) -> A_Err {
        const Layer* layer = host.LayerFromHandle(layerH);
        if (durationPT == nullptr || layer == nullptr) return A_Err_PARAMETER;
        // Without time stretch a duration is the same in both modes.
        if (time_mode != AEGP_LTimeMode_CompTime && time_mode != AEGP_LTimeMode_LayerTime) {
            return A_Err_PARAMETER;
        }
        *durationPT = layer->duration;
        return A_Err_NONE;
    });
}

AEGP_LayerSuite7 LayerSuiteTable() {
    AEGP_LayerSuite7 suite{};
    suite.AEGP_GetLayerParentComp = GetLayerParentComp;
    suite.AEGP_GetLayerInPoint = GetLayerInPoint;
    suite.AEGP_GetLayerDuration = GetLayerDuration;
    return suite;
}

const AEGP_LayerSuite7 kLayerSuite = LayerSuiteTable();

}  // namespace

void OfferLayerSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPLayerSuite, kAEGPLayerSuiteVersion7, &kLayerSuite);
}

}  // namespace simhost
