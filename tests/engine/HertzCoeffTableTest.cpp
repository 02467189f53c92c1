#include "engine/HertzCoeffTable.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace kthread {
namespace {

struct RowCase {
    const char* name;
    std::int64_t index;
    double first;
    double second;
};

class HertzRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(HertzRow, HoldsTheTabulatedPair) {
    const RowCase& c = GetParam();
    const HertzCoeffs row = HertzCoeffRow(c.index);
    EXPECT_EQ(row.first, c.first);
    EXPECT_EQ(row.second, c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HertzRow,
    ::testing::Values(
        RowCase{"FirstRow", 1, 4.2895, 3.2937}, RowCase{"Row2", 2, 3.8821, 2.8903},
        RowCase{"EndOfFirstColumn", 25, 2.3595, 1.4391},
        RowCase{"StartOfSecondColumn", 26, 2.3361, 1.4181}, RowCase{"Row50", 50, 1.9521, 1.0874},
        RowCase{"Row51", 51, 1.9408, 1.0779}, RowCase{"Row75", 75, 1.7249, 0.9037},
        RowCase{"ThreeDecimalsStored", 76, 1.7176, 0.898}, RowCase{"Row99", 99, 1.5761, 0.7894},
        RowCase{"EqualCurvatures", 100, 1.5708, 0.7854},
        RowCase{"ZeroFallsBackToRow1", 0, 4.2895, 3.2937},
        RowCase{"NegativeFallsBackToRow1", -3, 4.2895, 3.2937},
        RowCase{"AboveTheTableFallsBackToRow1", 101, 4.2895, 3.2937},
        RowCase{"HugeFallsBackToRow1", std::numeric_limits<std::int64_t>::max(), 4.2895, 3.2937}),
    kthread::test::RowName());

TEST(HertzCoeffTable, BothCoefficientsFallStrictlyTowardsEqualCurvatures) {
    for (std::size_t i = 1; i < HertzCoeffTable.size(); ++i) {
        EXPECT_LT(HertzCoeffTable[i].first, HertzCoeffTable[i - 1].first) << "row " << i + 1;
        EXPECT_LT(HertzCoeffTable[i].second, HertzCoeffTable[i - 1].second) << "row " << i + 1;
    }
}

TEST(HertzCoeffTable, EqualCurvatureRowIsHalfAndQuarterPi) {
    EXPECT_NEAR(HertzCoeffTable.back().first, std::numbers::pi / 2, 0.00005);
    EXPECT_NEAR(HertzCoeffTable.back().second, std::numbers::pi / 4, 0.00005);
}

TEST(HertzCoeffTable, ValuesCarryAtMostFourDecimals) {
    for (const HertzCoeffs& row : HertzCoeffTable) {
        for (double v : {row.first, row.second}) {
            const double scaled = v * 10000;
            EXPECT_NEAR(scaled, std::round(scaled), 1e-9) << v;
        }
    }
}

} // namespace
} // namespace kthread
