#include "CameraCapture.h"

CameraValues GetCameraValues(A_short width, A_short height, A_FpLong dist_to_image_plane,
                             const A_Matrix4& matrix, A_FpLong (*arc_tangent)(A_FpLong)) {
    const A_FpLong w = width;
    const A_FpLong h = height;
    CameraValues values{};
    values.fov = 2.0 * arc_tangent(h / (dist_to_image_plane + dist_to_image_plane));
    values.aspect = w / h;
    for (int row = 0; row < 4; ++row) {
        values.rows[row] = {matrix.mat[row][0], matrix.mat[row][1], matrix.mat[row][2]};
    }
    return values;
}
