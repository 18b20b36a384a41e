// One frame of the two-pass smart-render protocol as the host runs it:
// pre-render with an output request, render with the pre-render data, and
// the deletion of that data when the host is done with the frame. It sends
// the commands through the host and serves the passes' callbacks as the
// services serve theirs, so it stands beside the host, above both.
#pragma once

#include <optional>
#include <vector>

#include "AE_EffectSmartRender.h"
#include "Host.h"
#include "render/PixelWorld.h"

namespace simhost {

// A checkout of a layer the effect made during pre-render.
struct LayerCheckout {
    PF_ParamIndex index;
    A_long checkout_id;
    PF_RenderRequest request;
    A_long what_time;
    A_long time_step;
    A_u_long time_scale;
};

class SmartRenderSession {
public:
    // Renders `input` (the effect's input layer) into `output`; both stay
    // registered with the host for the session's life.
    SmartRenderSession(Host& host, PixelWorld& input, PixelWorld& output);
    // Deletes pre-render data still pending, as the host does when it drops
    // a frame.
    ~SmartRenderSession();
    SmartRenderSession(const SmartRenderSession&) = delete;
    SmartRenderSession& operator=(const SmartRenderSession&) = delete;

    // The records of the next pre-render; a test may alter them first. The
    // request asks for the whole output world.
    PF_PreRenderInput& PreRenderInput() { return pre_input_; }
    PF_PreRenderOutput& PreRenderOutputTemplate() { return pre_output_template_; }
    // The pre-render output as the effect left it.
    const PF_PreRenderOutput& PreRenderOutput() const { return pre_output_; }
    // The render's input, filled from the pre-render; a test may alter it
    // between the passes.
    PF_SmartRenderInput& RenderInput() { return render_input_; }
    // The layer checkouts of the last pre-render.
    const std::vector<LayerCheckout>& Checkouts() const { return checkouts_; }

    // What a layer checkout reports; by default the request clipped to the
    // layer, and the whole layer at most.
    void AnswerCheckout(PF_LRect result_rect, PF_LRect max_result_rect);
    // The pixel checkouts succeed without handing back a world.
    void WithholdInputWorld() { withhold_input_ = true; }
    void WithholdOutputWorld() { withhold_output_ = true; }

    PF_Err PreRender();
    PF_Err Render();
    // The host is done with the frame: it calls the effect's deletion
    // function on the pre-render data. Data without one stays in the ledger,
    // since nobody can free it any more.
    void ReleasePreRenderData();
    // Pre-render, render when pre-render succeeded, then release; the first
    // error.
    PF_Err RenderFrame();

private:
    static PF_Err CheckoutLayer(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id,
                                const PF_RenderRequest* req, A_long what_time, A_long time_step,
                                A_u_long time_scale, PF_CheckoutResult* checkout_result);
    static PF_Err CheckoutLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id, PF_EffectWorld** pixels);
    static PF_Err CheckinLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id);
    static PF_Err CheckoutOutput(PF_ProgPtr effect_ref, PF_EffectWorld** output);
    bool WasCheckedOut(A_long checkout_id) const;

    Host& host_;
    PixelWorld& input_;
    PixelWorld& output_;
    PF_PreRenderInput pre_input_;
    PF_PreRenderOutput pre_output_template_;
    PF_PreRenderOutput pre_output_;
    PF_PreRenderCallbacks pre_callbacks_;
    PF_SmartRenderInput render_input_;
    PF_SmartRenderCallbacks render_callbacks_;
    std::vector<LayerCheckout> checkouts_;
    std::optional<PF_CheckoutResult> answer_;
    bool withhold_input_ = false;
    bool withhold_output_ = false;
    void* pending_data_ = nullptr;
    PF_DeletePreRenderDataFunc pending_delete_ = nullptr;
};

}  // namespace simhost
