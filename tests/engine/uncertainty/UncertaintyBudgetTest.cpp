#include "UncertaintySetups.h"
#include "support/TestNames.h"

#include "engine/uncertainty/CoverageFactor.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kthread::uncertainty {
namespace {

using test::WorkedExample;

const BudgetRow& Row(const UncertaintyBudget& b, InputQuantity q, int probe = 0) {
    for (const BudgetRow& row : b.rows)
        if (row.quantity == q && row.probe == probe)
            return row;
    ADD_FAILURE() << "no row " << static_cast<int>(q) << "/" << probe;
    return b.rows.front();
}

UncertaintyBudget BudgetOf(const MeasurementModel& m, const BudgetOptions& o = {}) {
    const BudgetResult r = CalcUncertaintyBudget(m, o);
    EXPECT_TRUE(r) << static_cast<int>(r.error);
    return r.budget;
}

// What a metrologist checks first on the worked example: the classical wire formula
// d2 = M - D (1 + 1/sin a) + (P/2) cot a gives the weights of the main inputs.
TEST(WorkedExampleBudget, WeightsOfWirePitchAndReadingAreThoseOfTheWireFormula) {
    const UncertaintyBudget b = BudgetOf(WorkedExample());
    const double a = std::numbers::pi / 6;
    EXPECT_EQ(b.measurand, Measurand::PitchDiam);
    EXPECT_NEAR(b.result, 18.70062 + 0.000648, 0.000005); // with the deformation correction
    EXPECT_NEAR(Row(b, InputQuantity::GivenValue).sensitivity, 1.0, 1e-3);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam).sensitivity, -(1 + 1 / std::sin(a)), 3e-3);
    EXPECT_NEAR(Row(b, InputQuantity::Pitch).sensitivity, 0.5 / std::tan(a), 3e-3);
    // The wire weighs three times its uncertainty, the pitch 0.87 times.
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam).contribution /
                    Row(b, InputQuantity::ProbeDiam).standardUncertainty,
                3.0, 0.01);
    EXPECT_NEAR(Row(b, InputQuantity::Pitch).contribution /
                    Row(b, InputQuantity::Pitch).standardUncertainty,
                0.87, 0.01);
}

TEST(WorkedExampleBudget, FlankAnglesNearlyCancelWithBestSizeWires) {
    const UncertaintyBudget b = BudgetOf(WorkedExample());
    for (InputQuantity q : {InputQuantity::FlankAngle1, InputQuantity::FlankAngle2}) {
        EXPECT_LT(std::abs(Row(b, q).sensitivity), 0.001) << "mm/rad";
        EXPECT_LT(Row(b, q).varianceShare, 1e-4);
    }
}

TEST(WorkedExampleBudget, FlankAnglesWeighWithWiresFarFromBestSize) {
    const UncertaintyBudget b = BudgetOf(test::WiresFarFromBestSize());
    // Half of d(d2)/da = (D cos a - P/2) / sin^2 a for each flank.
    const double a = std::numbers::pi / 6;
    const double perFlank = (1.2 * std::cos(a) - 0.75) / (2 * std::sin(a) * std::sin(a));
    for (InputQuantity q : {InputQuantity::FlankAngle1, InputQuantity::FlankAngle2}) {
        EXPECT_NEAR(Row(b, q).sensitivity, perFlank, 1e-3 * perFlank);
        EXPECT_GT(Row(b, q).varianceShare, 0.1);
    }
}

TEST(WorkedExampleBudget, ContributionsCombineToTheCombinedUncertainty) {
    const UncertaintyBudget b = BudgetOf(WorkedExample());
    double variance = 0;
    double shares = 0;
    for (const BudgetRow& row : b.rows) {
        EXPECT_NEAR(row.contribution, std::abs(row.sensitivity) * row.standardUncertainty, 1e-18);
        variance += row.contribution * row.contribution;
        shares += row.varianceShare;
    }
    EXPECT_NEAR(b.combinedUncertainty, std::sqrt(variance), 1e-15);
    EXPECT_NEAR(shares, 1.0, 1e-12);
    EXPECT_EQ(b.coverageFactor, 2.0);
    EXPECT_EQ(b.expandedUncertainty, 2 * b.combinedUncertainty);
    EXPECT_TRUE(std::isinf(b.effectiveDof));
    // With the laboratory's defaults: a little under a micrometre.
    EXPECT_GT(b.combinedUncertainty, 0.7e-3);
    EXPECT_LT(b.combinedUncertainty, 1.1e-3);
    EXPECT_TRUE(b.nearLinear);
}

// Temperature: the exact chain rule of the thermal model at dt = 0 gives the two slopes.
TEST(WorkedExampleBudget, TemperatureSlopesFollowTheExpansionOfPartAndProbes) {
    const MeasurementModel m = WorkedExample();
    const UncertaintyBudget b = BudgetOf(m);
    const double cP = Row(b, InputQuantity::Pitch).sensitivity;
    const double cD = Row(b, InputQuantity::ProbeDiam).sensitivity;
    const double aT = m.thermal.partExpansion;
    const double aP = m.thermal.probeExpansion;
    EXPECT_NEAR(Row(b, InputQuantity::PartTemperature).sensitivity,
                aT * (m.record.Pitch * cP - b.result), 1e-9);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeTemperature).sensitivity, aP * m.record.ProbeDiam * cD,
                1e-10);
    // With no temperature difference to correct, the coefficients themselves do not enter.
    EXPECT_EQ(Row(b, InputQuantity::PartExpansion).contribution, 0.0);
    EXPECT_EQ(Row(b, InputQuantity::ProbeExpansion).contribution, 0.0);
}

TEST(WorkedExampleBudget, AWarmPartIsCorrectedBackTo20Degrees) {
    MeasurementModel warm = WorkedExample();
    warm.thermal.partDeltaT = 2;
    warm.thermal.probeDeltaT = 2;
    const UncertaintyBudget cold = BudgetOf(WorkedExample());
    const UncertaintyBudget b = BudgetOf(warm);
    // Everything 23 um/m longer: the reading over the warm set-up is that much too large.
    const double scale = 1 + 2 * kSteelExpansion;
    MeasurementModel scaled = WorkedExample();
    scaled.record.SizeOver = 20 / scale;
    EXPECT_NEAR(b.result, BudgetOf(scaled).result, 2e-8);
    EXPECT_LT(b.result, cold.result);
    // Now the expansion coefficients do enter: dt times the length they act on.
    const double expected =
        2 * Row(cold, InputQuantity::PartTemperature).sensitivity / kSteelExpansion;
    EXPECT_NEAR(Row(b, InputQuantity::PartExpansion).sensitivity, expected,
                1e-4 * std::abs(expected));
}

TEST(Budget, ThreeIndependentWiresShareTheSlopeOneHalfAndTwoQuarters) {
    MeasurementModel m = WorkedExample();
    const UncertaintyBudget common = BudgetOf(m);
    m.probes = ProbeCorrelation::Independent;
    const UncertaintyBudget b = BudgetOf(m);
    ASSERT_EQ(b.rows.size(), common.rows.size() + 2);
    const double cD = Row(common, InputQuantity::ProbeDiam).sensitivity;
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam, 1).sensitivity, cD / 2, 1e-9);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam, 2).sensitivity, cD / 4, 1e-9);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam, 3).sensitivity, cD / 4, 1e-9);
    // Uncorrelated wires: sqrt(1/4 + 1/16 + 1/16) of the common contribution.
    const double common2 = std::pow(Row(common, InputQuantity::ProbeDiam).contribution, 2);
    const double expected2 =
        common.combinedUncertainty * common.combinedUncertainty - common2 * (1 - 0.375);
    EXPECT_NEAR(b.combinedUncertainty, std::sqrt(expected2), 1e-12);
    EXPECT_EQ(b.result, common.result);
}

TEST(Budget, TwoIndependentBallsShareTheSlopeEqually) {
    MeasurementModel m = test::InternalWithBalls();
    const double cD = Row(BudgetOf(m), InputQuantity::ProbeDiam).sensitivity;
    m.probes = ProbeCorrelation::Independent;
    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam, 1).sensitivity, cD / 2, 1e-9);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam, 2).sensitivity, cD / 2, 1e-9);
    EXPECT_GT(cD, 1.9); // balls inside: the size grows with the ball
}

TEST(Budget, WithoutForceNeitherForceNorModulusEnters) {
    MeasurementModel m = WorkedExample();
    m.record.Force = 0;
    const UncertaintyBudget b = BudgetOf(m);
    for (const BudgetRow& row : b.rows) {
        EXPECT_NE(row.quantity, InputQuantity::Force);
        EXPECT_NE(row.quantity, InputQuantity::ThreadModulus);
    }
    EXPECT_NEAR(b.result, 18.70062, 0.000005);
}

TEST(Budget, PitchDiamGivenEvaluatesTheSizeOverTheWires) {
    MeasurementModel m = WorkedExample();
    m.record.GivenQty = 2;
    m.record.PitchDiam = 18.7;
    m.inputs[InputQuantity::GivenValue].value = 0; // a nominal value, exact
    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_EQ(b.measurand, Measurand::SizeOver);
    EXPECT_NEAR(b.result, 20.0, 0.002);
    EXPECT_NEAR(Row(b, InputQuantity::ProbeDiam).sensitivity, 3.0, 0.01);
    EXPECT_NEAR(Row(b, InputQuantity::Pitch).sensitivity, -0.866, 0.01);
    EXPECT_EQ(Row(b, InputQuantity::GivenValue).contribution, 0.0);
}

// Welch-Satterthwaite: a reading from five repeats (4 degrees of freedom) alone gives those 4
// degrees of freedom and k = t(95.45 %, 4) = 2.87; beside Type B inputs they grow by
// (u_c / u_reading)^4.
TEST(Budget, EffectiveDegreesOfFreedomAndTheTFactor) {
    MeasurementModel m = WorkedExample();
    for (InputUncertainty& stated : m.inputs.items)
        stated = {};
    m.inputs[InputQuantity::GivenValue] = {StatedAs::StandardUncertainty, 0.8e-3,
                                           Distribution::Normal, 2, 4};
    const BudgetOptions tRule{CoverageRule::StudentT};
    const UncertaintyBudget alone = BudgetOf(m, tRule);
    EXPECT_NEAR(alone.effectiveDof, 4.0, 1e-9);
    EXPECT_NEAR(alone.coverageFactor, 2.87, 0.005);
    EXPECT_NEAR(alone.expandedUncertainty, alone.coverageFactor * alone.combinedUncertainty, 1e-15);

    m.inputs[InputQuantity::ProbeDiam] = LabDefaultInputs()[InputQuantity::ProbeDiam];
    const UncertaintyBudget mixed = BudgetOf(m, tRule);
    const double share = Row(mixed, InputQuantity::GivenValue).varianceShare;
    EXPECT_NEAR(mixed.effectiveDof, 4.0 / (share * share), 1e-6);
    EXPECT_NEAR(mixed.coverageFactor,
                StudentTCoverageFactor(0.9545, std::floor(mixed.effectiveDof)), 1e-12);
    EXPECT_LT(mixed.coverageFactor, alone.coverageFactor);

    // The fixed rule keeps k = 2 whatever the degrees of freedom.
    EXPECT_EQ(BudgetOf(m).coverageFactor, 2.0);
}

TEST(Budget, LargeFlankAngleUncertaintyWithBestSizeWiresIsNotNearLinear) {
    MeasurementModel m = WorkedExample();
    m.inputs[InputQuantity::FlankAngle1].value = AngleRad(1, 0, 0);
    m.inputs[InputQuantity::FlankAngle2].value = AngleRad(1, 0, 0);
    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_FALSE(b.nearLinear);
    // The first-order terms stay negligible; the second-order ones lower the mean.
    EXPECT_LT(Row(b, InputQuantity::FlankAngle1).varianceShare, 1e-3);
    EXPECT_LT(b.meanShift, -0.05 * b.combinedUncertainty);
    EXPECT_NEAR(b.meanShift,
                Row(b, InputQuantity::FlankAngle1).curvature +
                    Row(b, InputQuantity::FlankAngle2).curvature,
                0.01 * std::abs(b.meanShift));
}

// A steep multi-start thread whose contact angle has no solution below about m = 15.53 mm: with
// the nominal m just above that edge and u(m) reaching over it, the budget still has every slope
// but cannot call the model near-linear.
TEST(Budget, EdgeOfTheModelWithinTheUncertaintyIsNotNearLinear) {
    MeasurementModel m = test::SteepMultiStart();
    m.record.SizeCtr = 15.535;
    m.inputs[InputQuantity::GivenValue] = {StatedAs::StandardUncertainty, 0.01};
    auto hasValueAt = [&](double size) {
        std::vector<ModelInput> inputs = ModelInputs(m);
        std::vector<double> x;
        for (const ModelInput& input : inputs)
            x.push_back(input.quantity == InputQuantity::GivenValue ? size : input.value);
        return EvaluateMeasurand(m, inputs, x).has_value();
    };
    ASSERT_TRUE(hasValueAt(15.535));
    ASSERT_FALSE(hasValueAt(15.525));

    const UncertaintyBudget b = BudgetOf(m);
    EXPECT_FALSE(b.nearLinear);
    EXPECT_TRUE(std::isinf(b.nonlinearity));
}

struct ErrorCase {
    const char* name;
    void (*change)(MeasurementModel&, BudgetOptions&);
    BudgetError error;
};

class BudgetErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(BudgetErrors, AreReportedNotComputed) {
    MeasurementModel m = WorkedExample();
    BudgetOptions o;
    GetParam().change(m, o);
    const BudgetResult r = CalcUncertaintyBudget(m, o);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BudgetErrors,
    ::testing::Values(ErrorCase{"NegativeUncertainty",
                                [](MeasurementModel& m, BudgetOptions&) {
                                    m.inputs[InputQuantity::Pitch].value = -1e-3;
                                },
                                BudgetError::InvalidUncertainty},
                      ErrorCase{"NoProbe",
                                [](MeasurementModel& m, BudgetOptions&) { m.record.ProbeDiam = 0; },
                                BudgetError::ModelFailed},
                      ErrorCase{"UnknownGivenQuantity",
                                [](MeasurementModel& m, BudgetOptions&) { m.record.GivenQty = 7; },
                                BudgetError::ModelFailed},
                      ErrorCase{"ZeroCoverageFactor",
                                [](MeasurementModel&, BudgetOptions& o) { o.coverageFactor = 0; },
                                BudgetError::InvalidOptions},
                      ErrorCase{"CertainCoverage",
                                [](MeasurementModel&, BudgetOptions& o) {
                                    o.coverage = CoverageRule::StudentT;
                                    o.coverageProbability = 1;
                                },
                                BudgetError::InvalidOptions}),
    kthread::test::RowName());

TEST(Budget, InvalidUncertaintyNamesTheInput) {
    MeasurementModel m = WorkedExample();
    m.inputs[InputQuantity::Force].coverageFactor = 0;
    m.inputs[InputQuantity::Force].distribution = Distribution::Normal;
    m.inputs[InputQuantity::Force].kind = StatedAs::HalfWidth;
    const BudgetResult r = CalcUncertaintyBudget(m);
    EXPECT_EQ(r.error, BudgetError::InvalidUncertainty);
    EXPECT_EQ(r.failedInput, InputQuantity::Force);
}

} // namespace
} // namespace kthread::uncertainty
