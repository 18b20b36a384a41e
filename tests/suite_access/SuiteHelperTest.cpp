#include <gtest/gtest.h>

#include <cstring>

#include "Util/AEFX_SuiteHelper.h"
#include "suite_access/FakeBasicSuite.h"

namespace {

class SuiteHelper : public ::testing::Test {
protected:
    SuiteHelper() {
        std::memset(&in_data, 0, sizeof(in_data));
        std::memset(&out_data, 0, sizeof(out_data));
        in_data.utils = &fake.utils;
        in_data.pica_basicP = fake.MutableTable();
    }
    bool Reported() const { return (out_data.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) != 0; }
    std::string Message() const { return out_data.return_msg; }

    FakeBasicSuite fake;
    PF_InData in_data;
    PF_OutData out_data;
};

TEST_F(SuiteHelper, AcquireDeliversTheSuiteSilently) {
    void* suite = nullptr;
    EXPECT_EQ(AEFX_AcquireSuite(&in_data, &out_data, "PF Handle Suite", 2, nullptr, &suite), PF_Err_NONE);
    EXPECT_EQ(suite, fake.TableFor("PF Handle Suite", 2));
    EXPECT_FALSE(Reported());
}

TEST_F(SuiteHelper, AcquireReportsTheCallersMessageOrItsOwn) {
    struct Case {
        const char* caller_message;
        const char* shown;
    };
    const Case cases[] = {{nullptr, "Not able to acquire AEFX Suite."},
                          {"Custom: 100% refused", "Custom: 100% refused"}};
    for (const Case& c : cases) {
        std::memset(&out_data, 0, sizeof(out_data));
        fake.RefuseName("AEGP Camera Suite");
        void* suite = nullptr;
        EXPECT_EQ(AEFX_AcquireSuite(&in_data, &out_data, "AEGP Camera Suite", 2, c.caller_message, &suite),
                  PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_TRUE(Reported());
        EXPECT_EQ(Message(), c.shown);
    }
}

TEST_F(SuiteHelper, AcquireWithoutBasicSuiteReports) {
    in_data.pica_basicP = nullptr;
    void* suite = nullptr;
    EXPECT_EQ(AEFX_AcquireSuite(&in_data, &out_data, "PF Handle Suite", 2, nullptr, &suite),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(Message(), "Not able to acquire AEFX Suite.");
}

TEST_F(SuiteHelper, ReleaseIgnoresTheHostsResult) {
    fake.MutableTable()->ReleaseSuite = [](const char*, std::int32_t) -> SPErr { return 9; };
    EXPECT_EQ(AEFX_ReleaseSuite(&in_data, &out_data, "PF Handle Suite", 2, nullptr), PF_Err_NONE);
    EXPECT_FALSE(Reported());
}

TEST_F(SuiteHelper, ReleaseWithoutBasicSuiteReports) {
    in_data.pica_basicP = nullptr;
    EXPECT_EQ(AEFX_ReleaseSuite(&in_data, &out_data, "PF Handle Suite", 2, nullptr),
              PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(Reported());
    EXPECT_EQ(Message(), "Not able to release AEFX Suite.");
}

TEST_F(SuiteHelper, DrawbotSuitesAcquiredInOrder) {
    DRAWBOT_Suites suites{};
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&in_data, &out_data, &suites), PF_Err_NONE);
    EXPECT_EQ(static_cast<const void*>(suites.drawbot_suiteP), fake.TableFor("DRAWBOT Draw Suite", 1));
    EXPECT_EQ(static_cast<const void*>(suites.supplier_suiteP), fake.TableFor("DRAWBOT Supplier Suite", 1));
    EXPECT_EQ(static_cast<const void*>(suites.surface_suiteP), fake.TableFor("DRAWBOT Surface Suite", 1));
    EXPECT_EQ(static_cast<const void*>(suites.path_suiteP), fake.TableFor("DRAWBOT Path Suite", 1));
    EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&in_data, &out_data), PF_Err_NONE);
    const std::vector<SuiteCall> expected = {
        {"acquire", "DRAWBOT Draw Suite", 1},    {"acquire", "DRAWBOT Supplier Suite", 1},
        {"acquire", "DRAWBOT Surface Suite", 1}, {"acquire", "DRAWBOT Path Suite", 1},
        {"release", "DRAWBOT Draw Suite", 1},    {"release", "DRAWBOT Supplier Suite", 1},
        {"release", "DRAWBOT Surface Suite", 1}, {"release", "DRAWBOT Path Suite", 1},
    };
    EXPECT_EQ(fake.Calls(), expected);
    EXPECT_FALSE(Reported());
}

TEST_F(SuiteHelper, DrawbotNullRecordIsReported) {
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&in_data, &out_data, nullptr), PF_Err_UNRECOGNIZED_PARAM_TYPE);
    EXPECT_TRUE(Reported());
    EXPECT_EQ(Message(), "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
    EXPECT_TRUE(fake.Calls().empty());
}

TEST_F(SuiteHelper, DrawbotStopsAtTheFirstRefusal) {
    fake.RefuseName("DRAWBOT Supplier Suite");
    DRAWBOT_Suites suites{};
    EXPECT_EQ(AEFX_AcquireDrawbotSuites(&in_data, &out_data, &suites), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(Message(), "Not able to acquire AEFX Suite.");
    EXPECT_NE(suites.drawbot_suiteP, nullptr);
    EXPECT_EQ(suites.supplier_suiteP, nullptr);
    EXPECT_EQ(fake.Acquisitions(), 2);
    EXPECT_EQ(fake.Releases(), 0);  // the draw suite stays acquired for the caller
}

TEST_F(SuiteHelper, DrawbotReleaseWithoutBasicSuiteStillSucceeds) {
    in_data.pica_basicP = nullptr;
    EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&in_data, &out_data), PF_Err_NONE);
    EXPECT_TRUE(Reported());
    EXPECT_EQ(Message(), "Not able to release AEFX Suite.");
}

}  // namespace
