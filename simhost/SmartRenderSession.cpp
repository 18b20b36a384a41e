#include "SmartRenderSession.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "services/Serve.h"

namespace simhost {

namespace {

PF_LRect Intersection(const PF_LRect& a, const PF_LRect& b) {
    PF_LRect both = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
    if (both.left >= both.right || both.top >= both.bottom) both = {0, 0, 0, 0};
    return both;
}

// The session whose pass is running: outside one, the render callbacks
// have nobody to answer.
SmartRenderSession* SessionOrViolation(ServiceContext& host) {
    SmartRenderSession* session = host.RenderPass();
    if (session == nullptr) host.ledger().Violation("a render callback came outside a render pass");
    return session;
}

}  // namespace

SmartRenderSession::SmartRenderSession(Host& host, PixelWorld& input, PixelWorld& output)
    : host_(host), input_(input), output_(output) {
    std::memset(&pre_input_, 0, sizeof(pre_input_));
    pre_input_.output_request.rect = output.Bounds();
    pre_input_.output_request.field = PF_Field_FRAME;
    pre_input_.output_request.channel_mask = PF_ChannelMask_ARGB;
    pre_input_.bitdepth = BitsPerChannel(output.Depth());
    std::memset(&pre_output_template_, 0, sizeof(pre_output_template_));
    std::memset(&pre_output_, 0, sizeof(pre_output_));
    std::memset(&render_input_, 0, sizeof(render_input_));
    pre_callbacks_ = {CheckoutLayer, nullptr};
    render_callbacks_ = {CheckoutLayerPixels, CheckinLayerPixels, CheckoutOutput};
    host_.state().worlds().Add(input_);
    host_.state().worlds().Add(output_);
}

SmartRenderSession::~SmartRenderSession() {
    ReleasePreRenderData();
    host_.state().worlds().Remove(input_);
    host_.state().worlds().Remove(output_);
}

void SmartRenderSession::AnswerCheckout(PF_LRect result_rect, PF_LRect max_result_rect) {
    PF_CheckoutResult answer;
    std::memset(&answer, 0, sizeof(answer));
    answer.result_rect = result_rect;
    answer.max_result_rect = max_result_rect;
    answer.par = {1, 1};
    answer.ref_width = input_.Width();
    answer.ref_height = input_.Height();
    answer_ = answer;
}

PF_Err SmartRenderSession::PreRender() {
    ReleasePreRenderData();
    checkouts_.clear();
    pre_output_ = pre_output_template_;
    PF_PreRenderExtra extra = {&pre_input_, &pre_output_, &pre_callbacks_};
    const PF_Err err = host_.Send(PF_Cmd_SMART_PRE_RENDER, &extra, this);
    if (pre_output_.pre_render_data != nullptr) {
        pending_data_ = pre_output_.pre_render_data;
        pending_delete_ = pre_output_.delete_pre_render_data_func;
        host_.state().ledger().Hand(Resource::PreRenderData, pending_data_, "from pre-render");
    }
    render_input_.output_request = pre_input_.output_request;
    render_input_.bitdepth = pre_input_.bitdepth;
    render_input_.pre_render_data = pre_output_.pre_render_data;
    return err;
}

PF_Err SmartRenderSession::Render() {
    PF_SmartRenderExtra extra = {&render_input_, &render_callbacks_};
    const PF_Err err = host_.Send(PF_Cmd_SMART_RENDER, &extra, this);
    // The host checks in whatever pixels the render left checked out.
    while (host_.state().ledger().Holds(Resource::LayerPixels, input_.World())) {
        host_.state().ledger().Keep(Resource::LayerPixels, input_.World());
    }
    return err;
}

void SmartRenderSession::ReleasePreRenderData() {
    void* data = pending_data_;
    const PF_DeletePreRenderDataFunc delete_data = pending_delete_;
    pending_data_ = nullptr;
    pending_delete_ = nullptr;
    if (data == nullptr || delete_data == nullptr) return;
    host_.CallEffectRoutine("delete_pre_render_data", [&] { delete_data(data); });
    host_.state().ledger().Take(Resource::PreRenderData, data);
}

PF_Err SmartRenderSession::RenderFrame() {
    PF_Err err = PreRender();
    if (err == PF_Err_NONE) err = Render();
    ReleasePreRenderData();
    return err;
}

bool SmartRenderSession::WasCheckedOut(A_long checkout_id) const {
    return std::any_of(checkouts_.begin(), checkouts_.end(),
                       [&](const LayerCheckout& checkout) { return checkout.checkout_id == checkout_id; });
}

PF_Err SmartRenderSession::CheckoutLayer(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long checkout_id,
                                         const PF_RenderRequest* req, A_long what_time, A_long time_step,
                                         A_u_long time_scale, PF_CheckoutResult* checkout_result) {
    return Serve(Op::checkout_layer,
                 Args(effect_ref, index, checkout_id, A_Time{what_time, time_scale}, A_Time{time_step, time_scale}),
                 [&](ServiceContext& host) -> A_Err {
        SmartRenderSession* session = SessionOrViolation(host);
        if (session == nullptr || !host.KnowsEffect(effect_ref) || req == nullptr || checkout_result == nullptr) {
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        // The effect's only layer parameter is its input.
        if (index != 0) return PF_Err_INVALID_INDEX;
        session->checkouts_.push_back({index, checkout_id, *req, what_time, time_step, time_scale});
        if (session->answer_) {
            *checkout_result = *session->answer_;
        } else {
            std::memset(checkout_result, 0, sizeof(*checkout_result));
            checkout_result->result_rect = Intersection(req->rect, session->input_.Bounds());
            checkout_result->max_result_rect = session->input_.Bounds();
            checkout_result->par = {1, 1};
            checkout_result->ref_width = session->input_.Width();
            checkout_result->ref_height = session->input_.Height();
        }
        return PF_Err_NONE;
    });
}

PF_Err SmartRenderSession::CheckoutLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id, PF_EffectWorld** pixels) {
    return Serve(Op::checkout_layer_pixels, Args(effect_ref, checkout_id), [&](ServiceContext& host) -> A_Err {
        SmartRenderSession* session = SessionOrViolation(host);
        if (session == nullptr || !host.KnowsEffect(effect_ref) || pixels == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
        if (!session->WasCheckedOut(checkout_id)) {
            host.ledger().Violation("asked for the pixels of checkout " + std::to_string(checkout_id) +
                                    ", which pre-render never made");
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        if (session->withhold_input_) {
            *pixels = nullptr;
            return PF_Err_NONE;
        }
        *pixels = session->input_.World();
        host.ledger().Hand(Resource::LayerPixels, *pixels, "of checkout " + std::to_string(checkout_id));
        return PF_Err_NONE;
    });
}

PF_Err SmartRenderSession::CheckinLayerPixels(PF_ProgPtr effect_ref, A_long checkout_id) {
    return Serve(Op::checkin_layer_pixels, Args(effect_ref, checkout_id), [&](ServiceContext& host) -> A_Err {
        SmartRenderSession* session = SessionOrViolation(host);
        if (session == nullptr || !host.KnowsEffect(effect_ref)) return PF_Err_BAD_CALLBACK_PARAM;
        if (!host.ledger().Take(Resource::LayerPixels, session->input_.World())) return PF_Err_BAD_CALLBACK_PARAM;
        return PF_Err_NONE;
    });
}

PF_Err SmartRenderSession::CheckoutOutput(PF_ProgPtr effect_ref, PF_EffectWorld** output) {
    return Serve(Op::checkout_output, Args(effect_ref), [&](ServiceContext& host) -> A_Err {
        SmartRenderSession* session = SessionOrViolation(host);
        if (session == nullptr || !host.KnowsEffect(effect_ref) || output == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
        *output = session->withhold_output_ ? nullptr : session->output_.World();
        return PF_Err_NONE;
    });
}

}  // namespace simhost
