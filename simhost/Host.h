// The simulated host: loads the effect, builds each command's records the
// way the host does, serves its callbacks and suites, and keeps account of
// everything it hands out.
#pragma once

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "bookkeeping/Faults.h"
#include "state/HandleStore.h"
#include "state/KeyframeBatches.h"
#include "bookkeeping/Ledger.h"
#include "loading/PluginLibrary.h"
#include "loading/PropertyList.h"
#include "state/References.h"
#include "services/SuiteDirectory.h"
#include "bookkeeping/Trace.h"
#include "state/UndoHistory.h"
#include "project/Project.h"
#include "render/WorldRegistry.h"

namespace simhost {

// The code the basic suite returns for a suite it does not offer.
constexpr SPErr kSuiteNotFoundError = 0x53214664;

// A parameter the effect added during parameter set-up, with its texts
// copied out of the effect's memory.
struct AddedParam {
    PF_ParamIndex index;
    PF_ParamDef def;
    std::string name;
    std::string label;
};

class Host {
public:
    // Loads the plug-in library and resolves its entry point; throws
    // std::runtime_error when either fails.
    // Reads the plug-in's property list first, as the host does, and refuses
    // (std::runtime_error) a plug-in that is not an effect or whose listed
    // entry point the library does not export.
    explicit Host(const std::string& plugin_path);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host a callback belongs to: the one whose command is running.
    static Host& Active();

    // Sends one command through the entry point and returns its result.
    PF_Err Send(PF_Cmd cmd, void* extra = nullptr);
    // Calls a routine the effect handed the host outside the entry point
    // (a deletion function, say), with the host answering its callbacks and
    // the trace and call counts started afresh as for a command.
    void CallEffectRoutine(const std::function<void()>& routine);
    PF_Err About() { return Send(PF_Cmd_ABOUT); }
    PF_Err GlobalSetup() { return Send(PF_Cmd_GLOBAL_SETUP); }
    PF_Err GlobalSetdown() { return Send(PF_Cmd_GLOBAL_SETDOWN); }
    PF_Err ParamsSetup() { return Send(PF_Cmd_PARAMS_SETUP); }
    // The user changes parameter `param_index`; for the button, a press.
    PF_Err UserChangedParam(PF_ParamIndex param_index = 1) {
        PF_UserChangedParamExtra extra{param_index};
        return Send(PF_Cmd_USER_CHANGED_PARAM, &extra);
    }
    // Runs `command` as the body of a command the host sent, for in-process
    // tests of the effect's routines: the host is active, the trace starts
    // afresh and the callable receives the command's PF_InData.
    void RunCommand(const std::function<void(PF_InData*)>& command);

    // The record every command receives; a test may alter it beforehand.
    PF_InData& InData() { return in_; }
    // The output record as the host fills it before each command.
    PF_OutData& OutTemplate() { return out_template_; }
    // The output record as the effect left it after the last command.
    const PF_OutData& OutData() const { return out_; }

    Ledger& ledger() { return ledger_; }
    Faults& faults() { return faults_; }
    const Trace& trace() const { return trace_; }
    void SetTracing(bool on) { trace_.SetRecording(on); }
    SuiteDirectory& suites() { return suites_; }
    HandleStore& handles() { return handles_; }
    // The pixel worlds lent out for the render under way.
    WorldRegistry& worlds() { return worlds_; }
    // The effect, stream, value and memory references handed to the effect.
    References& references() { return references_; }

    // The project the effect works on, and where the effect sits in it.
    Project& project() { return project_; }
    EffectLocation& Instance() { return instance_; }
    UndoHistory& undo() { return undo_; }
    KeyframeBatches& batches() { return batches_; }
    // Undoes the latest undo step, as the user's Undo command does; its
    // label, or nothing when there is none.
    std::optional<std::string> Undo() { return undo_.Undo(project_); }
    // The host's reference for a layer or the composition: stable for the
    // host's life, never disposed of by the effect.
    AEGP_LayerH LayerHandle(int layer_id);
    Layer* LayerFromHandle(AEGP_LayerH layer);
    AEGP_CompH CompHandle() { return reinterpret_cast<AEGP_CompH>(&comp_token_); }
    bool IsCompHandle(AEGP_CompH comp) const {
        return comp == reinterpret_cast<AEGP_CompH>(const_cast<int*>(&comp_token_));
    }

    PF_Handle GlobalData() const { return in_.global_data; }
    const std::vector<std::string>& Registrations() const { return registrations_; }
    const PropertyList& Properties() const { return properties_; }
    // What the host warned about: the list's version and flags against what
    // global set-up reported.
    const std::vector<std::string>& Warnings() const { return warnings_; }
    AEGP_PluginID LastPluginId() const { return next_plugin_id_ - 1; }
    const std::vector<AddedParam>& Params() const { return params_; }
    PF_ProgPtr EffectRef() const { return in_.effect_ref; }

    // --- used by the host's own services ---

    // Records a call that can fail, and returns the code of a fault armed
    // for it, or 0.
    A_Err Enter(const char* op, std::string args);
    // Records a call that has no way to report failure.
    void Note(const char* op, std::string args);
    // A suite acquisition: the refusal a test armed for it, if any.
    std::optional<Refusal> OnAcquire(const std::string& name, int version);

    AEGP_PluginID Register(const char* name);
    PF_Err AddParam(PF_ProgPtr effect_ref, PF_ParamIndex index, const PF_ParamDef* def);
    // A callback that names an effect this host did not send a command to.
    bool KnowsEffect(PF_ProgPtr effect_ref);

private:
    void PrepareCommand(PF_Cmd cmd);
    // A fresh trace, and fault positions counted from here.
    void StartCounting();
    void FinishCommand(PF_Cmd cmd, PF_Err err);

    PropertyList properties_;
    std::vector<std::string> warnings_;
    PluginLibrary library_;
    PF_FilterProc entry_;
    Ledger ledger_;
    Faults faults_;
    Trace trace_;
    SuiteDirectory suites_;
    HandleStore handles_;
    WorldRegistry worlds_;
    References references_{ledger_};

    SPBasicSuite basic_suite_;
    PF_UtilCallbacks utils_;
    PF_InData in_;
    PF_OutData out_template_;
    PF_OutData out_;
    int effect_token_ = 0;
    int comp_token_ = 0;
    Project project_;
    UndoHistory undo_;
    KeyframeBatches batches_;
    EffectLocation instance_{0, 0};
    std::map<int, std::unique_ptr<void*>> layer_tokens_;

    int calls_ = 0;
    int acquisitions_ = 0;
    std::map<std::string, int> op_calls_;

    AEGP_PluginID next_plugin_id_ = 1;
    std::vector<std::string> registrations_;
    std::vector<AddedParam> params_;
    PF_ParamDef input_param_;
};

// Runs a host service body, turning anything it throws into a host error so
// that nothing unwinds through the effect's frames.
template <class Body>
A_Err Guarded(const char* op, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& e) {
        Host::Active().ledger().Violation(std::string(op) + " failed inside the host: " + e.what());
    } catch (...) {
        Host::Active().ledger().Violation(std::string(op) + " failed inside the host");
    }
    return A_Err_GENERIC;
}

}  // namespace simhost
