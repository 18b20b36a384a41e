#include <gtest/gtest.h>

#include <cstring>

#include "Host.h"
#include "support/NothingHeld.h"

namespace {

using simhost::Host;
using simhost::Resource;
using simhost::TraceArg;
using Args = std::vector<TraceArg>;

constexpr A_long kHostOutFlags = 0x1 | 0x40;     // bits the host had already set
constexpr A_long kHostOutFlags2 = 0x10 | 0x8000;

class GlobalSetup : public ::testing::Test {
protected:
    GlobalSetup() : host(DORVANE_PLUGIN_PATH) {
        host.OutTemplate().out_flags = kHostOutFlags;
        host.OutTemplate().out_flags2 = kHostOutFlags2;
    }
    void ExpectVersionAndFlags() const {
        EXPECT_EQ(host.OutData().my_version, 0x80601u);
        EXPECT_EQ(host.OutData().out_flags, kHostOutFlags | 0x02000000);
        EXPECT_EQ(host.OutData().out_flags2, kHostOutFlags2 | 0x00001400);
    }
    Host host;
};

TEST_F(GlobalSetup, ReportsVersionFlagsAndRegisteredId) {
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    ExpectVersionAndFlags();
    ASSERT_NE(host.OutData().global_data, nullptr);
    EXPECT_EQ(host.GlobalData(), host.OutData().global_data);
    const std::vector<unsigned char> bytes = host.state().handles().Bytes(host.GlobalData());
    ASSERT_EQ(bytes.size(), 4u);
    A_long stored = 0;
    std::memcpy(&stored, bytes.data(), sizeof(stored));
    EXPECT_EQ(stored, host.state().LastPluginId());
    EXPECT_EQ(host.state().Registrations(), std::vector<std::string>{"Error!"});
    EXPECT_EQ(host.state().handles().Locks(host.GlobalData()), 0);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, CallsTheHostInOrder) {
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    const std::vector<std::string> expected = {
        "AcquireSuite",       "host_new_handle",       "host_lock_handle", "AcquireSuite",
        "AEGP_RegisterWithAEGP", "host_unlock_handle", "ReleaseSuite",     "ReleaseSuite"};
    EXPECT_EQ(host.state().trace().Ops(), expected) << host.state().trace().Describe();
    const Args handle_suite = {TraceArg::Text("PF Handle Suite"), TraceArg::Integer(2)};
    const Args utility_suite = {TraceArg::Text("AEGP Utility Suite"), TraceArg::Integer(7)};
    EXPECT_EQ(host.state().trace().Calls()[0].args, handle_suite);
    EXPECT_EQ(host.state().trace().Calls()[1].args, Args{TraceArg::Integer(4)});
    EXPECT_EQ(host.state().trace().Calls()[3].args, utility_suite);
    EXPECT_EQ(host.state().trace().Calls()[4].args, (Args{TraceArg::Null(), TraceArg::Text("Error!")}));
    // The release pass visits the Utility suite before the Handle suite.
    EXPECT_EQ(host.state().trace().Calls()[6].args, utility_suite);
    EXPECT_EQ(host.state().trace().Calls()[7].args, handle_suite);
}

TEST_F(GlobalSetup, RefusedHandleReturnsInternalStructDamaged) {
    host.state().faults().FailOperation("host_new_handle", 1, 1);
    EXPECT_EQ(host.GlobalSetup(), PF_Err_INTERNAL_STRUCT_DAMAGED);
    ExpectVersionAndFlags();
    EXPECT_EQ(host.OutData().global_data, nullptr);
    EXPECT_TRUE(host.state().Registrations().empty());
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, UnlockableHandleRegistersNothingAndFreesTheBlock) {
    host.state().faults().FailOperation("host_lock_handle", 1, 1);
    EXPECT_EQ(host.GlobalSetup(), PF_Err_OUT_OF_MEMORY);
    ExpectVersionAndFlags();
    EXPECT_EQ(host.OutData().global_data, nullptr);
    EXPECT_TRUE(host.state().Registrations().empty());
    EXPECT_EQ(host.state().trace().Count("host_unlock_handle"), 1u);
    EXPECT_EQ(host.state().trace().Count("host_dispose_handle"), 1u);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, FailedRegistrationReturnsTheHostsCode) {
    constexpr A_Err kRefused = 37;
    host.state().faults().FailOperation("AEGP_RegisterWithAEGP", 1, kRefused);
    EXPECT_EQ(host.GlobalSetup(), kRefused);
    ExpectVersionAndFlags();
    EXPECT_EQ(host.OutData().global_data, nullptr);
    EXPECT_EQ(host.state().trace().Count("host_unlock_handle"), 1u);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, RefusedSuitesReturn516AndReleaseEverything) {
    struct Case {
        const char* name;
        int version;
    };
    const Case cases[] = {{"PF Handle Suite", 2}, {"AEGP Utility Suite", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host fresh(DORVANE_PLUGIN_PATH);
        fresh.state().faults().RefuseSuite(c.name, c.version);
        EXPECT_EQ(fresh.GlobalSetup(), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(fresh.OutData().my_version, 0x80601u);
        EXPECT_EQ(fresh.OutData().global_data, nullptr);
        EXPECT_TRUE(NothingHeld(fresh));
        EXPECT_EQ(fresh.state().trace().Count("ReleaseSuite") + 1, fresh.state().trace().Count("AcquireSuite"));
    }
}

TEST_F(GlobalSetup, NullTableIsRefusalToo) {
    host.state().faults().RefuseAcquisition(1, simhost::Refusal::NullTable);
    EXPECT_EQ(host.GlobalSetup(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.state().trace().Count("ReleaseSuite"), 0u);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, SetdownFreesTheBlockOnce) {
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    PF_Handle block = host.GlobalData();
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    EXPECT_EQ(host.state().trace().Count("host_dispose_handle"), 1u);
    ASSERT_TRUE(host.state().tokens().IdOf(block).has_value());
    EXPECT_EQ(host.state().trace().Calls()[1].args, Args{TraceArg::Ref(*host.state().tokens().IdOf(block))});
    EXPECT_FALSE(host.state().handles().Exists(block));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, SetdownWithoutBlockMakesNoHandleCall) {
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    const std::vector<std::string> expected;  // the handler is built, but nothing is acquired
    EXPECT_EQ(host.state().trace().Ops(), expected);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GlobalSetup, SetdownWithRefusedSuiteReturns516) {
    ASSERT_EQ(host.GlobalSetup(), PF_Err_NONE);
    host.state().faults().RefuseSuite("PF Handle Suite", 2);
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(host.state().ledger().Violations().empty()) << host.state().ledger().Report();
    EXPECT_EQ(host.state().ledger().Count(Resource::Suite), 0u);
}

}  // namespace
