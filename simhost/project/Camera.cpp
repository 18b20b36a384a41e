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

Vec3 Plus(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vec3 Scaled(const Vec3& v, double s) { return {v.x * s, v.y * s, v.z * s}; }

// Turns the pair of axes (a, b) by `degrees` within their plane, a toward b.
void Turn(Vec3& a, Vec3& b, double degrees) {
    if (degrees == 0.0) return;  // exact: keeps signed zeros as they are
    const double radians = degrees * (kPi / 180.0);
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const Vec3 turned_a = Plus(Scaled(a, c), Scaled(b, s));
    b = Minus(Scaled(b, c), Scaled(a, s));
    a = turned_a;
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
    auto after = std::upper_bound(keys_.begin(), keys_.end(), seconds,
                                  [](double at, const Key& key) { return at < key.seconds; });
    keys_.insert(after, {seconds, pose});
}

CameraPose Camera::PoseAt(double seconds) const {
    if (keys_.empty()) return Default(width_, height_).PoseAt(seconds);
    if (seconds <= keys_.front().seconds) return keys_.front().pose;
    if (seconds >= keys_.back().seconds) return keys_.back().pose;
    // A camera may carry a key per frame (an orbit): search, do not walk.
    auto next = std::upper_bound(keys_.begin(), keys_.end(), seconds,
                                 [](double at, const Key& key) { return at < key.seconds; });
    const Key& a = *(next - 1);
    const Key& b = *next;
    const double t = (seconds - a.seconds) / (b.seconds - a.seconds);
    return {Lerp(a.pose.position, b.pose.position, t),
            Lerp(a.pose.point_of_interest, b.pose.point_of_interest, t),
            a.pose.zoom + (b.pose.zoom - a.pose.zoom) * t,
            Lerp(a.pose.orientation, b.pose.orientation, t)};
}

CameraView Camera::ViewAt(double seconds) const {
    const CameraPose pose = PoseAt(seconds);
    // The composition's y axis points down, so "up" is -y; the camera's own
    // axes are right, down and forward, each a row, with the position below
    // them: a camera-to-world matrix in row-vector form.
    Vec3 right{1.0, 0.0, 0.0};
    Vec3 down{0.0, 1.0, 0.0};
    Vec3 forward{0.0, 0.0, 1.0};
    if (aims_at_point_of_interest_) {
        forward = Normalized(Minus(pose.point_of_interest, pose.position));
        right = Normalized(Cross(forward, Vec3{0.0, -1.0, 0.0}));
        down = Cross(forward, right);
    }
    // Positive x turns the view down, positive y to the right, positive z
    // rolls the image clockwise.
    Turn(forward, down, pose.orientation.x);
    Turn(forward, right, pose.orientation.y);
    Turn(right, down, pose.orientation.z);
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
