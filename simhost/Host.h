// The simulated host: loads the effect, builds each command's records the
// way the host does, serves its callbacks and suites, and keeps account of
// everything it hands out. Tests and tools drive it through this face and
// inspect what it holds through state(); the services work with that state
// alone.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "loading/PluginLibrary.h"
#include "loading/PropertyList.h"
#include "services/ServiceContext.h"

namespace simhost {

class SmartRenderSession;

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

    // Sends one command through the entry point and returns its result; a
    // render pass names the session whose callbacks answer it.
    PF_Err Send(PF_Cmd cmd, void* extra = nullptr, SmartRenderSession* render_pass = nullptr);
    // Calls a routine the effect handed the host outside the entry point
    // (a deletion function, say), with the host answering its callbacks and
    // the trace and call counts started afresh as for a command; `name`
    // marks it in the trace.
    void CallEffectRoutine(const std::string& name, const std::function<void()>& routine);
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

    // The host's state, the one way to inspect it: the project and where the
    // effect sits in it, the references, handles and worlds handed out, the
    // trace, the ledger, the faults armed, the undo history. It is the very
    // context the services serve from.
    ServiceContext& state() { return context_; }
    const ServiceContext& state() const { return context_; }
    // Prints every command from now on to `out` as it ends, in the trace's
    // printed form; null stops printing. The trace records while it prints.
    void PrintTraceTo(std::ostream* out);
    // Undoes the latest undo step, as the user's Undo command does; its
    // label, or nothing when there is none.
    std::optional<std::string> Undo() { return context_.undo().Undo(context_.project()); }

    PF_Handle GlobalData() const { return in_.global_data; }
    const PropertyList& Properties() const { return properties_; }
    // What the host warned about: the list's version and flags against what
    // global set-up reported.
    const std::vector<std::string>& Warnings() const { return warnings_; }
    PF_ProgPtr EffectRef() const { return in_.effect_ref; }

private:
    void PrepareCommand(PF_Cmd cmd, SmartRenderSession* render_pass);
    void FinishCommand(PF_Cmd cmd, PF_Err err);
    void PrintTrace();

    PropertyList properties_;
    std::vector<std::string> warnings_;
    PluginLibrary library_;
    PF_FilterProc entry_;
    ServiceContext context_;
    std::ostream* trace_out_ = nullptr;

    SPBasicSuite basic_suite_;
    PF_UtilCallbacks utils_;
    PF_InData in_;
    PF_OutData out_template_;
    PF_OutData out_;
    PF_ParamDef input_param_;
};

}  // namespace simhost
