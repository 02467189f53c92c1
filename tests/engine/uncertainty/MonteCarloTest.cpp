// The law of propagation against a Monte Carlo propagation of the same model.
#include "UncertaintySetups.h"
#include "support/TestNames.h"

#include "engine/uncertainty/CoverageFactor.h"
#include "engine/uncertainty/MonteCarlo.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kthread::uncertainty {
namespace {

UncertaintyBudget BudgetOf(const MeasurementModel& m, const BudgetOptions& o = {}) {
    const BudgetResult r = CalcUncertaintyBudget(m, o);
    EXPECT_TRUE(r) << static_cast<int>(r.error);
    return r.budget;
}

// Batches of 10^5 draws until the Monte Carlo's own noise is about a third of the tolerance it is
// compared with, so that its sampling error cannot decide the comparison: the true difference
// (the second-order shift of the mean, up to about 1.5 nm on the steep lead) already takes a
// third of the 5 nm tolerance, and at half the tolerance the noise alone reached the rest.
MonteCarloOptions ValidationRun() {
    MonteCarloOptions o;
    o.batchSize = 100000;
    o.minBatches = 10;
    o.maxBatches = 100;
    o.stabilityTarget = 0.35;
    return o;
}

MonteCarloResult Propagate(const MeasurementModel& m, const MonteCarloOptions& o) {
    const std::optional<MonteCarloResult> r = PropagateMonteCarlo(m, o);
    EXPECT_TRUE(r.has_value());
    return r.value_or(MonteCarloResult{});
}

class GumAgainstMonteCarlo
    : public ::testing::TestWithParam<std::pair<const char*, MeasurementModel>> {};

TEST_P(GumAgainstMonteCarlo, CoverageIntervalsAgreeWithinTheNumericalTolerance) {
    const MeasurementModel& model = GetParam().second;
    const UncertaintyBudget b = BudgetOf(model);
    ASSERT_TRUE(b.nearLinear) << b.nonlinearity;

    const MonteCarloResult mc = Propagate(model, ValidationRun());
    EXPECT_TRUE(mc.stabilised);
    EXPECT_EQ(mc.failedDraws, 0u);
    EXPECT_GE(mc.draws, 1000000u);

    const GumValidation v = ValidateAgainstMonteCarlo(b, mc, 2);
    EXPECT_TRUE(v.passed) << "low " << v.lowDifference << ", high " << v.highDifference
                          << ", tolerance " << v.tolerance;
    EXPECT_NEAR(mc.standardDeviation, b.combinedUncertainty, v.tolerance);
    EXPECT_NEAR(mc.mean, b.result, v.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Setups, GumAgainstMonteCarlo,
                         ::testing::Values(std::pair{"ExternalThreeWires", test::WorkedExample()},
                                           std::pair{"InternalWithBalls",
                                                     test::InternalWithBalls()},
                                           std::pair{"Taper", test::TaperThreeWires()},
                                           std::pair{"SteepLead", test::SteepLead()},
                                           std::pair{"LargeForce", test::LargeForce()}),
                         [](const auto& info) { return info.param.first; });

// Only the reading is uncertain: the result follows it with slope 1.00003, so the Monte Carlo
// interval shows the shape of the reading's distribution.
struct ShapeCase {
    const char* name;
    Distribution distribution;
    double halfIntervalOverA; // half the 95.45 % interval over the half-width a
};

class SampledShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SampledShape, HasTheStandardDeviationAndQuantilesOfItsDistribution) {
    MeasurementModel m = test::WorkedExample();
    for (InputUncertainty& stated : m.inputs.items)
        stated = {};
    const double u = 1e-3;
    m.inputs[InputQuantity::GivenValue] = {StatedAs::StandardUncertainty, u,
                                           GetParam().distribution};
    const double slope = BudgetOf(m).rows.front().sensitivity;
    MonteCarloOptions o;
    o.batchSize = 100000;
    o.maxBatches = 2;
    const MonteCarloResult mc = Propagate(m, o);
    const double a = HalfWidthFor(GetParam().distribution, u) * slope;
    EXPECT_NEAR(mc.standardDeviation, u * slope, 0.005 * u);
    EXPECT_NEAR((mc.high - mc.low) / 2, GetParam().halfIntervalOverA * a, 0.01 * a);
}

const double kP = 0.9545;
INSTANTIATE_TEST_SUITE_P(
    Shapes, SampledShape,
    ::testing::Values(ShapeCase{"Normal", Distribution::Normal, NormalQuantile((1 + kP) / 2)},
                      ShapeCase{"Rectangular", Distribution::Rectangular, kP},
                      ShapeCase{"Triangular", Distribution::Triangular, 1 - std::sqrt(1 - kP)},
                      ShapeCase{"UShaped", Distribution::UShaped,
                                std::sin(std::numbers::pi* kP / 2)}),
    kthread::test::RowName());

// A reading from four repeats (3 degrees of freedom) dominates: the Monte Carlo draws it from a
// t-distribution, and only the t-factor of the budget covers the same interval.
TEST(GumAgainstMonteCarloTypeA, FewReadingsNeedTheTFactor) {
    MeasurementModel m = test::WorkedExample();
    m.inputs[InputQuantity::GivenValue] = {StatedAs::StandardUncertainty, 2e-3,
                                           Distribution::Normal, 2, 3};
    const UncertaintyBudget fixed = BudgetOf(m);
    const UncertaintyBudget t = BudgetOf(m, {CoverageRule::StudentT});
    const MonteCarloResult mc = Propagate(m, ValidationRun());
    EXPECT_GT(t.coverageFactor, 2.5);
    EXPECT_FALSE(ValidateAgainstMonteCarlo(fixed, mc, 2).passed);
    // Welch-Satterthwaite is itself an approximation: agreement to one significant digit.
    EXPECT_TRUE(ValidateAgainstMonteCarlo(t, mc, 1).passed);
    EXPECT_LT(mc.low, fixed.result - fixed.expandedUncertainty);
    EXPECT_GT(mc.high, fixed.result + fixed.expandedUncertainty);
}

// With best-size wires the flank angles have no first-order effect, but +-1 degree is enough for
// the second-order one to move the whole distribution down: the budget says it is not
// near-linear, and its shift predicts what the Monte Carlo finds.
TEST(GumAgainstMonteCarloNonlinear, LargeFlankAngleUncertaintyShiftsTheDistribution) {
    MeasurementModel m = test::WorkedExample();
    m.inputs[InputQuantity::FlankAngle1].value = AngleRad(1, 0, 0);
    m.inputs[InputQuantity::FlankAngle2].value = AngleRad(1, 0, 0);
    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_FALSE(b.nearLinear);

    const MonteCarloResult mc = Propagate(m, ValidationRun());
    const GumValidation v = ValidateAgainstMonteCarlo(b, mc, 2);
    EXPECT_FALSE(v.passed);
    const double meanError = 3 * mc.standardDeviation / std::sqrt(double(mc.draws));
    EXPECT_NEAR(mc.mean - b.result, b.meanShift, 0.05 * std::abs(b.meanShift) + meanError);
    EXPECT_LT(mc.low, b.result - b.expandedUncertainty);
    EXPECT_LT(mc.high, b.result + b.expandedUncertainty);
}

// A linear model whose result is dominated by one rectangular input: the standard uncertainty
// is right, but the distribution is flatter than normal, and k = 2 overstates its interval.
TEST(GumAgainstMonteCarloNonGaussian, DominantRectangularInputMakesKTwoConservative) {
    MeasurementModel m = test::WorkedExample();
    m.inputs[InputQuantity::GivenValue] = {StatedAs::HalfWidth, 3e-3, Distribution::Rectangular};
    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_TRUE(b.nearLinear);
    const MonteCarloResult mc = Propagate(m, ValidationRun());
    const GumValidation v = ValidateAgainstMonteCarlo(b, mc, 2);
    EXPECT_NEAR(mc.standardDeviation, b.combinedUncertainty, v.tolerance);
    EXPECT_FALSE(v.passed);
    EXPECT_GT(mc.low, b.result - b.expandedUncertainty);
    EXPECT_LT(mc.high, b.result + b.expandedUncertainty);
}

TEST(MonteCarlo, SameSeedSameResultOtherSeedOtherDraws) {
    MonteCarloOptions o;
    o.batchSize = 1000;
    o.maxBatches = 2;
    const MonteCarloResult a = Propagate(test::WorkedExample(), o);
    const MonteCarloResult b = Propagate(test::WorkedExample(), o);
    o.seed += 1;
    const MonteCarloResult c = Propagate(test::WorkedExample(), o);
    EXPECT_EQ(a.mean, b.mean);
    EXPECT_EQ(a.low, b.low);
    EXPECT_NE(a.mean, c.mean);
}

TEST(MonteCarlo, UnusableRunsGiveNoResult) {
    MonteCarloOptions tiny;
    tiny.batchSize = 1;
    EXPECT_FALSE(PropagateMonteCarlo(test::WorkedExample(), tiny));
    MonteCarloOptions certain;
    certain.coverageProbability = 1;
    EXPECT_FALSE(PropagateMonteCarlo(test::WorkedExample(), certain));
    MeasurementModel noProbe = test::WorkedExample();
    noProbe.record.ProbeDiam = 0;
    EXPECT_FALSE(PropagateMonteCarlo(noProbe));
    MeasurementModel badUncertainty = test::WorkedExample();
    badUncertainty.inputs[InputQuantity::Pitch].value = -1;
    EXPECT_FALSE(PropagateMonteCarlo(badUncertainty));
}

TEST(NumericalTolerance, IsHalfAUnitOfTheLastSignificantDigit) {
    EXPECT_DOUBLE_EQ(NumericalTolerance(0.00081, 2), 0.5e-5);
    EXPECT_DOUBLE_EQ(NumericalTolerance(0.00099, 2), 0.5e-5);
    EXPECT_DOUBLE_EQ(NumericalTolerance(0.0012, 2), 0.5e-4);
    EXPECT_DOUBLE_EQ(NumericalTolerance(0.00081, 1), 0.5e-4);
    EXPECT_DOUBLE_EQ(NumericalTolerance(35, 2), 0.5);
    EXPECT_EQ(NumericalTolerance(0, 2), 0.0);
}

} // namespace
} // namespace kthread::uncertainty
