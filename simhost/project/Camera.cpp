#include "project/Camera.h"

#include <algorithm>
#include <cmath>

namespace simhost {

namespace {

constexpr double kPresetFocalLengthMm = 50.0;
constexpr double kFilmWidthMm = 36.0;

Vec3 Lerp(const Vec3& a, const Vec3& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Normalized(const Vec3& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) return {0.0, 0.0, 1.0};
    return {v.x / length, v.y / length, v.z / length};
}

void SetRow(A_Matrix4& m, int row, const Vec3& v, double w) {
    m.mat[row][0] = v.x;
    m.mat[row][1] = v.y;
    m.mat[row][2] = v.z;
    m.mat[row][3] = w;
}

}  // namespace

double Seconds(const A_Time& time) {
    return time.scale == 0 ? 0.0 : static_cast<double>(time.value) / static_cast<double>(time.scale);
}

Camera Camera::Default(A_long comp_width, A_long comp_height) {
    Camera camera(comp_width, comp_height);
    const double zoom = comp_width * kPresetFocalLengthMm / kFilmWidthMm;
    const Vec3 centre{comp_width / 2.0, comp_height / 2.0, 0.0};
    camera.AddKey(0.0, {{centre.x, centre.y, -zoom}, centre, zoom});
    return camera;
}

void Camera::AddKey(double seconds, CameraPose pose) {
    auto after = std::find_if(keys_.begin(), keys_.end(), [&](const Key& key) { return key.seconds > seconds; });
    keys_.insert(after, {seconds, pose});
}

CameraPose Camera::PoseAt(double seconds) const {
    if (keys_.empty()) return Default(width_, height_).PoseAt(seconds);
    if (seconds <= keys_.front().seconds) return keys_.front().pose;
    if (seconds >= keys_.back().seconds) return keys_.back().pose;
    auto next = std::find_if(keys_.begin(), keys_.end(), [&](const Key& key) { return key.seconds > seconds; });
    const Key& a = *(next - 1);
    const Key& b = *next;
    const double t = (seconds - a.seconds) / (b.seconds - a.seconds);
    return {Lerp(a.pose.position, b.pose.position, t),
            Lerp(a.pose.point_of_interest, b.pose.point_of_interest, t),
            a.pose.zoom + (b.pose.zoom - a.pose.zoom) * t};
}

CameraView Camera::ViewAt(double seconds) const {
    const CameraPose pose = PoseAt(seconds);
    // The composition's y axis points down, so "up" is -y; the camera's own
    // axes are right, down and forward, each a row, with the position below
    // them: a camera-to-world matrix in row-vector form.
    const Vec3 forward = Normalized(Minus(pose.point_of_interest, pose.position));
    const Vec3 right = Normalized(Cross(forward, Vec3{0.0, -1.0, 0.0}));
    const Vec3 down = Cross(forward, right);
    CameraView view{};
    SetRow(view.matrix, 0, right, 0.0);
    SetRow(view.matrix, 1, down, 0.0);
    SetRow(view.matrix, 2, forward, 0.0);
    SetRow(view.matrix, 3, pose.position, 1.0);
    view.dist_to_image_plane = pose.zoom;
    view.image_plane_width = static_cast<A_short>(width_);
    view.image_plane_height = static_cast<A_short>(height_);
    return view;
}

}  // namespace simhost
