// Recording the camera through which the host sees the effect's layer into
// six expression controls.
#pragma once

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "ControlTable.h"
#include "SampleTimes.h"
#include "Util/AEGP_SuiteHandler.h"

struct CameraValues {
    A_FpLong fov;     // full vertical angle of view, radians
    A_FpLong aspect;  // image width over height
    AEGP_ThreeDVal rows[4];
};

CameraValues GetCameraValues(A_short width, A_short height, A_FpLong dist_to_image_plane,
                             const A_Matrix4& matrix, A_FpLong (*arc_tangent)(A_FpLong));

A_Err RecordCamera(AEGP_SuiteHandler& suites, PF_InData* in_data, AEGP_PluginID plugin_id,
                   AEGP_LayerH layer, const AEGP_EffectRefH controls[kControlCount]);
