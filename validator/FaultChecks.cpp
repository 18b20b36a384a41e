// Level 4: every host call of a press fails in turn, and every suite it uses
// is refused in turn: each time the press must report the failure, give back
// everything, leave no undo group open, and be undone without a trace.
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "Checks.h"
#include "WhatIsHeld.h"
#include "PressBench.h"

namespace validator {

namespace {

struct Scenario {
    const char* name;
    void (*setup)(PressBench&);
};

void ShortLayer(PressBench& bench) {
    // Three frames keep the sweep quick while every recording path still runs.
    bench.TheLayer().duration = {3 * 1001, 30000};
}

void LayerWithControlsAndOtherEffects(PressBench& bench) {
    ShortLayer(bench);
    bench.AddEffect("ADBE Gaussian Blur 2", "Blur");
    bench.Press();
    bench.AddEffect("ADBE Slider Control", "Unrelated");
    bench.AddEffect("ADBE Point3D Control", "Camera_Row1");  // a duplicate, left alone
}

constexpr Scenario kScenarios[] = {
    {"fresh layer", ShortLayer},
    {"layer carrying the controls and other effects", LayerWithControlsAndOtherEffects},
};

// After a failed press: nothing held, at most one new undo step, and undoing
// it leaves the project as it was.
void RequireRecovered(PressBench& bench, const std::string& before, std::size_t steps_before,
                      const std::string& where) {
    RequireNothingHeld(bench.host, "after " + where);
    const std::size_t steps = bench.UndoSteps();
    Require(steps <= steps_before + 1, "at most one undo step after " + where,
            std::to_string(steps - steps_before));
    if (steps > steps_before) bench.host.Undo();
    Require(bench.Dump() == before, "the project as it was after undoing " + where, "a project that differs");
}

// The calls of a press that succeeds in the scenario.
std::vector<simhost::HostCall> PressCalls(const CheckContext& context, const Scenario& scenario) {
    PressBench baseline(context.plugin_path);
    scenario.setup(baseline);
    baseline.Press();
    return baseline.host.state().trace().Calls();
}

void EveryHostCallFailingInTurn(const CheckContext& context) {
    for (const Scenario& scenario : kScenarios) {
        const std::vector<simhost::HostCall> calls = PressCalls(context, scenario);
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (!calls[i].failable) continue;
            std::ostringstream where;
            where << scenario.name << ", call " << i + 1 << " failing: " << calls[i];
            PressBench bench(context.plugin_path);
            scenario.setup(bench);
            const std::string before = bench.Dump();
            const std::size_t steps_before = bench.UndoSteps();
            bench.host.state().faults().FailCall(static_cast<int>(i + 1), kInjected);
            const PF_Err err = bench.host.UserChangedParam(1);
            // A refused suite is reported as such; a refused release is
            // ignored, as the host gives nothing back to act on.
            PF_Err expected = kInjected;
            if (calls[i].op == "AcquireSuite") expected = PF_Err_BAD_CALLBACK_PARAM;
            if (calls[i].op == "ReleaseSuite") expected = PF_Err_NONE;
            Require(err == expected, "error " + std::to_string(expected) + " from the press (" + where.str() + ")",
                    "error " + std::to_string(err));
            RequireRecovered(bench, before, steps_before, where.str());
        }
    }
}

void EverySuiteRefusedInTurn(const CheckContext& context) {
    for (const Scenario& scenario : kScenarios) {
        std::set<std::pair<std::string, int>> suites;
        for (const simhost::HostCall& call : PressCalls(context, scenario)) {
            if (call.op == "AcquireSuite") {
                suites.insert({call.args.at(0).AsText(), static_cast<int>(call.args.at(1).AsInteger())});
            }
        }
        Require(suites.size() >= 8, "the press to use at least 8 suites", std::to_string(suites.size()));
        for (const auto& [name, version] : suites) {
            const std::string where = std::string(scenario.name) + ", " + name + " " + std::to_string(version) +
                                      " refused";
            PressBench bench(context.plugin_path);
            scenario.setup(bench);
            const std::string before = bench.Dump();
            const std::size_t steps_before = bench.UndoSteps();
            bench.host.state().faults().RefuseSuite(name, version);
            const PF_Err err = bench.host.UserChangedParam(1);
            Require(err == PF_Err_BAD_CALLBACK_PARAM,
                    "error " + std::to_string(PF_Err_BAD_CALLBACK_PARAM) + " from the press (" + where + ")",
                    "error " + std::to_string(err));
            RequireRecovered(bench, before, steps_before, where);
        }
    }
}

}  // namespace

std::vector<Check> FaultChecks() {
    return {
        {"faults.every-host-call", 4,
         "With each host call of a press failing in turn, the press reports the error, holds nothing, and undo "
         "restores the project.",
         EveryHostCallFailingInTurn},
        {"faults.every-suite", 4,
         "With each suite a press uses refused in turn, the press reports the refusal, holds nothing, and undo "
         "restores the project.",
         EverySuiteRefusedInTurn},
    };
}

}  // namespace validator
