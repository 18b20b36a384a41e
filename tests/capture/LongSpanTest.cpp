// A layer whose span has more frames than a press may record is refused
// before the recording's first camera query, by the failure path of any
// recording: batches ended without keyframes, everything given back, one
// undo step that restores the project.
#include <gtest/gtest.h>

#include "capture/CaptureFixture.h"

namespace {

// The effect's documented limit on samples per press, and its refusal.
constexpr A_long kMaxSamples = 16777216;
constexpr PF_Err kTooManySamples = PF_Err_OUT_OF_MEMORY;

void SetSpan(CaptureHost& capture, const A_Time& in_point, const A_Time& duration,
             const A_Time& frame_duration) {
    capture.TheLayer().in_point = in_point;
    capture.TheLayer().duration = duration;
    capture.host.state().project().comp.frame_duration = frame_duration;
}

TEST(LongSpan, LayerOf68YearsIsRefusedAtOnce) {
    CaptureHost capture;
    SetSpan(capture, {0, 1}, {2147483647, 1}, {1, 1000});
    const std::string before = capture.Dump();
    const size_t steps_before = capture.host.state().undo().Steps().size();
    EXPECT_EQ(capture.host.UserChangedParam(1), kTooManySamples);
    // The aspect's query only: the recording made none.
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 1u);
    ExpectNothingRecorded(capture, before, steps_before);
}

TEST(LongSpan, LimitIsRecordedAndOneSampleMoreIsRefused) {
    CaptureHost capture;
    // Exactly the limit, in milliseconds: the recording starts. Its first
    // camera query is made to fail, which ends the press before it makes
    // the 84 million keyframes of a full recording.
    SetSpan(capture, {0, 1000}, {kMaxSamples, 1000}, {1, 1000});
    std::string before = capture.Dump();
    size_t steps_before = capture.host.state().undo().Steps().size();
    capture.host.state().faults().FailOperation("AEGP_GetEffectCameraMatrix", 2, kInjected);
    EXPECT_EQ(capture.host.UserChangedParam(1), kInjected);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 2u);
    ExpectNothingRecorded(capture, before, steps_before);

    // One sample more is refused before any query of the recording.
    capture.host.state().faults().Clear();
    SetSpan(capture, {0, 1000}, {kMaxSamples + 1, 1000}, {1, 1000});
    before = capture.Dump();
    steps_before = capture.host.state().undo().Steps().size();
    EXPECT_EQ(capture.host.UserChangedParam(1), kTooManySamples);
    EXPECT_EQ(capture.host.state().trace().Count("AEGP_GetEffectCameraMatrix"), 1u);
    ExpectNothingRecorded(capture, before, steps_before);
}

}  // namespace
