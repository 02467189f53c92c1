#include "engine/uncertainty/InputUncertainty.h"
#include "engine/uncertainty/LabDefaults.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kthread::uncertainty {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct UncertaintyCase {
    const char* name;
    InputUncertainty stated;
    double expected;
};

class StandardUncertaintyOfInput : public ::testing::TestWithParam<UncertaintyCase> {};

TEST_P(StandardUncertaintyOfInput, FollowsTheDistributionsDivisor) {
    const std::optional<double> u = StandardUncertaintyOf(GetParam().stated);
    ASSERT_TRUE(u.has_value());
    EXPECT_NEAR(*u, GetParam().expected, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Stated, StandardUncertaintyOfInput,
    ::testing::Values(
        UncertaintyCase{"StandardGivenIsTaken", {StatedAs::StandardUncertainty, 0.25}, 0.25},
        UncertaintyCase{"StandardIgnoresTheDistribution",
                        {StatedAs::StandardUncertainty, 0.25, Distribution::UShaped},
                        0.25},
        UncertaintyCase{
            "NormalHalfWidthIsUOverK", {StatedAs::HalfWidth, 1.0, Distribution::Normal, 2}, 0.5},
        UncertaintyCase{
            "NormalHalfWidthWithK3", {StatedAs::HalfWidth, 1.5, Distribution::Normal, 3}, 0.5},
        UncertaintyCase{"RectangularOverRoot3",
                        {StatedAs::HalfWidth, std::sqrt(3.0), Distribution::Rectangular},
                        1},
        UncertaintyCase{"TriangularOverRoot6",
                        {StatedAs::HalfWidth, std::sqrt(6.0), Distribution::Triangular},
                        1},
        UncertaintyCase{
            "UShapedOverRoot2", {StatedAs::HalfWidth, std::sqrt(2.0), Distribution::UShaped}, 1},
        UncertaintyCase{"ZeroIsUsable", {StatedAs::HalfWidth, 0, Distribution::Rectangular}, 0},
        UncertaintyCase{"TypeAWithFewReadings",
                        {StatedAs::StandardUncertainty, 0.1, Distribution::Normal, 2, 1},
                        0.1}),
    kthread::test::RowName());

struct BadUncertaintyCase {
    const char* name;
    InputUncertainty stated;
};

class UnusableUncertainty : public ::testing::TestWithParam<BadUncertaintyCase> {};

TEST_P(UnusableUncertainty, HasNoStandardUncertainty) {
    EXPECT_FALSE(StandardUncertaintyOf(GetParam().stated).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Stated, UnusableUncertainty,
    ::testing::Values(
        BadUncertaintyCase{"Negative", {StatedAs::StandardUncertainty, -1e-6}},
        BadUncertaintyCase{"NotANumber", {StatedAs::HalfWidth, kNaN, Distribution::Rectangular}},
        BadUncertaintyCase{"Infinite", {StatedAs::StandardUncertainty, kInf}},
        BadUncertaintyCase{"ZeroCoverageFactor", {StatedAs::HalfWidth, 1, Distribution::Normal, 0}},
        BadUncertaintyCase{"NegativeCoverageFactor",
                           {StatedAs::HalfWidth, 1, Distribution::Normal, -2}},
        BadUncertaintyCase{"DofBelowOne",
                           {StatedAs::StandardUncertainty, 1, Distribution::Normal, 2, 0.5}},
        BadUncertaintyCase{"DofNotANumber",
                           {StatedAs::StandardUncertainty, 1, Distribution::Normal, 2, kNaN}}),
    kthread::test::RowName());

TEST(HalfWidthFor, InvertsTheDivisorOfEveryDistribution) {
    for (Distribution d : {Distribution::Normal, Distribution::Rectangular,
                           Distribution::Triangular, Distribution::UShaped}) {
        const InputUncertainty stated{StatedAs::HalfWidth, HalfWidthFor(d, 0.3), d, 1};
        EXPECT_NEAR(*StandardUncertaintyOf(stated), 0.3, 1e-15) << static_cast<int>(d);
    }
}

TEST(LabDefaults, EveryInputHasAUsablePositiveUncertainty) {
    const UncertaintyInputs in = LabDefaultInputs();
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const std::optional<double> u = StandardUncertaintyOf(in.items[i]);
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
