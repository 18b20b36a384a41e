// What the host's services work with: the project, the references and
// handles handed out, the bookkeeping, and the command under way. The host
// owns one and makes it current for each command; a service reaches it
// through the serving helpers (services/Serve.h), never through the host.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "bookkeeping/Faults.h"
#include "bookkeeping/Ledger.h"
#include "bookkeeping/Trace.h"
#include "project/Project.h"
#include "render/WorldRegistry.h"
#include "services/ActiveScope.h"
#include "services/Operations.h"
#include "services/SuiteDirectory.h"
#include "state/HandleStore.h"
#include "state/KeyframeBatches.h"
#include "state/References.h"
#include "state/TokenStore.h"
#include "state/UndoHistory.h"

namespace simhost {

class SmartRenderSession;

// A parameter the effect added during parameter set-up, with its texts
// copied out of the effect's memory.
struct AddedParam {
    PF_ParamIndex index;
    PF_ParamDef def;
    std::string name;
    std::string label;
};

class ServiceContext {
public:
    // The context of `project`; where the effect under test sits in it is
    // Instance(), for the host to set.
    explicit ServiceContext(Project project);
    ServiceContext(const ServiceContext&) = delete;
    ServiceContext& operator=(const ServiceContext&) = delete;

    // The context of the command under way. A callback outside any command
    // has no host to answer it, and unwinding through the effect is not an
    // option: the process ends with a message.
    static ServiceContext& Active() {
        ServiceContext* active = ActiveScope<ServiceContext>::Current();
        if (active == nullptr) NoCommandUnderWay();
        return *active;
    }

    Ledger& ledger() { return ledger_; }
    Faults& faults() { return faults_; }
    Trace& trace() { return trace_; }
    const Trace& trace() const { return trace_; }
    TokenStore& tokens() { return tokens_; }
    const TokenStore& tokens() const { return tokens_; }
    References& references() { return references_; }
    // PF handles, and the AEGP memory suite's handles.
    HandleStore& handles() { return handles_; }
    HandleStore& memory() { return memory_; }
    KeyframeBatches& batches() { return batches_; }
    UndoHistory& undo() { return undo_; }
    WorldRegistry& worlds() { return worlds_; }
    SuiteDirectory& suites() { return suites_; }
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    // Where the effect under test sits.
    EffectLocation& Instance() { return instance_; }

    // The host's own references, stable for its life and never disposed
    // of by the effect: a layer, the composition, the effect instance.
    AEGP_LayerH LayerHandle(int layer_id);
    // Null (and a violation) for a handle the host never gave out.
    Layer* LayerFromHandle(AEGP_LayerH layer);
    AEGP_CompH CompHandle() const { return reinterpret_cast<AEGP_CompH>(comp_); }
    bool IsCompHandle(AEGP_CompH comp) const { return comp == CompHandle(); }
    PF_ProgPtr EffectRef() const { return reinterpret_cast<PF_ProgPtr>(effect_ref_); }
    // False (and a violation) for an effect this host sends no commands to.
    bool KnowsEffect(PF_ProgPtr effect_ref);

    AEGP_PluginID Register(const char* name);
    AEGP_PluginID LastPluginId() const { return next_plugin_id_ - 1; }
    const std::vector<std::string>& Registrations() const { return registrations_; }
    PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, const PF_ParamDef* def);
    const std::vector<AddedParam>& Params() const { return params_; }
    std::vector<AddedParam>& Params() { return params_; }
    // A suite acquisition: the refusal a test armed for it, if any.
    std::optional<Refusal> OnAcquire(std::string_view name, int version);
    // The render pass under way, or null outside one.
    SmartRenderSession* RenderPass() const { return render_pass_; }
    // Told the name of every host call as it is made, for progress reports;
    // an empty function stops it.
    void ObserveCalls(std::function<void(std::string_view op)> observer) { observer_ = std::move(observer); }

    // --- the serving helpers' part

    // Counts and traces a call of `op`; `make_args` builds its trace
    // arguments, only when the trace records. For a call that can fail, the
    // code of a fault armed for it, or 0.
    template <class MakeArgs>
    A_Err Enter(Op op, bool failable, MakeArgs&& make_args) {
        current_op_ = op;
        ++calls_;
        const int op_call = ++op_calls_[static_cast<std::size_t>(op)];
        if (observer_) observer_(OpName(op));
        if (trace_.Recording()) {
            trace_.Record(OpName(op), make_args(), failable);
        } else {
            trace_.Tally();
        }
        if (!failable || !faults_.CallsArmed()) return A_Err_NONE;
        return faults_.OnCall(OpName(op), calls_, op_call).value_or(A_Err_NONE);
    }
    // A slip of the effect's in the call under way, named after its operation.
    void Misuse(const std::string& what);
    // What a pointer the effect passed is known as: a reference's name, null,
    // or unknown.
    TraceArg NameOf(const void* reference) const;
    TraceArg NameOf(const AEGP_StreamValue2* record) const;
    TraceArg NameOf(const PF_EffectWorld* world) const;

    // --- the host's part

    // A command, or a routine of the effect's the host calls, begins: the
    // trace and the call counts start afresh.
    void Begin(std::string label, SmartRenderSession* render_pass = nullptr);
    void Finish(long result) { trace_.Finish(result); }

private:
    [[noreturn]] static void NoCommandUnderWay();

    Ledger ledger_;
    Faults faults_;
    Trace trace_;
    TokenStore tokens_;
    References references_{ledger_, tokens_};
    HandleStore handles_{tokens_, ledger_, HandleStore::kPFHandles};
    HandleStore memory_{tokens_, ledger_, HandleStore::kMemHandles};
    KeyframeBatches batches_{tokens_, ledger_};
    UndoHistory undo_;
    WorldRegistry worlds_{tokens_};
    SuiteDirectory suites_;
    Project project_;
    EffectLocation instance_{0, 0};
    std::map<int, void**> layer_tokens_;
    void** comp_;
    void** effect_ref_;

    AEGP_PluginID next_plugin_id_ = 1;
    std::vector<std::string> registrations_;
    std::vector<AddedParam> params_;

    int calls_ = 0;
    int acquisitions_ = 0;
    std::array<int, kOperationCount> op_calls_{};
    Op current_op_ = Op::AcquireSuite;
    SmartRenderSession* render_pass_ = nullptr;
    std::function<void(std::string_view op)> observer_;
};

}  // namespace simhost
