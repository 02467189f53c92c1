#include "engine/PitchDiam.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kthread {
namespace {

TEST(AngleRad, DegreesMinutesAndSecondsAddUp) {
    EXPECT_DOUBLE_EQ(AngleRad(30, 0, 0), std::numbers::pi / 6);
    EXPECT_DOUBLE_EQ(AngleRad(0, 90, 0), AngleRad(1.5, 0, 0));
    EXPECT_DOUBLE_EQ(AngleRad(0, 0, 5400), AngleRad(1.5, 0, 0));
    EXPECT_DOUBLE_EQ(AngleRad(29, 59, 60), AngleRad(30, 0, 0));
    EXPECT_EQ(AngleRad(0, 0, 0), 0.0);
}

struct OptimumCase {
    const char* name;
    double pitch;
    double a1Deg;
    double a2Deg;
    double expected;
};

class OptimalProbe : public ::testing::TestWithParam<OptimumCase> {};

TEST_P(OptimalProbe, MatchesTheBestSizeProbe) {
    const OptimumCase& c = GetParam();
    const auto opt = OptimalProbeDiam(c.pitch, AngleRad(c.a1Deg, 0, 0), AngleRad(c.a2Deg, 0, 0));
    ASSERT_TRUE(opt.has_value());
    EXPECT_NEAR(*opt, c.expected, 0.000005);
}

// Equal flanks give P / (2 cos a).
INSTANTIATE_TEST_SUITE_P(
    Profiles, OptimalProbe,
    ::testing::Values(OptimumCase{"Metric", 1.5, 30, 30,
                                  1.5 / (2 * std::cos(std::numbers::pi / 6))},
                      OptimumCase{"MetricRounded", 1.5, 30, 30, 0.86603},
                      OptimumCase{"Whitworth", 2.54, 27.5, 27.5,
                                  2.54 / (2 * std::cos(27.5 * std::numbers::pi / 180))},
                      OptimumCase{"Buttress", 2, 3, 30, 1.00900},
                      OptimumCase{"ButtressMirrored", 2, 30, 3, 1.00900}),
    kthread::test::RowName());

TEST(OptimalProbe, FlatFlanksHaveNoOptimum) {
    EXPECT_FALSE(OptimalProbeDiam(1.5, 0, 0).has_value());
    EXPECT_FALSE(OptimalProbeDiam(std::nan(""), 0.5, 0.5).has_value());
}

} // namespace
} // namespace kthread
