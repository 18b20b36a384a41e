#include "services/ServiceContext.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace simhost {

ServiceContext::ServiceContext(Project project)
    : project_(std::move(project)),
      comp_(tokens_.Issue(RefKind::Comp)),
      effect_ref_(tokens_.Issue(RefKind::Instance)) {}

void ServiceContext::NoCommandUnderWay() {
    std::fputs("simhost: the effect called the host outside a command\n", stderr);
    std::abort();
}

AEGP_LayerH ServiceContext::LayerHandle(int layer_id) {
    void**& token = layer_tokens_[layer_id];
    // Named after the project's own number for the layer, which is never
    // given twice.
    if (token == nullptr) token = tokens_.Issue(RefId{RefKind::Layer, static_cast<unsigned>(layer_id)});
    return reinterpret_cast<AEGP_LayerH>(token);
}

Layer* ServiceContext::LayerFromHandle(AEGP_LayerH layer) {
    const std::optional<RefId> id = tokens_.IdOf(layer);
    if (!id || id->kind != RefKind::Layer) {
        ledger_.Violation("a call named a layer the host never handed out");
        return nullptr;
    }
    return project_.FindLayer(static_cast<int>(id->number));
}

bool ServiceContext::KnowsEffect(PF_ProgPtr effect_ref) {
    if (effect_ref == EffectRef()) return true;
    ledger_.Violation("a callback named an effect the host does not know");
    return false;
}

AEGP_PluginID ServiceContext::Register(const char* name) {
    registrations_.emplace_back(name);
    return next_plugin_id_++;
}

PF_Err ServiceContext::AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, const PF_ParamDef* def) {
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

std::optional<Refusal> ServiceContext::OnAcquire(std::string_view name, int version) {
    return faults_.OnAcquire(name, version, ++acquisitions_);
}

void ServiceContext::Misuse(const std::string& what) {
    ledger_.Violation(std::string(OpName(current_op_)) + " " + what);
}

TraceArg ServiceContext::NameOf(const void* reference) const {
    if (reference == nullptr) return TraceArg::Null();
    const std::optional<RefId> id = tokens_.IdOf(reference);
    return id ? TraceArg::Ref(*id) : TraceArg::Unknown();
}

TraceArg ServiceContext::NameOf(const AEGP_StreamValue2* record) const {
    if (record == nullptr) return TraceArg::Null();
    const Holding* held = ledger_.Find(Resource::StreamValue, record);
    return held != nullptr ? TraceArg::Ref(held->id) : TraceArg::Unknown();
}

TraceArg ServiceContext::NameOf(const PF_EffectWorld* world) const {
    if (world == nullptr) return TraceArg::Null();
    const std::optional<RefId> id = worlds_.IdOf(world);
    return id ? TraceArg::Ref(*id) : TraceArg::Unknown();
}

void ServiceContext::Begin(std::string label, SmartRenderSession* render_pass) {
    trace_.Start(std::move(label));
    calls_ = 0;
    acquisitions_ = 0;
    op_calls_.fill(0);
    render_pass_ = render_pass;
}

}  // namespace simhost
