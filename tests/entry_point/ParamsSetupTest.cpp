#include <gtest/gtest.h>

#include "Host.h"
#include "support/NothingHeld.h"

namespace {

using simhost::Host;

TEST(ParamsSetup, AddsTheButton) {
    Host host(DORVANE_PLUGIN_PATH);
    ASSERT_EQ(host.ParamsSetup(), PF_Err_NONE);
    ASSERT_EQ(host.state().Params().size(), 1u);
    const simhost::AddedParam& button = host.state().Params()[0];
    EXPECT_EQ(button.index, -1);
    EXPECT_EQ(button.def.param_type, PF_Param_BUTTON);
    EXPECT_EQ(button.name, "");
    EXPECT_EQ(button.label, "Create Controls");
    EXPECT_EQ(button.def.flags, PF_ParamFlag_SUPERVISE);
    EXPECT_EQ(button.def.ui_flags, 0);
    EXPECT_EQ(button.def.uu.id, 1);
    EXPECT_EQ(button.def.u.button_d.value, 0);
    EXPECT_EQ(button.def.ui_width, 0);
    EXPECT_EQ(button.def.ui_height, 0);
    EXPECT_EQ(host.OutData().num_params, 2);
    const std::vector<std::string> expected = {"strcpy", "add_param"};
    EXPECT_EQ(host.state().trace().Ops(), expected);
    EXPECT_TRUE(NothingHeld(host));
}

TEST(ParamsSetup, RefusedParameterLeavesTheCountAlone) {
    Host host(DORVANE_PLUGIN_PATH);
    host.OutTemplate().num_params = 77;
    host.state().faults().FailOperation("add_param", 1, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.ParamsSetup(), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.OutData().num_params, 77);
    EXPECT_TRUE(host.state().Params().empty());
}

}  // namespace
