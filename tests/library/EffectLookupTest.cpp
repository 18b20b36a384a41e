#include "EffectLibrary.h"
#include "LibraryFixture.h"

namespace library_test {
namespace {

using Ops = std::vector<std::string>;

class GetEffectKeyTest : public LibraryTest {
protected:
    A_Err Lookup(const std::string& match_name, AEGP_InstalledEffectKey* key) {
        *key = 99;  // the routine must clear it whatever happens
        return InCommand([&](PF_InData* in_data) { return GetEffectKey(in_data, match_name, key); });
    }
};

struct KeyCase {
    const char* what;
    std::string match_name;
    AEGP_InstalledEffectKey expected;
};

TEST_F(GetEffectKeyTest, FindsExactMatchNamesOnly) {
    const KeyCase cases[] = {
        {"first parameter kind", kSlider, KeyOf(kSlider)},
        {"another kind", kPoint3D, KeyOf(kPoint3D)},
        {"the last installed", kBare, KeyOf(kBare)},
        {"other letter case", "adbe slider control", 0},
        {"a prefix", "ADBE Slider", 0},
        {"longer than installed", "ADBE Slider Control 2", 0},
        {"trailing NUL inside the string", std::string("ADBE Slider Control\0", 20), 0},
        {"empty", "", 0},
        {"not installed", "ADBE Nothing", 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        AEGP_InstalledEffectKey key = 0;
        EXPECT_EQ(Lookup(c.match_name, &key), A_Err_NONE);
        EXPECT_EQ(key, c.expected);
        EXPECT_TRUE(NothingHeld(host));
    }
}

TEST_F(GetEffectKeyTest, WalksTheHostsOrderAndStopsAtTheMatch) {
    AEGP_InstalledEffectKey key = 0;
    ASSERT_EQ(Lookup(kSlider, &key), A_Err_NONE);
    // Gaussian Blur comes first, the slider second.
    const Ops expected = {"AEGP_GetNumInstalledEffects", "AEGP_GetNextInstalledEffect",
                          "AEGP_GetEffectMatchName",     "AEGP_GetNextInstalledEffect",
                          "AEGP_GetEffectMatchName"};
    EXPECT_EQ(HostOps(), expected) << host.state().trace().Describe();
    const auto walked = ArgsOf("AEGP_GetNextInstalledEffect");
    ASSERT_EQ(walked.size(), 2u);
    EXPECT_EQ(walked[0].at(0), simhost::TraceArg::Integer(0));
    EXPECT_EQ(walked[1].at(0), simhost::TraceArg::Integer(KeyOf("ADBE Gaussian Blur 2")));
}

TEST_F(GetEffectKeyTest, FirstOfTwoEqualMatchNamesWins) {
    auto& installed = host.state().project().installed;
    installed.insert(installed.begin() + 1, {40, kSlider, "Old Slider", {}});
    AEGP_InstalledEffectKey key = 0;
    EXPECT_EQ(Lookup(kSlider, &key), A_Err_NONE);
    EXPECT_EQ(key, 40);
}

TEST_F(GetEffectKeyTest, NoInstalledEffectsAsksForNoName) {
    host.state().project().installed.clear();
    AEGP_InstalledEffectKey key = 0;
    EXPECT_EQ(Lookup(kSlider, &key), A_Err_NONE);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(HostOps(), (Ops{"AEGP_GetNumInstalledEffects"}));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(GetEffectKeyTest, AFailedCallEndsTheWalkWithItsErrorAndNoKey) {
    struct Case {
        const char* op;
        int nth;
        size_t calls_made;  // host calls up to and including the failing one
    };
    const Case cases[] = {
        {"AEGP_GetNumInstalledEffects", 1, 1},
        {"AEGP_GetNextInstalledEffect", 2, 4},
        // The slider's own name query: the match is never seen.
        {"AEGP_GetEffectMatchName", 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        host.state().faults().FailOperation(c.op, c.nth, 7);
        AEGP_InstalledEffectKey key = 0;
        EXPECT_EQ(Lookup(kSlider, &key), 7);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(HostOps().size(), c.calls_made) << host.state().trace().Describe();
        EXPECT_EQ(HostOps().back(), c.op);
        EXPECT_TRUE(NothingHeld(host));
        host.state().faults().Clear();
    }
}

TEST_F(GetEffectKeyTest, RefusedSuiteThrowsAndReleasesNothingHeld) {
    host.state().faults().RefuseSuite("AEGP Effect Suite", 3);
    AEGP_InstalledEffectKey key = 0;
    EXPECT_EQ(Lookup(kSlider, &key), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(NothingHeld(host));
}

class SetEffectNameTest : public LibraryTest {
protected:
    A_Err Rename(int uid, const std::string& name) {
        return WithEffect(uid, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
            return SetEffectName(plugin_id, in_data, effect, name);
        });
    }
};

TEST_F(SetEffectNameTest, RenamesTheInstanceThroughItsGroupAndDisposesBothStreams) {
    const int slider = Apply(kSlider);
    ASSERT_EQ(Effect(slider).name, u"Slider Control");
    EXPECT_EQ(Rename(slider, "Camera_Fov"), A_Err_NONE);
    EXPECT_EQ(Effect(slider).name, u"Camera_Fov");
    const Ops expected = {"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewParentStreamRef",
                          "AEGP_SetStreamName", "AEGP_DisposeStream", "AEGP_DisposeStream"};
    EXPECT_EQ(HostOps(), expected) << host.state().trace().Describe();
    EXPECT_EQ(ArgsOf("AEGP_GetNewEffectStreamByIndex").front().at(2), simhost::TraceArg::Integer(1));
    // The parameter stream goes first, the renamed group last.
    const simhost::TraceArg group = ArgsOf("AEGP_SetStreamName").front().at(0);
    EXPECT_EQ(group, ArgsOf("AEGP_DisposeStream").back().at(0));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SetEffectNameTest, CopiesTheNameUpToItsFirstNul) {
    struct Case {
        const char* what;
        std::string name;
        std::u16string shown;
    };
    const Case cases[] = {
        {"empty", "", u""},
        {"embedded NUL", std::string("Ab\0cd", 5), u"Ab"},
        {"longer than any host buffer", std::string(300, 'x'), std::u16string(300, u'x')},
    };
    const int slider = Apply(kSlider);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Rename(slider, c.name), A_Err_NONE);
        EXPECT_EQ(Effect(slider).name, c.shown);
        EXPECT_TRUE(NothingHeld(host));
    }
}

TEST_F(SetEffectNameTest, EffectWithoutParameterOneTakesNothingAndRenamesNothing) {
    const int bare = Apply(kBare);
    EXPECT_EQ(Rename(bare, "Camera_Fov"), A_Err_PARAMETER);
    EXPECT_EQ(Effect(bare).name, u"Test Bare");
    EXPECT_EQ(HostOps(), (Ops{"AEGP_GetNewEffectStreamByIndex"}));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(SetEffectNameTest, FailuresKeepTheFirstErrorAndStillDisposeWhatWasTaken) {
    struct Failure {
        const char* op;
        int nth;
        A_Err code;
    };
    struct Case {
        const char* what;
        std::vector<Failure> failures;
        A_Err result;
        bool renamed;
        size_t disposals;
    };
    const Case cases[] = {
        {"parent lookup", {{"AEGP_GetNewParentStreamRef", 1, 5}}, 5, false, 1},
        {"rename", {{"AEGP_SetStreamName", 1, 6}}, 6, false, 2},
        {"parent disposal after a good rename", {{"AEGP_DisposeStream", 2, 8}}, 8, true, 2},
        {"rename, then a disposal", {{"AEGP_SetStreamName", 1, 6}, {"AEGP_DisposeStream", 1, 8}},
         6, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int slider = Apply(kSlider);
        for (const Failure& f : c.failures) host.state().faults().FailOperation(f.op, f.nth, f.code);
        EXPECT_EQ(Rename(slider, "Camera_Aspect"), c.result);
        EXPECT_EQ(Effect(slider).name == u"Camera_Aspect", c.renamed);
        EXPECT_EQ(ArgsOf("AEGP_DisposeStream").size(), c.disposals);
        EXPECT_TRUE(NothingHeld(host));
        host.state().faults().Clear();
    }
}

TEST_F(SetEffectNameTest, RefusedDynamicStreamSuiteStillDisposesTheParameterStream) {
    const int slider = Apply(kSlider);
    host.state().faults().RefuseSuite("AEGP Dynamic Stream Suite", 5);
    EXPECT_EQ(Rename(slider, "Camera_Fov"), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(Effect(slider).name, u"Slider Control");
    EXPECT_EQ(ArgsOf("AEGP_DisposeStream").size(), 1u);
    EXPECT_TRUE(NothingHeld(host));
}

}  // namespace
}  // namespace library_test
