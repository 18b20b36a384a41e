#include "Host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "project/DefaultProject.h"
#include "loading/PropertyListChecks.h"
#include "services/Services.h"

namespace simhost {

namespace {

thread_local Host* active_host = nullptr;

// Makes a host the one its callbacks reach for the length of a command.
class ActiveScope {
public:
    explicit ActiveScope(Host* host) : previous_(active_host) { active_host = host; }
    ~ActiveScope() { active_host = previous_; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

private:
    Host* previous_;
};

constexpr A_long kHostAppId = ('F' << 24) | ('X' << 16) | ('T' << 8) | 'C';

}  // namespace

Host::Host(const std::string& plugin_path)
    : properties_(AcceptEffectPropertyList(plugin_path)),
      library_(plugin_path),
      entry_(library_.Find(EffectEntryName(properties_))) {
    if (entry_ == nullptr) {
        throw std::runtime_error(plugin_path + " exports no " + EffectEntryName(properties_));
    }
    OfferHandleSuite(suites_);
    OfferUtilitySuite(suites_);
    OfferPFInterfaceSuite(suites_);
    OfferEffectSuite(suites_);
    OfferStreamSuite(suites_);
    OfferDynamicStreamSuite(suites_);
    OfferMemorySuite(suites_);
    OfferKeyframeSuite(suites_);
    OfferLayerSuite(suites_);
    OfferCompSuite(suites_);

    project_ = DefaultProject();
    instance_ = DefaultInstance(project_);

    basic_suite_ = BasicSuiteTable();
    std::memset(&utils_, 0, sizeof(utils_));
    utils_.ansi = AnsiCallbacksTable();
    FillHandleCallbacks(utils_);
    FillWorldCallbacks(utils_);

    std::memset(&in_, 0, sizeof(in_));
    in_.inter = InteractCallbacksTable();
    in_.utils = &utils_;
    in_.effect_ref = reinterpret_cast<PF_ProgPtr>(&effect_token_);
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

Host& Host::Active() {
    if (active_host == nullptr) {
        // A callback outside any command has no host to answer it, and
        // unwinding through the effect is not an option.
        std::fputs("simhost: the effect called the host outside a command\n", stderr);
        std::abort();
    }
    return *active_host;
}

PF_Err Host::Send(PF_Cmd cmd, void* extra) {
    ActiveScope scope(this);
    PrepareCommand(cmd);
    PF_ParamDef* params[3] = {&input_param_, nullptr, nullptr};
    if (!params_.empty()) params[1] = &params_.front().def;
    PF_LayerDef output;
    std::memset(&output, 0, sizeof(output));
    const PF_Err err = entry_(cmd, &in_, &out_, params, &output, extra);
    FinishCommand(cmd, err);
    return err;
}

void Host::RunCommand(const std::function<void(PF_InData*)>& command) {
    ActiveScope scope(this);
    PrepareCommand(PF_Cmd_USER_CHANGED_PARAM);
    command(&in_);
}

void Host::CallEffectRoutine(const std::function<void()>& routine) {
    ActiveScope scope(this);
    StartCounting();
    routine();
}

void Host::StartCounting() {
    trace_.Clear();
    calls_ = 0;
    acquisitions_ = 0;
    op_calls_.clear();
}

void Host::PrepareCommand(PF_Cmd cmd) {
    StartCounting();
    out_ = out_template_;
    // At set-down the effect owns the global block again, to free it.
    if (cmd == PF_Cmd_GLOBAL_SETDOWN && in_.global_data != nullptr) {
        ledger_.Hand(Resource::Handle, in_.global_data, "global block");
    }
}

void Host::FinishCommand(PF_Cmd cmd, PF_Err err) {
    if (cmd == PF_Cmd_GLOBAL_SETUP && err == PF_Err_NONE) {
        const std::vector<std::string> mismatches = GlobalSetupMismatches(properties_, out_);
        warnings_.insert(warnings_.end(), mismatches.begin(), mismatches.end());
    }
    if (cmd == PF_Cmd_GLOBAL_SETUP && err == PF_Err_NONE && out_.global_data != nullptr) {
        if (!handles_.Exists(out_.global_data)) {
            ledger_.Violation("global set-up returned a handle the host never made");
        } else {
            ledger_.Keep(Resource::Handle, out_.global_data);
            in_.global_data = out_.global_data;
        }
    }
    if (cmd == PF_Cmd_GLOBAL_SETDOWN) in_.global_data = nullptr;
    if (cmd == PF_Cmd_PARAMS_SETUP && err == PF_Err_NONE) in_.num_params = out_.num_params;
}

A_Err Host::Enter(const char* op, std::string args) {
    ++calls_;
    const int op_call = ++op_calls_[op];
    trace_.Record(op, std::move(args), true);
    return faults_.OnCall(op, calls_, op_call).value_or(A_Err_NONE);
}

void Host::Note(const char* op, std::string args) {
    ++calls_;
    ++op_calls_[op];
    trace_.Record(op, std::move(args), false);
}

std::optional<Refusal> Host::OnAcquire(const std::string& name, int version) {
    return faults_.OnAcquire(name, version, ++acquisitions_);
}

AEGP_PluginID Host::Register(const char* name) {
    registrations_.emplace_back(name);
    return next_plugin_id_++;
}

AEGP_LayerH Host::LayerHandle(int layer_id) {
    std::unique_ptr<void*>& token = layer_tokens_[layer_id];
    if (!token) token = std::make_unique<void*>(nullptr);
    return reinterpret_cast<AEGP_LayerH>(token.get());
}

Layer* Host::LayerFromHandle(AEGP_LayerH layer) {
    for (const auto& [id, token] : layer_tokens_) {
        if (reinterpret_cast<AEGP_LayerH>(token.get()) == layer) return project_.FindLayer(id);
    }
    ledger_.Violation("a call named a layer the host never handed out");
    return nullptr;
}

bool Host::KnowsEffect(PF_ProgPtr effect_ref) {
    if (effect_ref == in_.effect_ref) return true;
    ledger_.Violation("a callback named an effect the host does not know");
    return false;
}

PF_Err Host::AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, const PF_ParamDef* def) {
    if (!KnowsEffect(effect_ref) || def == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    const char* name_end = std::find(std::begin(def->name), std::end(def->name), '\0');
    AddedParam added{index, *def, std::string(def->name, name_end), ""};
    if (def->param_type == PF_Param_BUTTON && def->u.button_d.u.namesptr != nullptr) {
        added.label = def->u.button_d.u.namesptr;
    }
    // The host keeps its own copy of the label; the effect's pointer is not
    // read after the call.
    added.def.u.button_d.u.namesptr = nullptr;
    params_.push_back(std::move(added));
    return PF_Err_NONE;
}

}  // namespace simhost
