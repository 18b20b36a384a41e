#include <gtest/gtest.h>

#include "bookkeeping/Faults.h"
#include "bookkeeping/Ledger.h"

namespace {

using simhost::Faults;
using simhost::Ledger;
using simhost::Refusal;
using simhost::Resource;

TEST(Ledger, ReturningWhatWasNotHeldIsAViolation) {
    Ledger ledger;
    int thing = 0;
    ledger.Hand(Resource::StreamRef, &thing, "stream");
    EXPECT_TRUE(ledger.Take(Resource::StreamRef, &thing));
    EXPECT_FALSE(ledger.Take(Resource::StreamRef, &thing));
    EXPECT_FALSE(ledger.Take(Resource::EffectRef, &thing));
    EXPECT_TRUE(ledger.Empty());
    EXPECT_EQ(ledger.Violations().size(), 2u);
}

TEST(Ledger, CountsRepeatedHoldingsOfOneThing) {
    Ledger ledger;
    int suite = 0;
    ledger.Hand(Resource::Suite, &suite, "first");
    ledger.Hand(Resource::Suite, &suite, "second");
    EXPECT_EQ(ledger.Count(Resource::Suite), 2u);
    EXPECT_TRUE(ledger.Take(Resource::Suite, &suite));
    EXPECT_EQ(ledger.Held().front().what, "first");
}

TEST(Ledger, ReportNamesEachHoldingByItsId) {
    Ledger ledger;
    int stream = 0;
    int suite = 0;
    ledger.Hand(Resource::StreamRef, &stream, simhost::RefId{simhost::RefKind::Stream, 7}, "parameter 1 of effect 5");
    ledger.Hand(Resource::Suite, &suite, "AEGP Stream Suite v9");
    ledger.Violation("gave back a stream value it did not hold");
    EXPECT_EQ(ledger.Report(),
              "stream7 (parameter 1 of effect 5) was never disposed of\n"
              "suite AEGP Stream Suite v9 was never released\n"
              "violation: gave back a stream value it did not hold\n");
}

TEST(Faults, CallFaultsFireOnceAtTheirPosition) {
    Faults faults;
    faults.FailCall(2, 9);
    faults.FailOperation("op", 2, 11);
    EXPECT_FALSE(faults.OnCall("x", 1, 1).has_value());
    EXPECT_EQ(faults.OnCall("x", 2, 1), 9);
    EXPECT_FALSE(faults.OnCall("x", 2, 1).has_value());
    EXPECT_FALSE(faults.OnCall("op", 3, 1).has_value());
    EXPECT_EQ(faults.OnCall("op", 4, 2), 11);
    EXPECT_FALSE(faults.Armed());
}

TEST(Faults, NamedSuiteRefusalLastsUntilCleared) {
    Faults faults;
    faults.RefuseSuite("S", 1, Refusal::NullTable);
    EXPECT_EQ(faults.OnAcquire("S", 1, 1), Refusal::NullTable);
    EXPECT_EQ(faults.OnAcquire("S", 1, 2), Refusal::NullTable);
    EXPECT_FALSE(faults.OnAcquire("S", 2, 3).has_value());
    faults.Clear();
    EXPECT_FALSE(faults.OnAcquire("S", 1, 4).has_value());
}

}  // namespace
