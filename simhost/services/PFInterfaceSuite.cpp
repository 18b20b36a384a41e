// "AEGP PF Interface Suite": what the host knows about the effect it is
// talking to, its layer, its time and the camera that sees it.
#include "project/LayerTime.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetEffectLayer(PF_ProgPtr effect_ref, AEGP_LayerH* layerPH) {
    return Serve(Op::AEGP_GetEffectLayer, Args(effect_ref), [&](ServiceContext& host) -> A_Err {
        if (layerPH == nullptr || !host.KnowsEffect(effect_ref)) return A_Err_PARAMETER;
        *layerPH = host.LayerHandle(host.Instance().layer_id);
        return A_Err_NONE;
    });
}

A_Err ConvertEffectToCompTime(PF_ProgPtr effect_ref, A_long what_timeL, A_u_long time_scaleLu,
                              A_Time* comp_timePT) {
    return Serve(Op::AEGP_ConvertEffectToCompTime, Args(effect_ref, A_Time{what_timeL, time_scaleLu}),
                 [&](ServiceContext& host) -> A_Err {
                     if (comp_timePT == nullptr || time_scaleLu == 0 || !host.KnowsEffect(effect_ref)) {
                         return A_Err_PARAMETER;
                     }
                     const Layer* layer = host.project().FindLayer(host.Instance().layer_id);
                     if (layer == nullptr || layer->offset.scale == 0) return A_Err_STRUCT;
                     const std::optional<A_Time> comp_time = ConvertTime(
                         *layer, {what_timeL, time_scaleLu}, AEGP_LTimeMode_LayerTime, AEGP_LTimeMode_CompTime);
                     if (!comp_time) return A_Err_PARAMETER;
                     *comp_timePT = *comp_time;
                     return A_Err_NONE;
                 });
}

A_Err GetEffectCamera(PF_ProgPtr effect_ref, const A_Time*, AEGP_LayerH* camera_layerPH) {
    return Serve(Op::AEGP_GetEffectCamera, Args(effect_ref), [&](ServiceContext&) -> A_Err {
        if (camera_layerPH != nullptr) *camera_layerPH = nullptr;
        return A_Err_NONE;
    });
}

A_Err GetEffectCameraMatrix(PF_ProgPtr effect_ref, const A_Time* comp_timePT, A_Matrix4* camera_matrixP,
                            A_FpLong* dist_to_image_planePF, A_short* image_plane_widthPL,
                            A_short* image_plane_heightPL) {
    return Serve(Op::AEGP_GetEffectCameraMatrix, Args(effect_ref, comp_timePT), [&](ServiceContext& host) -> A_Err {
        if (comp_timePT == nullptr || camera_matrixP == nullptr || dist_to_image_planePF == nullptr ||
            image_plane_widthPL == nullptr || image_plane_heightPL == nullptr || comp_timePT->scale == 0 ||
            !host.KnowsEffect(effect_ref)) {
            return A_Err_PARAMETER;
        }
        const CameraView view = host.project().CameraAt(Seconds(*comp_timePT));
        *camera_matrixP = view.matrix;
        *dist_to_image_planePF = view.dist_to_image_plane;
        *image_plane_widthPL = view.image_plane_width;
        *image_plane_heightPL = view.image_plane_height;
        return A_Err_NONE;
    });
}

AEGP_PFInterfaceSuite1 PFInterfaceSuiteTable() {
    AEGP_PFInterfaceSuite1 suite{};
    suite.AEGP_GetEffectLayer = GetEffectLayer;
    suite.AEGP_ConvertEffectToCompTime = ConvertEffectToCompTime;
    suite.AEGP_GetEffectCamera = GetEffectCamera;
    suite.AEGP_GetEffectCameraMatrix = GetEffectCameraMatrix;
    return suite;
}

const AEGP_PFInterfaceSuite1 kPFInterfaceSuite = PFInterfaceSuiteTable();

}  // namespace

void OfferPFInterfaceSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &kPFInterfaceSuite);
}

}  // namespace simhost
