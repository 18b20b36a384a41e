#include <gtest/gtest.h>

#include <cstring>

#include "Host.h"
#include "support/NothingHeld.h"

namespace {

using simhost::Host;

TEST(Dispatch, UnlistedSelectorsTouchNothing) {
    Host host(DORVANE_PLUGIN_PATH);
    std::memset(&host.OutTemplate(), 0xA5, sizeof(PF_OutData));
    const PF_Cmd unlisted[] = {2, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17,
                               18, 19, 20, 21, 22, 25, 26, 30, 33, 34, 1000, -1};
    for (PF_Cmd cmd : unlisted) {
        SCOPED_TRACE(cmd);
        EXPECT_EQ(host.Send(cmd), PF_Err_NONE);
        EXPECT_EQ(std::memcmp(&host.OutData(), &host.OutTemplate(), sizeof(PF_OutData)), 0);
        EXPECT_EQ(host.state().trace().Size(), 0u);
    }
    EXPECT_TRUE(NothingHeld(host));
}

TEST(Dispatch, AboutShowsNameVersionAndCopyright) {
    Host host(DORVANE_PLUGIN_PATH);
    EXPECT_EQ(host.About(), PF_Err_NONE);
    const std::string text = host.OutData().return_msg;
    const std::string head = "Dorvane, v1.0.0\r";
    ASSERT_GT(text.size(), head.size());
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(head.size()), "Copyright 2026 the Dorvane developers.");
    EXPECT_EQ(host.OutData().out_flags, 0);
    ASSERT_EQ(host.state().trace().Size(), 1u);
    EXPECT_EQ(host.state().trace().Calls()[0].op, "sprintf");
    EXPECT_EQ(host.state().trace().Calls()[0].args,
              std::vector<simhost::TraceArg>{simhost::TraceArg::Text("%s, v%d.%d.%d\r%s")});
}

TEST(Dispatch, CommandsWithoutHandlersAcquireNoSuite) {
    Host host(DORVANE_PLUGIN_PATH);
    host.InData().pica_basicP = nullptr;
    EXPECT_EQ(host.About(), PF_Err_NONE);
    EXPECT_EQ(host.ParamsSetup(), PF_Err_NONE);
    EXPECT_EQ(host.state().trace().Count("AcquireSuite"), 0u);
}

TEST(Dispatch, MissingBasicSuiteIsRefusal) {
    const PF_Cmd commands[] = {PF_Cmd_GLOBAL_SETUP, PF_Cmd_GLOBAL_SETDOWN};
    for (PF_Cmd cmd : commands) {
        SCOPED_TRACE(cmd);
        Host host(DORVANE_PLUGIN_PATH);
        host.InData().pica_basicP = nullptr;
        EXPECT_EQ(host.Send(cmd), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(host.state().trace().Size(), 0u);
    }
}

}  // namespace
