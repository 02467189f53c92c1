#include "engine/uncertainty/ConformityDecision.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kthread::uncertainty {
namespace {

// Limits 10 and 11 mm, U = 0.125 mm: every value below is exact in binary, so the boundaries
// are hit exactly.
constexpr double kLower = 10;
constexpr double kUpper = 11;
constexpr double kU = 0.125;

struct DecisionCase {
    const char* name;
    double result;
    DecisionRule rule;
    Conformity expected;
    double margin;
};

class Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Decision, FollowsTheRule) {
    const DecisionCase& c = GetParam();
    const std::optional<ConformityVerdict> v =
        DecideConformity(c.result, kU, kLower, kUpper, c.rule);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->conformity, c.expected);
    EXPECT_EQ(v->margin, c.margin);
}

constexpr DecisionRule kGuard = DecisionRule::GuardBanded;
constexpr DecisionRule kSimple = DecisionRule::SimpleAcceptance;

INSTANTIATE_TEST_SUITE_P(
    Rules, Decision,
    ::testing::Values(
        DecisionCase{"MidZoneConforms", 10.5, kGuard, Conformity::Conforms, 0.375},
        DecisionCase{"OnTheShrunkLowerLimitConforms", 10.125, kGuard, Conformity::Conforms, 0},
        DecisionCase{"OnTheShrunkUpperLimitConforms", 10.875, kGuard, Conformity::Conforms, 0},
        DecisionCase{"InsideTheGuardBandIsNotProvable", 10.0625, kGuard, Conformity::NotProvable,
                     -0.0625},
        DecisionCase{"OnTheLimitIsNotProvable", 11, kGuard, Conformity::NotProvable, -0.125},
        DecisionCase{"OnTheWidenedLimitIsNotProvable", 9.875, kGuard, Conformity::NotProvable,
                     -0.25},
        DecisionCase{"BeyondTheWidenedLowerLimitDoesNotConform", 9.8125, kGuard,
                     Conformity::DoesNotConform, -0.3125},
        DecisionCase{"BeyondTheWidenedUpperLimitDoesNotConform", 11.25, kGuard,
                     Conformity::DoesNotConform, -0.375},
        DecisionCase{"SimpleInsideTheGuardBandConforms", 10.0625, kSimple, Conformity::Conforms,
                     0.0625},
        DecisionCase{"SimpleOnTheLimitConforms", 10, kSimple, Conformity::Conforms, 0},
        DecisionCase{"SimpleJustOutsideDoesNotConform", 11.0625, kSimple,
                     Conformity::DoesNotConform, -0.0625}),
    kthread::test::RowName());

TEST(DecisionZones, TellTheNearerLimitAndTheDistanceToIt) {
    const ConformityVerdict low = *DecideConformity(10.25, kU, kLower, kUpper);
    EXPECT_EQ(low.nearerLimit, LimitSide::Lower);
    EXPECT_EQ(low.distanceToLimit, 0.25);
    EXPECT_EQ(low.margin, 0.125);
    const ConformityVerdict high = *DecideConformity(11.5, kU, kLower, kUpper);
    EXPECT_EQ(high.nearerLimit, LimitSide::Upper);
    EXPECT_EQ(high.distanceToLimit, -0.5);
}

TEST(DecisionZones, ToleranceNoWiderThan2UCanNeverBeProvenToConform) {
    // Zone of exactly 2U: only its middle conforms. Narrower: nothing does.
    EXPECT_EQ(DecideConformity(10.125, kU, 10, 10.25)->conformity, Conformity::Conforms);
    EXPECT_EQ(DecideConformity(10.125, 0.25, 10, 10.25)->conformity, Conformity::NotProvable);
    EXPECT_EQ(DecideConformity(10.125, 0.25, 10, 10.25, kSimple)->conformity, Conformity::Conforms);
    EXPECT_EQ(DecideConformity(9.5, 0.25, 10, 10.25)->conformity, Conformity::DoesNotConform);
}

TEST(DecisionZones, ZeroUncertaintyMakesBothRulesAgree) {
    for (double r : {9.75, 10.0, 10.5, 11.0, 11.25}) {
        const auto guard = DecideConformity(r, 0, kLower, kUpper, kGuard);
        const auto simple = DecideConformity(r, 0, kLower, kUpper, kSimple);
        EXPECT_EQ(guard->conformity, simple->conformity) << r;
        EXPECT_EQ(guard->margin, simple->margin) << r;
    }
}

TEST(DecisionZones, UnusableArgumentsGiveNoVerdict) {
    EXPECT_FALSE(DecideConformity(10.5, -0.001, kLower, kUpper));
    EXPECT_FALSE(DecideConformity(10.5, kU, kUpper, kLower));
    EXPECT_FALSE(DecideConformity(std::nan(""), kU, kLower, kUpper));
    EXPECT_FALSE(DecideConformity(10.5, INFINITY, kLower, kUpper));
    EXPECT_FALSE(DecideConformity(10.5, kU, -INFINITY, kUpper));
}

} // namespace
} // namespace kthread::uncertainty
