#include <cstring>
#include <string>
#include <type_traits>

#include "EffectLibrary.h"
#include "LibraryFixture.h"
#include "MureloParameter.h"

namespace library_test {
namespace {

using Ops = std::vector<std::string>;

constexpr A_Time kHalfSecond{15, 30};

// One value kind: its accessors, the effect kind that has such a
// parameter, and a value outside every usual range, which must pass as is.
struct OneDKind {
    using Value = A_FpLong;
    static constexpr const char* kKind = kSlider;
    static Value Sample() { return -12345.678e100; }
    static Value Member(const AEGP_StreamVal2& v) { return v.one_d; }
    static constexpr auto Set = SetOneD;
    static constexpr auto Get = GetOneD;
};
struct TwoDKind {
    using Value = AEGP_TwoDVal;
    static constexpr const char* kKind = kTwoD;
    static Value Sample() { return {-1.0e6, 3.25}; }
    static Value Member(const AEGP_StreamVal2& v) { return v.two_d; }
    static constexpr auto Set = SetTwoD;
    static constexpr auto Get = GetTwoD;
};
struct ColorKind {
    using Value = AEGP_ColorVal;
    static constexpr const char* kKind = kColor;
    static Value Sample() { return {2.0, -1.0, 0.5, 7.0}; }
    static Value Member(const AEGP_StreamVal2& v) { return v.color; }
    static constexpr auto Set = SetColor;
    static constexpr auto Get = GetColor;
};
struct MaskKind {
    using Value = A_long;
    static constexpr const char* kKind = kMask;
    static Value Sample() { return -2147483647 - 1; }
    static Value Member(const AEGP_StreamVal2& v) { return v.mask_id; }
    static constexpr auto Set = SetMaskID;
    static constexpr auto Get = GetMaskID;
};

template <class Value>
bool SameBytes(const Value& a, const Value& b) {
    return std::memcmp(&a, &b, sizeof(Value)) == 0;
}

template <class Kind>
class ValueAccessTest : public LibraryTest {};

using Kinds = ::testing::Types<OneDKind, TwoDKind, ColorKind, MaskKind>;
struct KindName {
    template <class Kind>
    static std::string GetName(int) {
        if (std::is_same<Kind, OneDKind>::value) return "OneD";
        if (std::is_same<Kind, TwoDKind>::value) return "TwoD";
        if (std::is_same<Kind, ColorKind>::value) return "Color";
        return "MaskID";
    }
};
TYPED_TEST_SUITE(ValueAccessTest, Kinds, KindName);

TYPED_TEST(ValueAccessTest, SetterWritesTheValueUnchangedAndGetterReadsItBack) {
    using Kind = TypeParam;
    const int uid = this->Apply(Kind::kKind);
    const typename Kind::Value sample = Kind::Sample();
    EXPECT_EQ(this->WithEffect(uid,
                               [&](PF_InData* in_data, AEGP_EffectRefH effect) {
                                   return Kind::Set(in_data, this->plugin_id, effect, kHalfSecond, 1,
                                                    sample);
                               }),
              A_Err_NONE);
    EXPECT_TRUE(SameBytes(Kind::Member(this->Param(uid, 1).value), sample));
    EXPECT_TRUE(this->Param(uid, 1).keyframes.empty());  // a setter adds no keyframe
    const Ops written = {"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewStreamValue",
                         "AEGP_SetStreamValue", "AEGP_DisposeStreamValue", "AEGP_DisposeStream"};
    EXPECT_EQ(this->HostOps(), written) << this->host.state().trace().Describe();
    // Layer time, at the time given, after expressions.
    const std::vector<simhost::TraceArg> asked = this->ArgsOf("AEGP_GetNewStreamValue").front();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[2], simhost::TraceArg::Integer(AEGP_LTimeMode_LayerTime));
    EXPECT_EQ(asked[3], simhost::TraceArg::Time(kHalfSecond));
    EXPECT_EQ(asked[4], simhost::TraceArg::Integer(0));
    EXPECT_TRUE(NothingHeld(this->host));

    typename Kind::Value read{};
    EXPECT_EQ(this->WithEffect(uid,
                               [&](PF_InData* in_data, AEGP_EffectRefH effect) {
                                   return Kind::Get(in_data, this->plugin_id, effect, kHalfSecond, 1,
                                                    &read, false);
                               }),
              A_Err_NONE);
    EXPECT_TRUE(SameBytes(read, sample));
    const Ops read_ops = {"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewStreamValue",
                          "AEGP_DisposeStreamValue", "AEGP_DisposeStream"};
    EXPECT_EQ(this->HostOps(), read_ops) << this->host.state().trace().Describe();
    EXPECT_TRUE(NothingHeld(this->host));
}

class OneDAccessTest : public LibraryTest {
protected:
    OneDAccessTest() : slider(Apply(kSlider)) {}
    A_Err Set(A_FpLong value, PF_ParamIndex index = 1) {
        return WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
            return SetOneD(in_data, plugin_id, effect, kHalfSecond, index, value);
        });
    }
    A_Err Get(A_FpLong* value, bool pre_expression, A_Time time = kHalfSecond) {
        return WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
            return GetOneD(in_data, plugin_id, effect, time, 1, value, pre_expression);
        });
    }
    int slider;
};

TEST_F(OneDAccessTest, GetterHandsItsPreExpressionFlagToTheHost) {
    Param(slider, 1).value.one_d = 3.0;
    Param(slider, 1).expression = simhost::Expression{"value * 2 + 1", 2.0, 1.0};
    A_FpLong before = 0.0;
    A_FpLong after = 0.0;
    EXPECT_EQ(Get(&before, true), A_Err_NONE);
    EXPECT_EQ(Get(&after, false), A_Err_NONE);
    EXPECT_EQ(before, 3.0);
    EXPECT_EQ(after, 7.0);
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(OneDAccessTest, GetterReadsKeyframedValuesAtTheGivenLayerTime) {
    Stream& stream = Param(slider, 1);
    AEGP_StreamVal2 zero{};
    AEGP_StreamVal2 ten{};
    ten.one_d = 10.0;
    stream.SetKeyframe(1.0, ten);
    stream.SetKeyframe(0.0, zero);
    A_FpLong value = 0.0;
    EXPECT_EQ(Get(&value, false, A_Time{15, 30}), A_Err_NONE);
    EXPECT_DOUBLE_EQ(value, 5.0);
    EXPECT_EQ(Get(&value, false, A_Time{3, 1}), A_Err_NONE);
    EXPECT_DOUBLE_EQ(value, 10.0);
}

TEST_F(OneDAccessTest, GetterLeavesItsOutputAloneWhenTheReadFails) {
    host.state().faults().FailOperation("AEGP_GetNewStreamValue", 1, 9);
    A_FpLong value = -1.0;
    EXPECT_EQ(Get(&value, true), 9);
    EXPECT_EQ(value, -1.0);
    EXPECT_EQ(HostOps(), (Ops{"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewStreamValue",
                              "AEGP_DisposeStream"}));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(OneDAccessTest, GetterWithoutAnOutputIsRefusedBeforeAnyHostCall) {
    EXPECT_EQ(Get(nullptr, false), A_Err_PARAMETER);
    EXPECT_TRUE(host.state().trace().Calls().empty());
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(OneDAccessTest, SetterKeepsTheFirstErrorAndStillDisposesWhatItTook) {
    struct Failure {
        const char* op;
        A_Err code;
    };
    struct Case {
        const char* what;
        PF_ParamIndex index;
        std::vector<Failure> failures;
        A_Err result;
        bool written;
        Ops ops;
    };
    const Ops all = {"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewStreamValue",
                     "AEGP_SetStreamValue", "AEGP_DisposeStreamValue", "AEGP_DisposeStream"};
    const Case cases[] = {
        {"index the effect lacks", 5, {}, A_Err_PARAMETER, false, {"AEGP_GetNewEffectStreamByIndex"}},
        {"stream lookup", 1, {{"AEGP_GetNewEffectStreamByIndex", 5}}, 5, false,
         {"AEGP_GetNewEffectStreamByIndex"}},
        {"value read", 1, {{"AEGP_GetNewStreamValue", 6}}, 6, false,
         {"AEGP_GetNewEffectStreamByIndex", "AEGP_GetNewStreamValue", "AEGP_DisposeStream"}},
        {"write, then both disposals", 1,
         {{"AEGP_SetStreamValue", 7}, {"AEGP_DisposeStreamValue", 8}, {"AEGP_DisposeStream", 9}},
         7, false, all},
        {"record disposal after a good write", 1, {{"AEGP_DisposeStreamValue", 8}}, 8, true, all},
        {"stream disposal after a good write", 1, {{"AEGP_DisposeStream", 9}}, 9, true, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Param(slider, 1).value.one_d = 0.0;
        for (const Failure& f : c.failures) host.state().faults().FailOperation(f.op, 1, f.code);
        EXPECT_EQ(Set(42.5, c.index), c.result);
        EXPECT_EQ(Param(slider, 1).value.one_d, c.written ? 42.5 : 0.0);
        EXPECT_EQ(HostOps(), c.ops) << host.state().trace().Describe();
        EXPECT_TRUE(NothingHeld(host));
        host.state().faults().Clear();
    }
}

class DeleteAllKeyframesTest : public LibraryTest {
protected:
    DeleteAllKeyframesTest() : slider(Apply(kSlider)) {}
    void AddKeys(int count) {
        for (int i = 0; i < count; ++i) {
            AEGP_StreamVal2 value{};
            value.one_d = i;
            Param(slider, 1).SetKeyframe(i, value);
        }
    }
    A_Err Delete() {
        return WithEffect(slider, [&](PF_InData* in_data, AEGP_EffectRefH effect) {
            return DeleteAllKeyframes(in_data, plugin_id, effect, 1);
        });
    }
    std::vector<long long> DeletedIndexes() const {
        std::vector<long long> indexes;
        for (const auto& args : ArgsOf("AEGP_DeleteKeyframe")) indexes.push_back(args.at(1).AsInteger());
        return indexes;
    }
    int slider;
};

TEST_F(DeleteAllKeyframesTest, DeletesFromTheLastKeyframeToTheFirst) {
    AddKeys(3);
    EXPECT_EQ(Delete(), A_Err_NONE);
    EXPECT_TRUE(Param(slider, 1).keyframes.empty());
    EXPECT_EQ(DeletedIndexes(), (std::vector<long long>{2, 1, 0}));
    EXPECT_EQ(HostOps().back(), "AEGP_DisposeStream");
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(DeleteAllKeyframesTest, StreamWithoutKeyframesGetsNoDeletion) {
    EXPECT_EQ(Delete(), A_Err_NONE);
    EXPECT_EQ(HostOps(), (Ops{"AEGP_GetNewEffectStreamByIndex", "AEGP_GetStreamNumKFs",
                              "AEGP_DisposeStream"}));
    EXPECT_TRUE(NothingHeld(host));
}

TEST_F(DeleteAllKeyframesTest, AFailureStopsTheDeletionsAndTheStreamIsStillDisposed) {
    struct Case {
        const char* what;
        const char* op;
        int nth;
        std::vector<long long> deleted;
        size_t keys_left;
    };
    const Case cases[] = {
        {"count query", "AEGP_GetStreamNumKFs", 1, {}, 3},
        {"deletion at index 1 of 3", "AEGP_DeleteKeyframe", 2, {2, 1}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Param(slider, 1).keyframes.clear();
        AddKeys(3);
        host.state().faults().FailOperation(c.op, c.nth, 11);
        EXPECT_EQ(Delete(), 11);
        EXPECT_EQ(DeletedIndexes(), c.deleted);
        EXPECT_EQ(Param(slider, 1).keyframes.size(), c.keys_left);
        EXPECT_EQ(HostOps().back(), "AEGP_DisposeStream");
        EXPECT_TRUE(NothingHeld(host));
        host.state().faults().Clear();
    }
}

TEST_F(DeleteAllKeyframesTest, RefusedKeyframeSuiteStillDisposesTheStream) {
    AddKeys(2);
    host.state().faults().RefuseSuite("AEGP Keyframe Suite", 4);
    EXPECT_EQ(Delete(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(Param(slider, 1).keyframes.size(), 2u);
    EXPECT_EQ(HostOps().back(), "AEGP_DisposeStream");
    EXPECT_TRUE(NothingHeld(host));
}

}  // namespace
}  // namespace library_test
