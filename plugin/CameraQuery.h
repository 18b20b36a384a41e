// Asking the host for the camera through which it sees the effect's layer.
#pragma once

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"

// What the host reports for the camera at one composition time.
struct CameraSample {
    A_Matrix4 matrix;
    A_FpLong dist_to_image_plane;
    A_short width;   // of the image plane
    A_short height;
};

// The camera at a composition time.
A_Err QueryCamera(const AEGP_PFInterfaceSuite1* pf_interface, const PF_InData& in_data,
                  const A_Time& comp_time, CameraSample& sample);

// The camera at the effect's current time, carried into composition time.
A_Err QueryCameraNow(const AEGP_PFInterfaceSuite1* pf_interface, const PF_InData& in_data,
                     CameraSample& sample);
