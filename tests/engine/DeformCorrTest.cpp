#include "EngineTestRecords.h"
#include "engine/HertzCoeffTable.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

namespace kthread {
namespace {

// The metric thread's pitch diameter with a 1 N force.
TPitchDiamData LoadedMetricThread(std::uint8_t measMode) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.MeasMode = measMode;
    d.PitchDiam = 18.70062;
    d.Force = 1;
    return d;
}

double DeformCorrOf(TPitchDiamData d) {
    EXPECT_TRUE(CalcDeformCorr(d));
    return d.DeformCorr;
}

TEST(DeformCorr, MetricThreadWithThreeAndTwoWires) {
    const double three = DeformCorrOf(LoadedMetricThread(0));
    const double two = DeformCorrOf(LoadedMetricThread(1));
    EXPECT_NEAR(three, 0.000648, 0.0000005);
    EXPECT_NEAR(two, 0.000795, 0.0000005);
    EXPECT_NEAR(two / 2000, 3.974e-7, 0.0005e-7); // radial displacement in metres
    EXPECT_NEAR(three / two, 1629.961 / 2000, 1e-12);
}

struct ArrangementCase {
    const char* name;
    std::uint8_t threadType;
    std::uint8_t measMode;
    double probeDiam;
};

class Arrangement : public ::testing::TestWithParam<ArrangementCase> {};

// Hertz approach grows with F^(2/3) while the table rows stay the same.
TEST_P(Arrangement, DoublingTheForceScalesByTwoToTheTwoThirds) {
    const ArrangementCase& c = GetParam();
    TPitchDiamData d = LoadedMetricThread(c.measMode);
    d.ThreadType = c.threadType;
    d.ProbeDiam = c.probeDiam;
    const double single = DeformCorrOf(d);
    d.Force = 2;
    const double doubled = DeformCorrOf(d);
    EXPECT_GT(single, 0);
    EXPECT_NEAR(doubled / single, std::cbrt(4.0), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Arrangements, Arrangement,
                         ::testing::Values(ArrangementCase{"ExternalThreeWires", 0, 0, 0.866},
                                           ArrangementCase{"ExternalTwoWires", 0, 1, 0.866},
                                           ArrangementCase{"ExternalInclined", 0, 2, 0.866},
                                           ArrangementCase{"InternalBalls", 1, 0, 1.5},
                                           ArrangementCase{"TaperTwoWires", 2, 0, 0.866},
                                           ArrangementCase{"TaperThreeWires", 2, 1, 0.866},
                                           ArrangementCase{"InternalTaperBalls", 3, 0, 1.5}),
                         kthread::test::RowName());

TEST(DeformCorr, FactorFollowsTheNumberOfProbesNotTheThreadShape) {
    auto corr = [](std::uint8_t type, std::uint8_t mode) {
        TPitchDiamData d = LoadedMetricThread(mode);
        d.ThreadType = type;
        return DeformCorrOf(d);
    };
    EXPECT_EQ(corr(0, 0), corr(2, 1)); // three wires
    EXPECT_EQ(corr(0, 1), corr(2, 0)); // two wires
    EXPECT_EQ(corr(0, 1), corr(0, 2)); // two wires inclined
    EXPECT_EQ(corr(1, 0), corr(3, 0)); // balls
    EXPECT_NE(corr(0, 1), corr(1, 0)); // wire on a ridge against ball in a groove
}

// For an external thread with equal flanks the rows depend on r = sin a * D / d2, and
// A2 is proportional to K / (d2 * L)^(1/3). Pairs of pitch diameters that pick the same row
// therefore differ by the cube root of their ratio alone.
double ExternalCorrAtRatio(double hundredTimesRatio) {
    TPitchDiamData d = LoadedMetricThread(1);
    d.ProbeDiam = 1;
    d.PitchDiam = 0.5 * d.ProbeDiam / (hundredTimesRatio / 100); // sin 30 deg = 0.5
    return DeformCorrOf(d);
}

double PitchDiamAtRatio(double hundredTimesRatio) {
    return 0.5 / (hundredTimesRatio / 100);
}

double ExpectedRatio(double hundredA, double hundredB, std::int64_t rowA, std::int64_t rowB) {
    const HertzCoeffs a = HertzCoeffRow(rowA);
    const HertzCoeffs b = HertzCoeffRow(rowB);
    return (a.first / b.first) * std::cbrt((PitchDiamAtRatio(hundredB) * b.second) /
                                           (PitchDiamAtRatio(hundredA) * a.second));
}

TEST(DeformCorr, RatioBelowHalfAPercentFallsBackToRowOne) {
    // 0.4 rounds to index 0, 0.6 to index 1: both must read row 1.
    EXPECT_NEAR(ExternalCorrAtRatio(0.4) / ExternalCorrAtRatio(0.6), ExpectedRatio(0.4, 0.6, 1, 1),
                1e-12);
}

TEST(DeformCorr, RatioAboveOneHundredFallsBackToRowOneNotRowHundred) {
    // A probe larger than the pitch diameter: 100.6 rounds to 101, outside the table.
    EXPECT_NEAR(ExternalCorrAtRatio(100.6) / ExternalCorrAtRatio(0.6),
                ExpectedRatio(100.6, 0.6, 1, 1), 1e-12);
    EXPECT_NEAR(ExternalCorrAtRatio(99.6) / ExternalCorrAtRatio(0.6),
                ExpectedRatio(99.6, 0.6, 100, 1), 1e-12);
}

struct FaultCase {
    const char* name;
    void (*spoil)(TPitchDiamData&);
};

class DeformFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(DeformFault, ReturnsFalseAndLeavesTheCorrection) {
    TPitchDiamData d = LoadedMetricThread(0);
    GetParam().spoil(d);
    d.DeformCorr = 0.0625;
    const TPitchDiamData before = d;
    EXPECT_FALSE(CalcDeformCorr(d));
    EXPECT_TRUE(test::ChangedFields(before, d).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DeformFault,
    ::testing::Values(
        FaultCase{"ZeroPitchDiamExternal", [](TPitchDiamData& d) { d.PitchDiam = 0; }},
        FaultCase{"ZeroPitchDiamInternal",
                  [](TPitchDiamData& d) {
                      d.ThreadType = 1;
                      d.PitchDiam = 0;
                  }},
        FaultCase{"ZeroBallDiam",
                  [](TPitchDiamData& d) {
                      d.ThreadType = 1;
                      d.ProbeDiam = 0;
                  }},
        FaultCase{"ZeroProbeModulus", [](TPitchDiamData& d) { d.ProbeModulus = 0; }},
        FaultCase{"ZeroThreadModulus", [](TPitchDiamData& d) { d.ThreadModulus = 0; }},
        FaultCase{"ZeroForce", [](TPitchDiamData& d) { d.Force = 0; }},
        FaultCase{"NegativeContactSizeHasNoRealCubeRoot", [](TPitchDiamData& d) { d.Force = -1; }},
        FaultCase{"FlatFlanks",
                  [](TPitchDiamData& d) {
                      d.FlankAngle1 = 0;
                      d.FlankAngle2 = 0;
                  }},
        FaultCase{"PitchDiamTooSmallForAnIndex", [](TPitchDiamData& d) { d.PitchDiam = 1e-300; }},
        FaultCase{"UnknownThreadType", [](TPitchDiamData& d) { d.ThreadType = 4; }}),
    kthread::test::RowName());

struct RoundCase {
    const char* name;
    long double x;
    std::int64_t expected;
};

class RoundHalfAwayCase : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfAwayCase, Rounds) {
    EXPECT_EQ(RoundHalfAway(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundHalfAwayCase,
    ::testing::Values(RoundCase{"HalfUp", 2.5L, 3}, RoundCase{"NegativeHalfDown", -2.5L, -3},
                      RoundCase{"JustBelowHalf", 2.4999L, 2},
                      RoundCase{"LargestDoubleBelowHalf", 0.49999999999999994L, 0},
                      RoundCase{"HalfPercentIsIndexOne", 0.5L, 1},
                      RoundCase{"BelowHalfPercentIsIndexZero", 0.4L, 0},
                      RoundCase{"AboveTable", 100.5L, 101}, RoundCase{"NegativeSmall", -0.4L, 0},
                      RoundCase{"NegativeHalf", -0.5L, -1}, RoundCase{"Whole", 7.0L, 7},
                      RoundCase{"Large", 1e18L, 1000000000000000000}),
    kthread::test::RowName());

TEST(RoundHalfAway, OutOfRangeIsAnInvalidOperation) {
    for (long double x : {1e19L, -1e19L, static_cast<long double>(NAN)}) {
        std::feclearexcept(FE_ALL_EXCEPT);
        RoundHalfAway(x);
        EXPECT_TRUE(std::fetestexcept(FE_INVALID)) << static_cast<double>(x);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace
} // namespace kthread
