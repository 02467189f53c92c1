#include "engine/uncertainty/UncertaintySpec.h"
#include "engine/uncertainty/LabDefaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kthread::uncertainty {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct SpecCase {
    const char* name;
    UncertaintySpec spec;
    double expected;
};

class StandardUncertaintyOfSpec : public ::testing::TestWithParam<SpecCase> {};

TEST_P(StandardUncertaintyOfSpec, FollowsTheDistributionsDivisor) {
    const std::optional<double> u = StandardUncertaintyOf(GetParam().spec);
    ASSERT_TRUE(u.has_value());
    EXPECT_NEAR(*u, GetParam().expected, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, StandardUncertaintyOfSpec,
    ::testing::Values(
        SpecCase{"StandardGivenIsTaken", {SpecKind::StandardUncertainty, 0.25}, 0.25},
        SpecCase{"StandardIgnoresTheDistribution",
                 {SpecKind::StandardUncertainty, 0.25, Distribution::UShaped},
                 0.25},
        SpecCase{
            "NormalHalfWidthIsUOverK", {SpecKind::HalfWidth, 1.0, Distribution::Normal, 2}, 0.5},
        SpecCase{"NormalHalfWidthWithK3", {SpecKind::HalfWidth, 1.5, Distribution::Normal, 3}, 0.5},
        SpecCase{"RectangularOverRoot3",
                 {SpecKind::HalfWidth, std::sqrt(3.0), Distribution::Rectangular},
                 1},
        SpecCase{"TriangularOverRoot6",
                 {SpecKind::HalfWidth, std::sqrt(6.0), Distribution::Triangular},
                 1},
        SpecCase{
            "UShapedOverRoot2", {SpecKind::HalfWidth, std::sqrt(2.0), Distribution::UShaped}, 1},
        SpecCase{"ZeroIsUsable", {SpecKind::HalfWidth, 0, Distribution::Rectangular}, 0},
        SpecCase{"TypeAWithFewReadings",
                 {SpecKind::StandardUncertainty, 0.1, Distribution::Normal, 2, 1},
                 0.1}),
    [](const auto& info) { return info.param.name; });

struct BadSpecCase {
    const char* name;
    UncertaintySpec spec;
};

class UnusableSpec : public ::testing::TestWithParam<BadSpecCase> {};

TEST_P(UnusableSpec, HasNoStandardUncertainty) {
    EXPECT_FALSE(StandardUncertaintyOf(GetParam().spec).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Specs, UnusableSpec,
    ::testing::Values(
        BadSpecCase{"Negative", {SpecKind::StandardUncertainty, -1e-6}},
        BadSpecCase{"NotANumber", {SpecKind::HalfWidth, kNaN, Distribution::Rectangular}},
        BadSpecCase{"Infinite", {SpecKind::StandardUncertainty, kInf}},
        BadSpecCase{"ZeroCoverageFactor", {SpecKind::HalfWidth, 1, Distribution::Normal, 0}},
        BadSpecCase{"NegativeCoverageFactor", {SpecKind::HalfWidth, 1, Distribution::Normal, -2}},
        BadSpecCase{"DofBelowOne",
                    {SpecKind::StandardUncertainty, 1, Distribution::Normal, 2, 0.5}},
        BadSpecCase{"DofNotANumber",
                    {SpecKind::StandardUncertainty, 1, Distribution::Normal, 2, kNaN}}),
    [](const auto& info) { return info.param.name; });

TEST(HalfWidthFor, InvertsTheDivisorOfEveryDistribution) {
    for (Distribution d : {Distribution::Normal, Distribution::Rectangular,
                           Distribution::Triangular, Distribution::UShaped}) {
        const UncertaintySpec spec{SpecKind::HalfWidth, HalfWidthFor(d, 0.3), d, 1};
        EXPECT_NEAR(*StandardUncertaintyOf(spec), 0.3, 1e-15) << static_cast<int>(d);
    }
}

TEST(LabDefaults, EveryInputHasAUsablePositiveUncertainty) {
    const UncertaintyInputs in = LabDefaultInputs();
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const std::optional<double> u = StandardUncertaintyOf(in.specs[i]);
        ASSERT_TRUE(u.has_value()) << i;
        EXPECT_GT(*u, 0) << i;
    }
    // A reading to a micrometre and probes better than that, in millimetres.
    EXPECT_NEAR(*StandardUncertaintyOf(in[InputQuantity::GivenValue]), 0.5e-3, 1e-12);
    EXPECT_LT(*StandardUncertaintyOf(in[InputQuantity::ProbeDiam]),
              *StandardUncertaintyOf(in[InputQuantity::GivenValue]));
}

TEST(LabDefaults, RubyProbesExpandLessThanSteelOnes) {
    TPitchDiamData steel{};
    steel.ProbeModulus = kSteelModulus;
    TPitchDiamData ruby{};
    ruby.ProbeModulus = kRubyModulus;
    EXPECT_EQ(DefaultThermalConditions(steel).probeExpansion, kSteelExpansion);
    EXPECT_EQ(DefaultThermalConditions(ruby).probeExpansion, kRubyExpansion);
    EXPECT_EQ(DefaultThermalConditions(ruby).partExpansion, kSteelExpansion);
    EXPECT_EQ(DefaultThermalConditions(ruby).partDeltaT, 0.0);
}

} // namespace
} // namespace kthread::uncertainty
