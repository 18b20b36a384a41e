// Every host call of a press fails in turn, and every suite it uses is
// refused in turn: each time the press must report the failure, give back
// everything, leave no undo group open, and be undone without a trace.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <utility>

#include "capture/CaptureFixture.h"

namespace {

struct Scenario {
    const char* name;
    std::function<void(CaptureHost&)> setup;
};

void ShortLayer(CaptureHost& capture) {
    // Three frames keep the sweep quick while every recording path still runs.
    capture.TheLayer().duration = {3 * 1001, 30000};
}

const Scenario kScenarios[] = {
    {"fresh layer", ShortLayer},
    {"layer carrying the controls and other effects",
     [](CaptureHost& capture) {
         ShortLayer(capture);
         capture.AddEffect("ADBE Gaussian Blur 2", u"Blur");
         ASSERT_EQ(capture.host.UserChangedParam(1), PF_Err_NONE);
         capture.AddEffect(kSliderMatchName, u"Unrelated");
         capture.AddEffect(kPoint3DMatchName, U16(kControls[kRow1Control].name));  // a duplicate, left alone
     }},
};

// After a failed press: nothing held, at most one new undo step, and undoing
// it leaves the project as it was.
void ExpectRecovered(CaptureHost& capture, const std::string& before, size_t steps_before) {
    EXPECT_TRUE(NothingHeld(capture.host));
    const size_t steps = capture.host.state().undo().Steps().size();
    EXPECT_LE(steps, steps_before + 1);
    if (steps > steps_before) capture.host.Undo();
    EXPECT_TRUE(capture.Dump() == before) << "the project differs after undo";
}

TEST(FaultSweep, EveryHostCallFailingInTurn) {
    size_t fault_points = 0;
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        std::vector<simhost::HostCall> calls;
        {
            CaptureHost baseline;
            scenario.setup(baseline);
            ASSERT_EQ(baseline.host.UserChangedParam(1), PF_Err_NONE);
            calls = baseline.host.state().trace().Calls();
        }
        for (size_t i = 0; i < calls.size(); ++i) {
            if (!calls[i].failable) continue;
            ++fault_points;
            std::ostringstream call;
            call << "call " << i + 1 << ": " << calls[i];
            SCOPED_TRACE(call.str());
            CaptureHost capture;
            scenario.setup(capture);
            const std::string before = capture.Dump();
            const size_t steps_before = capture.host.state().undo().Steps().size();
            capture.host.state().faults().FailCall(static_cast<int>(i + 1), kInjected);
            const PF_Err err = capture.host.UserChangedParam(1);
            if (calls[i].op == "AcquireSuite") {
                EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
            } else if (calls[i].op == "ReleaseSuite") {
                EXPECT_EQ(err, PF_Err_NONE);  // the handler ignores a refused release
            } else {
                EXPECT_EQ(err, kInjected);
            }
            ExpectRecovered(capture, before, steps_before);
            if (HasFailure()) return;
        }
    }
    std::cout << "fault points: " << fault_points << " host calls failed in turn\n";
    RecordProperty("fault_points", static_cast<int>(fault_points));
}

TEST(FaultSweep, EverySuiteRefusedInTurn) {
    size_t refusals = 0;
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        std::set<std::pair<std::string, int>> suites;
        {
            CaptureHost baseline;
            scenario.setup(baseline);
            ASSERT_EQ(baseline.host.UserChangedParam(1), PF_Err_NONE);
            for (const simhost::HostCall& call : baseline.host.state().trace().Calls()) {
                if (call.op == "AcquireSuite") {
                    suites.insert({call.args.at(0).AsText(), static_cast<int>(call.args.at(1).AsInteger())});
                }
            }
        }
        EXPECT_GE(suites.size(), 8u);
        for (const auto& [name, version] : suites) {
            ++refusals;
            SCOPED_TRACE(name + " " + std::to_string(version));
            CaptureHost capture;
            scenario.setup(capture);
            const std::string before = capture.Dump();
            const size_t steps_before = capture.host.state().undo().Steps().size();
            capture.host.state().faults().RefuseSuite(name, version);
            EXPECT_EQ(capture.host.UserChangedParam(1), PF_Err_BAD_CALLBACK_PARAM);
            ExpectRecovered(capture, before, steps_before);
        }
    }
    std::cout << "fault points: " << refusals << " suites refused in turn\n";
    RecordProperty("suite_refusals", static_cast<int>(refusals));
}

}  // namespace
