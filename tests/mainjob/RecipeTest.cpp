// The README's expression recipes, worked through on recorded data: what
// they give must be the scene's own camera.
#include <gtest/gtest.h>

#include <cmath>

#include "PressedScene.h"

namespace {

using dorvane_host::RecordedKey;
using simhost::Vec3;

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Mul(const Vec3& v, double s) { return {v.x * s, v.y * s, v.z * s}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// The camera the scene built, as the host evaluates it at a time.
simhost::CameraPose ScenePose(PressedScene& pressed, double seconds) {
    const simhost::Composition& comp = pressed.host.state().project().comp;
    return comp.camera ? comp.camera->PoseAt(seconds) : simhost::Camera::Default(comp.width, comp.height).PoseAt(seconds);
}

class Recipes : public testing::TestWithParam<const char*> {};

// h / (2·tan(fov / 2)): the camera's zoom, from Camera_Fov and the
// composition's height.
TEST_P(Recipes, ZoomFromTheFieldOfViewIsTheCamerasZoom) {
    PressedScene pressed(TestScene(GetParam()));
    const double height = pressed.host.state().project().comp.height;
    for (const RecordedKey& key : pressed.recording.Control(dorvane_host::kFov).keys) {
        const double zoom = height / (2.0 * std::tan(key.value.x / 2.0));
        const double expected = ScenePose(pressed, key.seconds).zoom;
        EXPECT_NEAR(zoom, expected, expected * 1e-12) << "at " << key.seconds << " s";
    }
}

// Camera_Row4 is the camera's position, exactly.
TEST_P(Recipes, RowFourIsTheCamerasPosition) {
    PressedScene pressed(TestScene(GetParam()));
    for (const RecordedKey& key : pressed.recording.Control(dorvane_host::kRow4).keys) {
        const Vec3 position = ScenePose(pressed, key.seconds).position;
        EXPECT_EQ(key.value.x, position.x) << "at " << key.seconds << " s";
        EXPECT_EQ(key.value.y, position.y) << "at " << key.seconds << " s";
        EXPECT_EQ(key.value.z, position.z) << "at " << key.seconds << " s";
    }
}

// A camera without scale: rows 1 to 3 are unit length and at right angles.
TEST_P(Recipes, RowsOneToThreeAreOrthonormal) {
    PressedScene pressed(TestScene(GetParam()));
    const dorvane_host::Recording& recording = pressed.recording;
    for (std::size_t k = 0; k < recording.Frames(); ++k) {
        const Vec3 rows[3] = {recording.Control(dorvane_host::kRow1).keys[k].value,
                              recording.Control(dorvane_host::kRow2).keys[k].value,
                              recording.Control(dorvane_host::kRow3).keys[k].value};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(Dot(rows[i], rows[j]), i == j ? 1.0 : 0.0, 1e-12) << "frame " << k << " rows " << i + 1
                                                                              << ", " << j + 1;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DemoAndExamples, Recipes, EveryTestScene());

// Row4 + d·Row3 is the point d pixels ahead of the camera: for a camera
// aimed at a point of interest, at its distance, that point. (The host's
// stand-in camera, where there is none, is aimed at the centre.)
class AimedRecipes : public Recipes {};

TEST_P(AimedRecipes, APointAheadAlongRowThreeIsThePointOfInterest) {
    PressedScene pressed(TestScene(GetParam()));
    const dorvane_host::Recording& recording = pressed.recording;
    for (std::size_t k = 0; k < recording.Frames(); ++k) {
        const RecordedKey& position = recording.Control(dorvane_host::kRow4).keys[k];
        const simhost::CameraPose pose = ScenePose(pressed, position.seconds);
        const Vec3 to_target = Sub(pose.point_of_interest, pose.position);
        const double distance = std::sqrt(Dot(to_target, to_target));
        const Vec3 ahead = Add(position.value, Mul(recording.Control(dorvane_host::kRow3).keys[k].value, distance));
        EXPECT_NEAR(ahead.x, pose.point_of_interest.x, 1e-9 * distance) << "frame " << k;
        EXPECT_NEAR(ahead.y, pose.point_of_interest.y, 1e-9 * distance) << "frame " << k;
        EXPECT_NEAR(ahead.z, pose.point_of_interest.z, 1e-9 * distance) << "frame " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(CamerasWithAPointOfInterest, AimedRecipes,
                         testing::Values("demo", "orbit-24fps.json", "hour-60fps-no-camera.json"));

}  // namespace
