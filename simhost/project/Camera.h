// The composition camera: keyed poses evaluated at any composition time, as
// the host reports them to an effect.
#pragma once

#include <vector>

#include "A.h"

namespace simhost {

constexpr double kPi = 3.14159265358979323846;

struct Vec3 {
    double x, y, z;
};

struct CameraPose {
    Vec3 position;
    Vec3 point_of_interest;
    double zoom;  // distance to the image plane, in pixels
    // Degrees about the camera's own x, then y, then z axis, applied after
    // it is aimed (at the point of interest, or along +z when it is not).
    Vec3 orientation{0.0, 0.0, 0.0};
};

// What the host answers to an effect's camera-matrix query.
struct CameraView {
    A_Matrix4 matrix;
    double dist_to_image_plane;
    A_short image_plane_width;
    A_short image_plane_height;
};

class Camera {
public:
    // The host's stand-in when a composition has no camera: a 50 mm preset
    // (36 mm film width) looking at the composition's centre.
    static Camera Default(A_long comp_width, A_long comp_height);

    Camera(A_long comp_width, A_long comp_height) : width_(comp_width), height_(comp_height) {}

    // Poses at composition times in seconds; between keys the pose moves
    // linearly, before the first and after the last it holds.
    void AddKey(double seconds, CameraPose pose);
    CameraPose PoseAt(double seconds) const;
    CameraView ViewAt(double seconds) const;
    size_t KeyCount() const { return keys_.size(); }
    // A camera that ignores its point of interest looks along +z, turned
    // only by its orientation.
    void AimAtPointOfInterest(bool aim) { aims_at_point_of_interest_ = aim; }

private:
    struct Key {
        double seconds;
        CameraPose pose;
    };
    A_long width_;
    A_long height_;
    bool aims_at_point_of_interest_ = true;
    std::vector<Key> keys_;
};

double Seconds(const A_Time& time);

}  // namespace simhost
