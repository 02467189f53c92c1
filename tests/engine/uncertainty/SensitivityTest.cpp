#include "UncertaintySetups.h"
#include "support/TestNames.h"

#include "engine/uncertainty/Sensitivity.h"
#include "engine/uncertainty/UncertaintyBudget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kthread::uncertainty {
namespace {

// A smooth function with a jump of `jump` at `at`; no value beyond `edge`.
struct SteppedFunction {
    double at = 1e9;
    double jump = 0;
    double edge = 1e9;
    std::optional<double> operator()(double x) const {
        if (x > edge)
            return std::nullopt;
        return std::sin(x) + (x >= at ? jump : 0);
    }
};

constexpr double kX = 0.7;
constexpr double kH = 1e-4;

// The central difference of sin is off by h^2 cos(x) / 6, 1.3e-9 here.
constexpr double kCentralError = 1.5e-9;

TEST(EstimateSensitivity, SmoothFunctionToSecondOrder) {
    const SteppedFunction f;
    const SensitivityEstimate c = EstimateSensitivity(f, kX, *f(kX), kH);
    ASSERT_TRUE(c.ok);
    EXPECT_NEAR(c.value, std::cos(kX), kCentralError);
    EXPECT_FALSE(c.acrossStep);
}

struct JumpCase {
    const char* name;
    double offset; // of the jump from x, in steps
};

class JumpNearTheInput : public ::testing::TestWithParam<JumpCase> {};

TEST_P(JumpNearTheInput, SlopeComesFromTheSmoothSide) {
    const SteppedFunction f{kX + GetParam().offset * kH, 2e-5};
    const SensitivityEstimate c = EstimateSensitivity(f, kX, *f(kX), kH);
    ASSERT_TRUE(c.ok);
    EXPECT_TRUE(c.acrossStep);
    EXPECT_NEAR(c.value, std::cos(kX), 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Jumps, JumpNearTheInput,
                         ::testing::Values(JumpCase{"FarHalfAbove", 0.7},
                                           JumpCase{"NearHalfAbove", 0.3},
                                           JumpCase{"NearHalfBelow", -0.3},
                                           JumpCase{"FarHalfBelow", -0.7}),
                         kthread::test::RowName());

TEST(EstimateSensitivity, JumpTooSmallToMatterIsNotLookedAt) {
    const SteppedFunction f{kX + 0.5 * kH, 1e-14};
    const SensitivityEstimate c = EstimateSensitivity(f, kX, *f(kX), kH);
    EXPECT_FALSE(c.acrossStep);
    EXPECT_NEAR(c.value, std::cos(kX), kCentralError);
}

TEST(EstimateSensitivity, EdgeOfTheModelGivesTheOneSidedSlope) {
    const SteppedFunction f{1e9, 0, kX + 0.5 * kH};
    const SensitivityEstimate c = EstimateSensitivity(f, kX, *f(kX), kH);
    ASSERT_TRUE(c.ok);
    EXPECT_NEAR(c.value, std::cos(kX), 1e-8);
}

TEST(EstimateSensitivity, NoValueOnEitherSideFails) {
    auto nothing = [](double) { return std::optional<double>{}; };
    EXPECT_FALSE(EstimateSensitivity(nothing, kX, 0, kH).ok);
}

// The budget's steps against ten times larger and smaller ones, on every set-up.
class BudgetSteps : public ::testing::TestWithParam<std::pair<const char*, MeasurementModel>> {};

TEST_P(BudgetSteps, SensitivitiesDoNotDependOnTheStep) {
    const MeasurementModel& model = GetParam().second;
    const std::vector<ModelInput> inputs = ModelInputs(model);
    std::vector<double> x;
    for (const ModelInput& input : inputs)
        x.push_back(input.value);
    const double y = *EvaluateMeasurand(model, inputs, x);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        auto at = [&, i](double v) {
            std::vector<double> shifted = x;
            shifted[i] = v;
            return EvaluateMeasurand(model, inputs, shifted);
        };
        const double h = DifferenceStep(inputs[i].quantity, inputs[i].value);
        const double c = EstimateSensitivity(at, x[i], y, h).value;
        for (double scale : {0.1, 10.0}) {
            const double other = EstimateSensitivity(at, x[i], y, h * scale).value;
            // Relative to the slope, with a floor of 1e-6 um of result per unit of uncertainty
            // (the smallest slopes, of the expansion coefficients at 20 degC, are exactly 0).
            const double floor = 1e-9 / *StandardUncertaintyOf(model.inputs[inputs[i].quantity]);
            EXPECT_NEAR(other, c, 1e-5 * std::abs(c) + floor)
                << "input " << i << ", step x" << scale;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setups, BudgetSteps,
    ::testing::Values(std::pair{"WorkedExample", test::WorkedExample()},
                      std::pair{"FarFromBestSize", test::WiresFarFromBestSize()},
                      std::pair{"InternalWithBalls", test::InternalWithBalls()},
                      std::pair{"TaperThreeWires", test::TaperThreeWires()},
                      std::pair{"SteepLead", test::SteepLead()},
                      std::pair{"LargeForce", test::LargeForce()}),
    [](const auto& info) { return info.param.first; });

// Probe diameter at which the Hertz table index of the worked example steps from 2 to 3: the
// deformation correction jumps there.
double ProbeDiamAtTableStep(const MeasurementModel& model) {
    auto index = [&](double D) {
        TPitchDiamData d = model.record;
        d.ProbeDiam = D;
        CalcPitchDiam(d);
        // The correction was computed on the pitch diameter before it was added.
        const double uncorrected = d.PitchDiam - d.DeformCorr;
        return RoundHalfAway(100 * std::sin(d.FlankAngle1) * D / uncorrected);
    };
    double below = 0.9;
    double above = 1.0;
    EXPECT_EQ(index(below), 2);
    EXPECT_EQ(index(above), 3);
    for (int i = 0; i < 60; ++i) {
        const double mid = (below + above) / 2;
        (index(mid) == 2 ? below : above) = mid;
    }
    return above;
}

TEST(BudgetSensitivity, ProbeDiamNextToAJumpOfTheDeformationCorrection) {
    MeasurementModel model = test::WorkedExample();
    const double h = DifferenceStep(InputQuantity::ProbeDiam, 1);
    const double jumpAt = ProbeDiamAtTableStep(model);

    auto probeSlope = [](const MeasurementModel& m) {
        const BudgetResult r = CalcUncertaintyBudget(m);
        EXPECT_TRUE(r);
        return r.budget.rows[1];
    };
    MeasurementModel clear = model;
    clear.record.ProbeDiam = jumpAt - 20 * h;
    const BudgetRow smooth = probeSlope(clear);
    ASSERT_EQ(smooth.quantity, InputQuantity::ProbeDiam);
    EXPECT_FALSE(smooth.acrossStep);

    model.record.ProbeDiam = jumpAt - h / 3;
    const BudgetRow nearJump = probeSlope(model);
    EXPECT_TRUE(nearJump.acrossStep);
    EXPECT_NEAR(nearJump.sensitivity, smooth.sensitivity, 1e-4);

    // A plain central difference over the jump would be off by far more than that.
    const std::vector<ModelInput> inputs = ModelInputs(model);
    std::vector<double> x;
    for (const ModelInput& input : inputs)
        x.push_back(input.value);
    std::vector<double> up = x;
    std::vector<double> down = x;
    up[1] += h;
    down[1] -= h;
    const double naive =
        (*EvaluateMeasurand(model, inputs, up) - *EvaluateMeasurand(model, inputs, down)) / (2 * h);
    EXPECT_GT(std::abs(naive - smooth.sensitivity), 1e-2);
}

} // namespace
} // namespace kthread::uncertainty
