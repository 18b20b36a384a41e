#include "Host.h"

#include <cstring>
#include <stdexcept>

#include "loading/PropertyListAcceptance.h"
#include "loading/PropertyListChecks.h"
#include "project/DefaultProject.h"
#include "services/ActiveScope.h"
#include "services/Services.h"

namespace simhost {

namespace {

constexpr A_long kHostAppId = ('F' << 24) | ('X' << 16) | ('T' << 8) | 'C';

// The selector's name as the host's interface spells it, for the trace.
std::string CommandName(PF_Cmd cmd) {
    switch (cmd) {
        case PF_Cmd_ABOUT: return "PF_Cmd_ABOUT";
        case PF_Cmd_GLOBAL_SETUP: return "PF_Cmd_GLOBAL_SETUP";
        case PF_Cmd_GLOBAL_SETDOWN: return "PF_Cmd_GLOBAL_SETDOWN";
        case PF_Cmd_PARAMS_SETUP: return "PF_Cmd_PARAMS_SETUP";
        case PF_Cmd_USER_CHANGED_PARAM: return "PF_Cmd_USER_CHANGED_PARAM";
        case PF_Cmd_SMART_PRE_RENDER: return "PF_Cmd_SMART_PRE_RENDER";
        case PF_Cmd_SMART_RENDER: return "PF_Cmd_SMART_RENDER";
        default: return "PF_Cmd " + std::to_string(cmd);
    }
}

}  // namespace

Host::Host(const std::string& plugin_path)
    : properties_(AcceptEffectPropertyList(plugin_path)),
      library_(plugin_path),
      entry_(library_.Find(EffectEntryName(properties_))),
      context_(DefaultProject()) {
    if (entry_ == nullptr) {
        throw std::runtime_error(plugin_path + " exports no " + EffectEntryName(properties_));
    }
    context_.Instance() = DefaultInstance(context_.project());
    SuiteDirectory& suites = context_.suites();
    OfferHandleSuite(suites);
    OfferUtilitySuite(suites);
    OfferPFInterfaceSuite(suites);
    OfferEffectSuite(suites);
    OfferStreamSuite(suites);
    OfferDynamicStreamSuite(suites);
    OfferMemorySuite(suites);
    OfferKeyframeSuite(suites);
    OfferLayerSuite(suites);
    OfferCompSuite(suites);

    basic_suite_ = BasicSuiteTable();
    std::memset(&utils_, 0, sizeof(utils_));
    utils_.ansi = AnsiCallbacksTable();
    FillHandleCallbacks(utils_);
    FillWorldCallbacks(utils_);

    std::memset(&in_, 0, sizeof(in_));
    in_.inter = InteractCallbacksTable();
    in_.utils = &utils_;
    in_.effect_ref = context_.EffectRef();
    in_.quality = PF_Quality_HI;
    in_.version = {PF_PLUG_IN_VERSION, PF_PLUG_IN_SUBVERS};
    in_.appl_id = kHostAppId;
    in_.time_step = 1;
    in_.local_time_step = 1;
    in_.time_scale = 30;
    in_.width = 1920;
    in_.height = 1080;
    in_.downsample_x = {1, 1};
    in_.downsample_y = {1, 1};
    in_.pixel_aspect_ratio = {1, 1};
    in_.pica_basicP = &basic_suite_;

    std::memset(&out_template_, 0, sizeof(out_template_));
    std::memset(&out_, 0, sizeof(out_));
    std::memset(&input_param_, 0, sizeof(input_param_));
    input_param_.param_type = PF_Param_LAYER;
}

Host::~Host() = default;

PF_Err Host::Send(PF_Cmd cmd, void* extra, SmartRenderSession* render_pass) {
    ActiveScope<ServiceContext> scope(&context_);
    PrepareCommand(cmd, render_pass);
    PF_ParamDef* params[3] = {&input_param_, nullptr, nullptr};
    if (!context_.Params().empty()) params[1] = &context_.Params().front().def;
    PF_LayerDef output;
    std::memset(&output, 0, sizeof(output));
    const PF_Err err = entry_(cmd, &in_, &out_, params, &output, extra);
    FinishCommand(cmd, err);
    return err;
}

void Host::RunCommand(const std::function<void(PF_InData*)>& command) {
    ActiveScope<ServiceContext> scope(&context_);
    PrepareCommand(PF_Cmd_USER_CHANGED_PARAM, nullptr);
    command(&in_);
    PrintTrace();
}

void Host::CallEffectRoutine(const std::string& name, const std::function<void()>& routine) {
    ActiveScope<ServiceContext> scope(&context_);
    context_.Begin(name);
    routine();
    PrintTrace();
}

void Host::PrintTraceTo(std::ostream* out) {
    trace_out_ = out;
    if (out != nullptr) context_.trace().SetRecording(true);
}

void Host::PrintTrace() {
    if (trace_out_ != nullptr) context_.trace().Print(*trace_out_);
}

void Host::PrepareCommand(PF_Cmd cmd, SmartRenderSession* render_pass) {
    context_.Begin(CommandName(cmd), render_pass);
    out_ = out_template_;
    // At set-down the effect owns the global block again, to free it.
    if (cmd == PF_Cmd_GLOBAL_SETDOWN && in_.global_data != nullptr) {
        context_.ledger().Hand(Resource::Handle, in_.global_data, context_.tokens().IdOf(in_.global_data).value_or(RefId()),
                               "global block");
    }
}

void Host::FinishCommand(PF_Cmd cmd, PF_Err err) {
    Ledger& ledger = context_.ledger();
    if (cmd == PF_Cmd_GLOBAL_SETUP && err == PF_Err_NONE) {
        const std::vector<std::string> mismatches = GlobalSetupMismatches(properties_, out_);
        warnings_.insert(warnings_.end(), mismatches.begin(), mismatches.end());
    }
    if (cmd == PF_Cmd_GLOBAL_SETUP && err == PF_Err_NONE && out_.global_data != nullptr) {
        if (!context_.handles().Exists(out_.global_data)) {
            ledger.Violation("global set-up returned a handle the host never made");
        } else {
            ledger.Keep(Resource::Handle, out_.global_data);
            in_.global_data = out_.global_data;
        }
    }
    if (cmd == PF_Cmd_GLOBAL_SETDOWN) in_.global_data = nullptr;
    if (cmd == PF_Cmd_PARAMS_SETUP && err == PF_Err_NONE) in_.num_params = out_.num_params;
    context_.Finish(err);
    PrintTrace();
}

}  // namespace simhost
