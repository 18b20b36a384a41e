#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Host.h"
#include "bookkeeping/TraceArg.h"
#include "scenes/DemoScene.h"

namespace {

using simhost::RefId;
using simhost::RefKind;
using simhost::TraceArg;

TEST(TraceArg, PrintsEachKindReadably) {
    const struct {
        TraceArg arg;
        const char* shown;
    } cases[] = {
        {TraceArg::Null(), "null"},
        {TraceArg::Unknown(), "unknown"},
        {TraceArg::Integer(-516), "-516"},
        {TraceArg::Real(0.29864013671875), "0.29864"},
        {TraceArg::Time({1001, 30000}), "1001/30000 (0.0333667 s)"},
        {TraceArg::Time({-60, 30}), "-60/30 (-2 s)"},
        {TraceArg::Time({5, 0}), "5/0 (no time)"},
        {TraceArg::Text("say \"hi\"\r\n\x01\\"), "\"say \\\"hi\\\"\\r\\n\\x01\\\\\""},
        {TraceArg::Ref(RefId{RefKind::Stream, 7}), "stream7"},
        {TraceArg::Ref(RefId{RefKind::Effect, 3}), "fx3"},
        {TraceArg::Rect({0, 1, 7, 5}), "{0, 1, 7, 5}"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToString(c.arg), c.shown);
}

TEST(TraceArg, ReadsBackOnlyAsItsOwnKind) {
    EXPECT_EQ(TraceArg::Integer(4).AsInteger(), 4);
    EXPECT_EQ(TraceArg::Time({1, 30}).AsTime().scale, 30u);
    EXPECT_THROW(TraceArg::Integer(4).AsText(), std::logic_error);
    EXPECT_NE(TraceArg::Integer(4), TraceArg::Real(4.0));
    EXPECT_NE(TraceArg::Ref(RefId{RefKind::Stream, 1}), TraceArg::Ref(RefId{RefKind::Batch, 1}));
}

// Every command a host sends in a run, printed as the tool prints it.
std::string TraceOfARun() {
    std::ostringstream out;
    simhost::Host host(DORVANE_PLUGIN_PATH);
    host.PrintTraceTo(&out);
    simhost::UseDemoScene(host.state().project(), host.state().Instance().layer_id);
    host.state().project().FindLayer(host.state().Instance().layer_id)->duration = {3 * 1001, 30000};
    EXPECT_EQ(host.About(), PF_Err_NONE);
    EXPECT_EQ(host.GlobalSetup(), PF_Err_NONE);
    EXPECT_EQ(host.ParamsSetup(), PF_Err_NONE);
    EXPECT_EQ(host.UserChangedParam(1), PF_Err_NONE);
    EXPECT_EQ(host.UserChangedParam(1), PF_Err_NONE);
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    return out.str();
}

TEST(Trace, TwoRunsOfOneSceneReadTheSame) {
    const std::string first = TraceOfARun();
    EXPECT_EQ(first, TraceOfARun());
    // Names, not addresses; every command marked at its start and its end.
    EXPECT_EQ(first.find("0x"), std::string::npos);
    for (const char* command : {"PF_Cmd_ABOUT", "PF_Cmd_GLOBAL_SETUP", "PF_Cmd_PARAMS_SETUP",
                                "PF_Cmd_USER_CHANGED_PARAM", "PF_Cmd_GLOBAL_SETDOWN"}) {
        SCOPED_TRACE(command);
        EXPECT_NE(first.find(std::string("== ") + command + "\n"), std::string::npos);
        EXPECT_NE(first.find(std::string("== ") + command + " returned 0\n"), std::string::npos);
    }
    EXPECT_NE(first.find("host_dispose_handle(handle1)\n"), std::string::npos);
    EXPECT_NE(first.find("AEGP_AddKeyframes(batch1, 1, 1001/30000 (0.0333667 s))\n"), std::string::npos);
    // The second press's references are new names, never the first's again.
    EXPECT_NE(first.find("AEGP_EndAddKeyframes(1, batch10)\n"), std::string::npos);
}

}  // namespace
