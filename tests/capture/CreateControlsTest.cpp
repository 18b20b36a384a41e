#include <gtest/gtest.h>

#include <cmath>

#include "capture/CaptureFixture.h"

namespace {

using simhost::EffectInstance;

// The sample times of the demo layer: 300 frames at 29.97 fps from 0.
std::vector<A_Time> DemoSampleTimes() {
    std::vector<A_Time> times;
    for (A_long k = 0; k < 300; ++k) times.push_back({k * 1001, 30000});
    return times;
}

double Seconds(const A_Time& time) { return static_cast<double>(time.value) / time.scale; }

// Checks every control against the host's own camera at every sample.
void ExpectRecordedCamera(CaptureHost& capture, double aspect_at_seconds) {
    const simhost::Layer& layer = capture.TheLayer();
    ASSERT_EQ(layer.effects.size(), 7u);
    for (size_t i = 0; i < std::size(kControls); ++i) {
        const EffectInstance& effect = layer.effects[i + 1];
        SCOPED_TRACE(kControls[i].name);
        EXPECT_EQ(effect.key, capture.KeyOf(kControls[i].kind));
        EXPECT_EQ(effect.name, U16(kControls[i].name));
        EXPECT_EQ(effect.flags & AEGP_EffectFlags_ACTIVE, 0);
    }
    const std::vector<A_Time> times = DemoSampleTimes();
    const EffectInstance& fov = layer.effects[1];
    ASSERT_EQ(fov.params[1].keyframes.size(), times.size());
    for (size_t k = 0; k < times.size(); ++k) {
        const simhost::CameraView view = capture.host.state().project().CameraAt(Seconds(times[k]));
        const double expected_fov = 2.0 * std::atan(view.image_plane_height /
                                                    (view.dist_to_image_plane + view.dist_to_image_plane));
        ASSERT_EQ(fov.params[1].keyframes[k].layer_seconds, Seconds(times[k])) << k;
        ASSERT_EQ(fov.params[1].keyframes[k].value.one_d, expected_fov) << k;
        for (int row = 0; row < 4; ++row) {
            const simhost::Keyframe& key = layer.effects[3 + row].params[1].keyframes.at(k);
            ASSERT_EQ(key.layer_seconds, Seconds(times[k]));
            ASSERT_EQ(key.value.three_d.x, view.matrix.mat[row][0]) << k << " row " << row;
            ASSERT_EQ(key.value.three_d.y, view.matrix.mat[row][1]) << k << " row " << row;
            ASSERT_EQ(key.value.three_d.z, view.matrix.mat[row][2]) << k << " row " << row;
        }
    }
    const EffectInstance& aspect = layer.effects[2];
    const simhost::CameraView now = capture.host.state().project().CameraAt(aspect_at_seconds);
    EXPECT_TRUE(aspect.params[1].keyframes.empty());
    EXPECT_EQ(aspect.params[1].value.one_d,
              static_cast<double>(now.image_plane_width) / now.image_plane_height);
}

TEST(CreateControls, FreshLayerGetsSixRecordedControlsAsOneUndoStep) {
    CaptureHost capture;
    const std::string before = capture.Dump();
    ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
    EXPECT_NE(capture.host.OutData().out_flags & PF_OutFlag_FORCE_RERENDER, 0);
    ExpectRecordedCamera(capture, 0.0);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 301u);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_AddKeyframes"), 5u * 300u);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_EndAddKeyframes"), 5u);
    EXPECT_TRUE(NothingHeld(capture.host));

    ASSERT_EQ(capture.host.state().undo().Steps().size(), 1u);
    EXPECT_EQ(capture.host.Undo(), std::optional<std::string>(kUndoLabel));
    EXPECT_EQ(capture.Dump(), before);
}

TEST(CreateControls, SecondPressReusesTheControls) {
    CaptureHost capture;
    ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
    // The camera changes and time moves on before the second press.
    capture.host.state().project().comp.camera->AddKey(5.0, {{200.0, 100.0, -900.0}, {960.0, 540.0, 0.0}, 1200.0});
    capture.host.InData().current_time = 150150;
    capture.host.InData().time_scale = 30000;
    const std::string after_first = capture.Dump();
    ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
    ExpectRecordedCamera(capture, 5.005);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_ApplyEffect"), 0u);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_DeleteKeyframe"), 5u * 300u);
    EXPECT_TRUE(NothingHeld(capture.host));
    EXPECT_EQ(capture.host.Undo(), std::optional<std::string>(kUndoLabel));
    EXPECT_EQ(capture.Dump(), after_first);
}

TEST(CreateControls, ClaimsOnlyExactKindAndNameFirstInstanceWins) {
    CaptureHost capture;
    EffectInstance& blur = capture.AddEffect("ADBE Gaussian Blur 2", U16(kControls[kFovControl].name));
    blur.params[1].value.one_d = 12.0;
    capture.AddEffect(kSliderMatchName, u"camera_fov");                         // case differs
    capture.AddEffect(kSliderMatchName, u"Camera_Fo");                          // a prefix
    capture.AddEffect(kPoint3DMatchName, U16(kControls[kAspectControl].name));  // wrong kind
    capture.AddEffect(kSliderMatchName, u"Camera_Fo\u0176");                    // low byte reads 'v'
    EffectInstance& first = capture.AddEffect(kSliderMatchName, U16(kControls[kRow1Control].name));  // wrong kind
    static_cast<void>(first);
    const int claimed_fov = capture.AddEffect(kSliderMatchName, U16(kControls[kFovControl].name)).uid;
    EffectInstance& second_fov = capture.AddEffect(kSliderMatchName, U16(kControls[kFovControl].name));
    second_fov.params[1].value.one_d = 42.0;
    const int second_fov_uid = second_fov.uid;
    const int claimed_row2 = capture.AddEffect(kPoint3DMatchName, U16(kControls[kRow2Control].name)).uid;
    const std::vector<EffectInstance> others_before(capture.TheLayer().effects.begin(),
                                                    capture.TheLayer().effects.end());

    ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
    EXPECT_TRUE(NothingHeld(capture.host));

    const auto fovs = capture.Find(kSliderMatchName, kControls[kFovControl].name);
    ASSERT_EQ(fovs.size(), 2u);
    EXPECT_EQ(fovs[0]->uid, claimed_fov);
    EXPECT_EQ(fovs[0]->params[1].keyframes.size(), 300u);
    EXPECT_EQ(fovs[1]->uid, second_fov_uid);  // the later duplicate is left alone
    EXPECT_TRUE(fovs[1]->params[1].keyframes.empty());
    EXPECT_EQ(fovs[1]->params[1].value.one_d, 42.0);
    EXPECT_EQ(fovs[1]->flags & AEGP_EffectFlags_ACTIVE, AEGP_EffectFlags_ACTIVE);
    ASSERT_EQ(capture.Find(kPoint3DMatchName, kControls[kRow2Control].name).size(), 1u);
    EXPECT_EQ(capture.Find(kPoint3DMatchName, kControls[kRow2Control].name)[0]->uid, claimed_row2);
    // Created: Aspect (the 3D point of that name does not count), Row1, Row3 and Row4.
    const std::vector<EffectInstance>& effects = capture.TheLayer().effects;
    ASSERT_EQ(effects.size(), others_before.size() + 4);
    const ControlSlot created[] = {kAspectControl, kRow1Control, kRow3Control, kRow4Control};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(effects[others_before.size() + i].name, U16(kControls[created[i]].name));
    }
    // Everything that was not claimed is exactly as it was.
    for (const EffectInstance& old : others_before) {
        if (old.uid == claimed_fov || old.uid == claimed_row2) continue;
        const auto same = std::find_if(effects.begin(), effects.end(),
                                       [&](const EffectInstance& e) { return e.uid == old.uid; });
        ASSERT_NE(same, effects.end());
        EXPECT_EQ(same->name, old.name);
        EXPECT_EQ(same->flags, old.flags);
        EXPECT_EQ(same->params[1].value.one_d, old.params[1].value.one_d);
        EXPECT_EQ(same->params[1].keyframes.size(), old.params[1].keyframes.size());
    }
}

TEST(CreateControls, OtherParameterChangesTouchNothing) {
    CaptureHost capture;
    const std::string before = capture.Dump();
    EXPECT_EQ(capture.host.UserChangedParam(0), PF_Err_NONE);
    EXPECT_EQ(capture.host.UserChangedParam(2), PF_Err_NONE);
    EXPECT_NE(capture.host.OutData().out_flags & PF_OutFlag_FORCE_RERENDER, 0);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_StartUndoGroup"), 0u);
    EXPECT_TRUE(capture.host.state().undo().Steps().empty());
    EXPECT_EQ(capture.Dump(), before);
    EXPECT_TRUE(NothingHeld(capture.host));
}

TEST(CreateControls, HostWithoutPoint3DControl) {
    CaptureHost capture;
    auto& installed = capture.host.state().project().installed;
    installed.erase(std::remove_if(installed.begin(), installed.end(),
                                   [](const simhost::InstalledEffect& e) {
                                       return e.match_name == std::string(kPoint3DMatchName);
                                   }),
                    installed.end());
    const std::string before = capture.Dump();
    const PF_Err err = capture.host.UserChangedParam(1);
    EXPECT_NE(err, PF_Err_NONE);
    const simhost::Layer& layer = capture.TheLayer();
    ASSERT_EQ(layer.effects.size(), 3u);
    EXPECT_EQ(layer.effects[1].name, U16(kControls[kFovControl].name));
    EXPECT_EQ(layer.effects[2].name, U16(kControls[kAspectControl].name));
    EXPECT_EQ(layer.effects[1].flags & AEGP_EffectFlags_ACTIVE, AEGP_EffectFlags_ACTIVE);  // not switched off
    EXPECT_TRUE(NothingHeld(capture.host));
    EXPECT_EQ(capture.host.Undo(), std::optional<std::string>(kUndoLabel));
    EXPECT_EQ(capture.Dump(), before);
}

TEST(CreateControls, MissingGlobalBlockTouchesNothing) {
    CaptureHost capture;
    const std::string before = capture.Dump();
    PF_Handle block = capture.host.InData().global_data;
    capture.host.InData().global_data = nullptr;
    EXPECT_EQ(capture.host.UserChangedParam(1), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(capture.host.state().trace().Size(), 0u);
    EXPECT_EQ(capture.Dump(), before);
    capture.host.InData().global_data = block;
}

TEST(CreateControls, ZeroFrameDurationIsRefusedNotLooped) {
    CaptureHost capture;
    capture.host.state().project().comp.frame_duration = {0, 30000};
    const std::string before = capture.Dump();
    const size_t steps_before = capture.host.state().undo().Steps().size();
    EXPECT_EQ(capture.host.UserChangedParam(1), PF_Err_INTERNAL_STRUCT_DAMAGED);
    ExpectNothingRecorded(capture, before, steps_before);
}

TEST(CreateControls, ZeroDurationCommitsEmptyBatchesAndStillWritesAspect) {
    CaptureHost capture;
    capture.TheLayer().duration = {0, 30000};
    ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 1u);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_EndAddKeyframes"), 5u);
    EXPECT_DOUBLE_EQ(capture.TheLayer().effects[2].params[1].value.one_d, 1920.0 / 1080.0);
    for (size_t i = 1; i < 7; ++i) EXPECT_TRUE(capture.TheLayer().effects[i].params[1].keyframes.empty());
    EXPECT_TRUE(NothingHeld(capture.host));
}

}  // namespace
