#include <gtest/gtest.h>

#include "Util/AEGP_SuiteHandler.h"
#include "suite_access/FakeBasicSuite.h"

namespace {

PF_Err ThrownBy(void (*body)(FakeBasicSuite&), FakeBasicSuite& fake) {
    try {
        body(fake);
    } catch (PF_Err err) {
        return err;
    }
    return PF_Err_NONE;
}

TEST(SuiteHandler, UnusedHandlerMakesNoHostCall) {
    FakeBasicSuite fake;
    { AEGP_SuiteHandler suites(fake.Table()); }
    EXPECT_TRUE(fake.Calls().empty());
}

TEST(SuiteHandler, AcquiresOnceAndReleasesOnce) {
    FakeBasicSuite fake;
    {
        AEGP_SuiteHandler suites(fake.Table());
        const AEGP_StreamSuite4* first = suites.StreamSuite4();
        const AEGP_StreamSuite4* second = suites.StreamSuite4();
        EXPECT_EQ(first, second);
        EXPECT_EQ(static_cast<const void*>(first), fake.TableFor("AEGP Stream Suite", 9));
    }
    const std::vector<SuiteCall> expected = {{"acquire", "AEGP Stream Suite", 9},
                                             {"release", "AEGP Stream Suite", 9}};
    EXPECT_EQ(fake.Calls(), expected);
}

struct AccessorCase {
    const char* name;
    int version;
    const void* (*access)(AEGP_SuiteHandler&);
};

TEST(SuiteHandler, EachAccessorAcquiresItsSuite) {
    const AccessorCase cases[] = {
        {"AEGP Keyframe Suite", 4, [](AEGP_SuiteHandler& s) -> const void* { return s.KeyframeSuite4(); }},
        {"AEGP Stream Suite", 9, [](AEGP_SuiteHandler& s) -> const void* { return s.StreamSuite4(); }},
        {"AEGP Comp Suite", 18, [](AEGP_SuiteHandler& s) -> const void* { return s.CompSuite8(); }},
        {"AEGP Dynamic Stream Suite", 5,
         [](AEGP_SuiteHandler& s) -> const void* { return s.DynamicStreamSuite4(); }},
        {"AEGP Memory Suite", 1, [](AEGP_SuiteHandler& s) -> const void* { return s.MemorySuite1(); }},
        {"AEGP Effect Suite", 3, [](AEGP_SuiteHandler& s) -> const void* { return s.EffectSuite3(); }},
        {"AEGP Utility Suite", 7, [](AEGP_SuiteHandler& s) -> const void* { return s.UtilitySuite3(); }},
        {"PF Handle Suite", 2, [](AEGP_SuiteHandler& s) -> const void* { return s.HandleSuite1(); }},
        {"AEGP PF Interface Suite", 1,
         [](AEGP_SuiteHandler& s) -> const void* { return s.PFInterfaceSuite1(); }},
        {"AEGP Layer Suite", 13, [](AEGP_SuiteHandler& s) -> const void* { return s.LayerSuite7(); }},
        {"AEGP Utility Suite", 11, [](AEGP_SuiteHandler& s) -> const void* { return s.UtilitySuite5(); }},
    };
    for (const AccessorCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.version));
        FakeBasicSuite fake;
        {
            AEGP_SuiteHandler suites(fake.Table());
            EXPECT_EQ(c.access(suites), fake.TableFor(c.name, c.version));
        }
        const std::vector<SuiteCall> expected = {{"acquire", c.name, c.version},
                                                 {"release", c.name, c.version}};
        EXPECT_EQ(fake.Calls(), expected);
    }
}

TEST(SuiteHandler, NullTableCountsAsRefusal) {
    FakeBasicSuite fake;
    fake.DeliverNull("AEGP Effect Suite");
    const PF_Err err = ThrownBy(
        [](FakeBasicSuite& f) {
            AEGP_SuiteHandler suites(f.Table());
            suites.EffectSuite3();
        },
        fake);
    EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(fake.Releases(), 0);
}

TEST(SuiteHandler, RefusalReleasesEarlierSuitesOnceEach) {
    FakeBasicSuite fake;
    fake.RefuseNth(3);
    const PF_Err err = ThrownBy(
        [](FakeBasicSuite& f) {
            AEGP_SuiteHandler suites(f.Table());
            suites.EffectSuite3();
            suites.StreamSuite4();
            suites.KeyframeSuite4();
            ADD_FAILURE() << "the refused accessor returned";
        },
        fake);
    EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    const std::vector<SuiteCall> expected = {
        {"acquire", "AEGP Effect Suite", 3},   {"acquire", "AEGP Stream Suite", 9},
        {"acquire", "AEGP Keyframe Suite", 4}, {"release", "AEGP Stream Suite", 9},
        {"release", "AEGP Effect Suite", 3},
    };
    EXPECT_EQ(fake.Calls(), expected);
}

TEST(SuiteHandler, RefusalThrowsTheHostErrorType) {
    FakeBasicSuite fake;
    fake.RefuseNth(1);
    bool caught = false;
    try {
        AEGP_SuiteHandler suites(fake.Table());
        suites.MemorySuite1();
    } catch (const PF_Err& err) {
        // Caught as exactly the host's code type, as the entry point does.
        caught = err == PF_Err_BAD_CALLBACK_PARAM;
    }
    EXPECT_TRUE(caught);
}

TEST(SuiteHandler, NullBasicSuiteThrowsBeforeAnyCall) {
    bool caught = false;
    try {
        AEGP_SuiteHandler suites(nullptr);
    } catch (PF_Err err) {
        caught = err == PF_Err_BAD_CALLBACK_PARAM;
    }
    EXPECT_TRUE(caught);
}

TEST(SuiteHandler, ReleasesInListOrderNotAcquisitionOrder) {
    FakeBasicSuite fake;
    {
        AEGP_SuiteHandler suites(fake.Table());
        suites.UtilitySuite5();
        suites.HandleSuite1();
        suites.EffectSuite3();
        suites.LayerSuite7();
        suites.StreamSuite4();
        suites.KeyframeSuite4();
    }
    std::vector<SuiteCall> releases;
    for (const SuiteCall& call : fake.Calls()) {
        if (call.op == "release") releases.push_back(call);
    }
    const std::vector<SuiteCall> expected = {
        {"release", "AEGP Stream Suite", 9},   {"release", "AEGP Keyframe Suite", 4},
        {"release", "AEGP Effect Suite", 3},   {"release", "PF Handle Suite", 2},
        {"release", "AEGP Layer Suite", 13},   {"release", "AEGP Utility Suite", 11},
    };
    EXPECT_EQ(releases, expected);
}

TEST(SuiteHandler, NestedHandlersHoldTheirOwnAcquisitions) {
    FakeBasicSuite fake;
    {
        AEGP_SuiteHandler outer(fake.Table());
        outer.EffectSuite3();
        {
            AEGP_SuiteHandler inner(fake.Table());
            inner.EffectSuite3();
            EXPECT_EQ(fake.Outstanding(), 2);
        }
        EXPECT_EQ(fake.Outstanding(), 1);
        outer.EffectSuite3();
        EXPECT_EQ(fake.Acquisitions(), 2);
    }
    EXPECT_EQ(fake.Outstanding(), 0);
}

TEST(SuiteHandler, ReleaseSuitePassesThroughAndIgnoresTheResult) {
    FakeBasicSuite fake;
    fake.MutableTable()->ReleaseSuite = [](const char*, std::int32_t) -> SPErr { return 7; };
    {
        AEGP_SuiteHandler suites(fake.Table());
        suites.ReleaseSuite("AEGP Light Suite", 2);
        suites.CompSuite8();
    }  // a refused release must not throw out of the destructor
    EXPECT_EQ(fake.Acquisitions(), 1);
}

static_assert(!std::is_copy_constructible<AEGP_SuiteHandler>::value, "never copied");
static_assert(!std::is_copy_assignable<AEGP_SuiteHandler>::value, "never assigned");
static_assert(!std::is_polymorphic<AEGP_SuiteHandler>::value, "no virtual operations");
static_assert(sizeof(AEGP_SuiteHandler) == sizeof(void*) * (1 + 108), "basic suite and 108 slots");

}  // namespace
