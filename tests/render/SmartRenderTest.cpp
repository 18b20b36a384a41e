#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Host.h"
#include "render/PixelWorld.h"
#include "SmartRenderSession.h"
#include "support/NothingHeld.h"

namespace {

using simhost::Host;
using simhost::PixelDepth;
using simhost::PixelWorld;
using simhost::SmartRenderSession;

constexpr A_long kWidth = 7;
constexpr A_long kHeight = 5;
constexpr A_long kRowPadding = 12;
constexpr A_Err kHostError = 41;
constexpr PF_LRect kLayer = {0, 0, kWidth, kHeight};

bool SameRect(const PF_LRect& a, const PF_LRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A host with an input layer and an output world of one depth, padded rows
// and different contents, and the session that renders between them.
struct Bench {
    explicit Bench(PixelDepth depth = PixelDepth::Eight)
        : host(DORVANE_PLUGIN_PATH),
          input(depth, kWidth, kHeight, kRowPadding),
          output(depth, kWidth, kHeight, kRowPadding),
          session(host, input, output) {
        input.FillPattern(3);
        output.FillPattern(99);
    }
    bool Copied() const { return output.PixelBytes() == input.PixelBytes(); }

    Host host;
    PixelWorld input;
    PixelWorld output;
    SmartRenderSession session;
};

class SmartRender : public ::testing::Test {
protected:
    explicit SmartRender(PixelDepth depth = PixelDepth::Eight)
        : bench(depth), host(bench.host), input(bench.input), output(bench.output), session(bench.session) {}
    bool Copied() const { return bench.Copied(); }

    Bench bench;
    Host& host;
    PixelWorld& input;
    PixelWorld& output;
    SmartRenderSession& session;
};

class SmartRenderDepth : public SmartRender, public ::testing::WithParamInterface<PixelDepth> {
protected:
    SmartRenderDepth() : SmartRender(GetParam()) {}
};

TEST_P(SmartRenderDepth, OutputIsTheInputByteForByte) {
    const std::vector<unsigned char> before = input.PixelBytes();
    ASSERT_EQ(session.RenderFrame(), PF_Err_NONE);
    EXPECT_EQ(output.PixelBytes(), before);
    EXPECT_EQ(input.PixelBytes(), before);
    EXPECT_TRUE(output.PaddingIs(PixelWorld::kPaddingByte)) << "the copy wrote past a row's pixels";
    EXPECT_TRUE(NothingHeld(host));
}

std::string DepthLabel(const ::testing::TestParamInfo<PixelDepth>& param) {
    switch (param.param) {
        case PixelDepth::Eight: return "Eight";
        case PixelDepth::Sixteen: return "Sixteen";
        case PixelDepth::Float: return "Float";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Depths, SmartRenderDepth,
                         ::testing::Values(PixelDepth::Eight, PixelDepth::Sixteen, PixelDepth::Float),
                         DepthLabel);

TEST_F(SmartRender, PreRenderChecksOutTheInputAndReportsItsRectangles) {
    host.InData().current_time = 48;
    host.InData().time_step = 2;
    host.InData().time_scale = 24;
    session.PreRenderInput().output_request.rect = {1, 1, 4, 3};
    session.PreRenderInput().output_request.reserved[2] = 77;
    session.PreRenderOutputTemplate().solid = 1;

    ASSERT_EQ(session.PreRender(), PF_Err_NONE);
    ASSERT_EQ(session.Checkouts().size(), 1u);
    const simhost::LayerCheckout& checkout = session.Checkouts()[0];
    EXPECT_EQ(checkout.index, 0);
    EXPECT_EQ(checkout.checkout_id, 0);
    EXPECT_EQ(checkout.what_time, 48);
    EXPECT_EQ(checkout.time_step, 2);
    EXPECT_EQ(checkout.time_scale, 24u);
    // The request is the host's own, asking to keep colour under zero alpha.
    PF_RenderRequest expected = session.PreRenderInput().output_request;
    expected.preserve_rgb_of_zero_alpha = 1;
    EXPECT_EQ(std::memcmp(&checkout.request, &expected, sizeof(expected)), 0);

    // The output rectangles arrived empty and take the checkout's.
    const PF_PreRenderOutput& out = session.PreRenderOutput();
    EXPECT_TRUE(SameRect(out.result_rect, {1, 1, 4, 3}));
    EXPECT_TRUE(SameRect(out.max_result_rect, kLayer));
    EXPECT_EQ(out.solid, 1);
    ASSERT_NE(out.pre_render_data, nullptr);
    EXPECT_NE(out.delete_pre_render_data_func, nullptr);
    EXPECT_EQ(host.state().handles().Bytes(static_cast<PF_Handle>(out.pre_render_data)).at(0), 0u);

    session.ReleasePreRenderData();
    const std::vector<std::string> deletion = {"host_unlock_handle", "host_dispose_handle"};
    EXPECT_EQ(host.state().trace().Ops(), deletion) << host.state().trace().Describe();
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SmartRender, PreRenderWidensRectanglesTheHostAlreadySet) {
    session.PreRenderOutputTemplate().result_rect = {-4, -4, 2, 2};
    session.AnswerCheckout({0, 0, 5, 5}, {0, 0, 8, 9});
    ASSERT_EQ(session.PreRender(), PF_Err_NONE);
    EXPECT_TRUE(SameRect(session.PreRenderOutput().result_rect, {-4, -4, 5, 5}));
    EXPECT_TRUE(SameRect(session.PreRenderOutput().max_result_rect, {0, 0, 8, 9}));
}

TEST_F(SmartRender, RenderCopiesThenAsksForTheCameraAtTheFrame) {
    host.InData().current_time = 10;
    host.InData().time_scale = 30;
    ASSERT_EQ(session.PreRender(), PF_Err_NONE);
    ASSERT_EQ(session.Render(), PF_Err_NONE);
    const std::vector<std::string> expected = {
        "AcquireSuite", "host_lock_handle", "checkout_layer_pixels", "checkout_output", "copy",
        "AcquireSuite", "AEGP_ConvertEffectToCompTime", "AEGP_GetEffectCameraMatrix",
        "host_unlock_handle", "ReleaseSuite", "ReleaseSuite"};
    EXPECT_EQ(host.state().trace().Ops(), expected) << host.state().trace().Describe();
    const std::vector<simhost::HostCall>& calls = host.state().trace().Calls();
    // A whole-world copy names no rectangles; the camera is asked at the frame.
    ASSERT_EQ(calls[4].args.size(), 5u);
    EXPECT_TRUE(calls[4].args[3].IsNull());
    EXPECT_TRUE(calls[4].args[4].IsNull());
    EXPECT_EQ(calls[6].args.at(1), simhost::TraceArg::Time({10, 30}));
    EXPECT_EQ(calls[7].args.at(1), simhost::TraceArg::Time({10, 30}));
    EXPECT_TRUE(Copied());
    session.ReleasePreRenderData();
    EXPECT_TRUE(NothingHeld(host));
}

TEST(SmartRenderFailure, FailedPreRenderLeavesNothingBehind) {
    struct Case {
        const char* op;
        A_Err code;
        PF_Err result;
        bool checked_out;
    };
    const Case cases[] = {{"host_new_handle", 1, PF_Err_OUT_OF_MEMORY, false},
                          {"host_lock_handle", 1, PF_Err_OUT_OF_MEMORY, false},
                          {"checkout_layer", kHostError, kHostError, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        Bench b;
        b.session.PreRenderOutputTemplate().result_rect = {1, 2, 3, 4};
        b.host.state().faults().FailOperation(c.op, 1, c.code);
        EXPECT_EQ(b.session.RenderFrame(), c.result);
        const PF_PreRenderOutput& out = b.session.PreRenderOutput();
        EXPECT_EQ(out.pre_render_data, nullptr);
        EXPECT_TRUE(SameRect(out.result_rect, {1, 2, 3, 4}));
        EXPECT_TRUE(SameRect(out.max_result_rect, {0, 0, 0, 0}));
        EXPECT_EQ(b.host.state().trace().Count("checkout_layer"), c.checked_out ? 1u : 0u);
        EXPECT_EQ(b.host.state().trace().Count("checkout_layer_pixels"), 0u);
        EXPECT_FALSE(b.Copied());
        EXPECT_TRUE(NothingHeld(b.host));
    }
}

TEST(SmartRenderFailure, FailedRenderReturnsTheFirstErrorAndReleasesAll) {
    struct Case {
        const char* what;
        std::function<void(Bench&)> arrange;
        PF_Err result;
        bool copied;
        const char* last_op;  // the last host call of the render itself
    };
    auto fail = [](const char* op, A_Err code) {
        return [op, code](Bench& b) { b.host.state().faults().FailOperation(op, 1, code); };
    };
    const Case cases[] = {
        {"no pre-render data", [](Bench& b) { b.session.RenderInput().pre_render_data = nullptr; },
         PF_Err_BAD_CALLBACK_PARAM, false, "AcquireSuite"},
        {"pre-render data not lockable", fail("host_lock_handle", 1), PF_Err_BAD_CALLBACK_PARAM, false,
         "host_lock_handle"},
        {"input checkout refused", fail("checkout_layer_pixels", kHostError), kHostError, false,
         "checkout_layer_pixels"},
        {"input granted without a world", [](Bench& b) { b.session.WithholdInputWorld(); },
         PF_Err_INTERNAL_STRUCT_DAMAGED, false, "checkout_layer_pixels"},
        {"output checkout refused", fail("checkout_output", kHostError), kHostError, false, "checkout_output"},
        {"output granted without a world", [](Bench& b) { b.session.WithholdOutputWorld(); },
         PF_Err_INTERNAL_STRUCT_DAMAGED, false, "checkout_output"},
        {"copy failed", fail("copy", kHostError), kHostError, false, "copy"},
        {"comp time failed", fail("AEGP_ConvertEffectToCompTime", kHostError), kHostError, true,
         "AEGP_ConvertEffectToCompTime"},
        {"camera failed", fail("AEGP_GetEffectCameraMatrix", kHostError), kHostError, true,
         "AEGP_GetEffectCameraMatrix"},
        {"PF Interface suite refused",
         [](Bench& b) { b.host.state().faults().RefuseSuite(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1); },
         PF_Err_BAD_CALLBACK_PARAM, true, "AcquireSuite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bench b;
        ASSERT_EQ(b.session.PreRender(), PF_Err_NONE);
        c.arrange(b);
        EXPECT_EQ(b.session.Render(), c.result);
        EXPECT_EQ(b.Copied(), c.copied);
        // Later steps are skipped, and whatever the render locked or
        // acquired is given back on the way out.
        std::vector<std::string> ops = b.host.state().trace().Ops();
        while (!ops.empty() && (ops.back() == "ReleaseSuite" || ops.back() == "host_unlock_handle")) ops.pop_back();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.back(), c.last_op) << b.host.state().trace().Describe();
        EXPECT_EQ(b.host.state().trace().Count("host_unlock_handle"), b.host.state().trace().Count("host_lock_handle") -
                                                                  (c.last_op == std::string("host_lock_handle") ? 1 : 0));
        EXPECT_EQ(b.host.state().trace().Count("ReleaseSuite") + (c.result == PF_Err_BAD_CALLBACK_PARAM && c.copied ? 1 : 0),
                  b.host.state().trace().Count("AcquireSuite"));
        b.session.ReleasePreRenderData();
        EXPECT_TRUE(NothingHeld(b.host));
    }
}

TEST_F(SmartRender, MissingHostRecordsAreRefusedBeforeAnyCall) {
    PF_PreRenderInput pre_input{};
    PF_PreRenderOutput pre_output{};
    PF_SmartRenderInput render_input{};
    PF_PreRenderExtra pre_without_callbacks = {&pre_input, &pre_output, nullptr};
    PF_SmartRenderExtra render_without_callbacks = {&render_input, nullptr};
    struct Case {
        PF_Cmd cmd;
        void* extra;
    };
    const Case cases[] = {{PF_Cmd_SMART_PRE_RENDER, nullptr},
                          {PF_Cmd_SMART_PRE_RENDER, &pre_without_callbacks},
                          {PF_Cmd_SMART_RENDER, nullptr},
                          {PF_Cmd_SMART_RENDER, &render_without_callbacks}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cmd);
        EXPECT_EQ(host.Send(c.cmd, c.extra), PF_Err_INTERNAL_STRUCT_DAMAGED);
        EXPECT_EQ(host.state().trace().Size(), 0u);
    }
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SmartRender, ManyFramesHoldNothingAfterwards) {
    constexpr int kFrames = 200;
    for (int frame = 0; frame < kFrames; ++frame) {
        host.InData().current_time = frame;
        ASSERT_EQ(session.RenderFrame(), PF_Err_NONE) << "frame " << frame;
        ASSERT_TRUE(NothingHeld(host)) << "frame " << frame;
    }
    EXPECT_TRUE(Copied());
    EXPECT_TRUE(NothingHeld(host));
}

}  // namespace
