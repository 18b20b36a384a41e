#include "CameraQuery.h"

A_Err QueryCamera(const AEGP_PFInterfaceSuite1* pf_interface, const PF_InData& in_data,
                  const A_Time& comp_time, CameraSample& sample) {
    return pf_interface->AEGP_GetEffectCameraMatrix(in_data.effect_ref, &comp_time, &sample.matrix,
                                                    &sample.dist_to_image_plane, &sample.width,
                                                    &sample.height);
}

A_Err QueryCameraNow(const AEGP_PFInterfaceSuite1* pf_interface, const PF_InData& in_data,
                     CameraSample& sample) {
    A_Time now{0, 1};
    const A_Err err = pf_interface->AEGP_ConvertEffectToCompTime(in_data.effect_ref, in_data.current_time,
                                                                 in_data.time_scale, &now);
    if (err != A_Err_NONE) return err;
    return QueryCamera(pf_interface, in_data, now, sample);
}
