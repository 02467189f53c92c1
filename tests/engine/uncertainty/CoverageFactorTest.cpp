#include "engine/uncertainty/CoverageFactor.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kthread::uncertainty {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct QuantileCase {
    const char* name;
    double p;
    double nu;
    double expected;
    double tolerance;
};

class StudentTFactor : public ::testing::TestWithParam<QuantileCase> {};

TEST_P(StudentTFactor, MatchesTheTable) {
    const QuantileCase& c = GetParam();
    EXPECT_NEAR(StudentTCoverageFactor(c.p, c.nu), c.expected, c.tolerance);
}

// 95 %: quantiles of t to eight digits; 95.45 %: the two-decimal table of coverage factors that
// laboratories use with k = 2 for infinite degrees of freedom.
INSTANTIATE_TEST_SUITE_P(
    Tables, StudentTFactor,
    ::testing::Values(QuantileCase{"P95Nu1", 0.95, 1, 12.7062047, 1e-6},
                      QuantileCase{"P95Nu2", 0.95, 2, 4.30265273, 1e-7},
                      QuantileCase{"P95Nu3", 0.95, 3, 3.18244631, 1e-7},
                      QuantileCase{"P95Nu5", 0.95, 5, 2.57058184, 1e-7},
                      QuantileCase{"P95Nu10", 0.95, 10, 2.22813885, 1e-7},
                      QuantileCase{"P95Nu30", 0.95, 30, 2.04227246, 1e-7},
                      QuantileCase{"P95Nu100", 0.95, 100, 1.98397152, 1e-7},
                      QuantileCase{"P95Nu1000BeyondTheSeries", 0.95, 1000, 1.96233908, 1e-7},
                      QuantileCase{"P95Infinite", 0.95, kInf, 1.95996398, 1e-7},
                      QuantileCase{"P99Nu10", 0.99, 10, 3.16927267, 1e-7},
                      QuantileCase{"P9545Nu1", 0.9545, 1, 13.97, 0.005},
                      QuantileCase{"P9545Nu2", 0.9545, 2, 4.53, 0.005},
                      QuantileCase{"P9545Nu3", 0.9545, 3, 3.31, 0.005},
                      QuantileCase{"P9545Nu4", 0.9545, 4, 2.87, 0.005},
                      QuantileCase{"P9545Nu5", 0.9545, 5, 2.65, 0.005},
                      QuantileCase{"P9545Nu10", 0.9545, 10, 2.28, 0.005},
                      QuantileCase{"P9545Nu20", 0.9545, 20, 2.13, 0.005},
                      QuantileCase{"P9545Nu50", 0.9545, 50, 2.05, 0.005},
                      QuantileCase{"P9545Nu100", 0.9545, 100, 2.025, 0.0005},
                      QuantileCase{"P9545Infinite", 0.9545, kInf, 2.000, 0.0005},
                      QuantileCase{"FractionalDofIsTruncated", 0.95, 5.99, 2.57058184, 1e-7}),
    kthread::test::RowName());

TEST(StudentTFactor, FallsSteadilyTowardsTheNormalQuantile) {
    const double normal = NormalQuantile(0.975);
    double previous = StudentTCoverageFactor(0.95, 1);
    for (double nu = 2; nu <= 2000; nu += nu < 300 ? 1 : 50) {
        const double k = StudentTCoverageFactor(0.95, nu);
        ASSERT_LT(k, previous) << nu; // also across the switch from the series to the expansion
        ASSERT_GT(k, normal) << nu;
        previous = k;
    }
}

TEST(StudentTFactor, OutOfRangeArgumentsGiveNoFactor) {
    EXPECT_TRUE(std::isnan(StudentTCoverageFactor(0, 10)));
    EXPECT_TRUE(std::isnan(StudentTCoverageFactor(1, 10)));
    EXPECT_TRUE(std::isnan(StudentTCoverageFactor(0.95, 0.5)));
    EXPECT_TRUE(std::isnan(StudentTCoverageFactor(0.95, std::nan(""))));
}

TEST(NormalQuantile, MatchesReferenceValuesAndIsOdd) {
    EXPECT_NEAR(NormalQuantile(0.975), 1.959963985, 1e-9);
    EXPECT_NEAR(NormalQuantile(0.995), 2.575829304, 1e-9);
    EXPECT_NEAR(NormalQuantile(0.977249868), 2.0, 1e-8);
    EXPECT_NEAR(NormalQuantile(0.5), 0.0, 1e-15);
    EXPECT_NEAR(NormalQuantile(1e-10), -6.361340902, 1e-8);
    for (double p : {0.001, 0.02, 0.3})
        EXPECT_NEAR(NormalQuantile(p), -NormalQuantile(1 - p), 1e-12) << p;
    EXPECT_TRUE(std::isnan(NormalQuantile(0)));
    EXPECT_TRUE(std::isnan(NormalQuantile(1)));
}

} // namespace
} // namespace kthread::uncertainty
