// Picking the catalogue probe nearest to the optimal diameter.
#include "window/CatalogPick.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <vector>

namespace kthread {
namespace {

struct PickCase {
    const char* name;
    std::vector<double> rows;
    double target;
    std::optional<double> expected;
    int stopRow;
};

class PickCatalogDiamTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(PickCatalogDiamTest, Picks) {
    const PickCase& c = GetParam();
    const CatalogPickResult pick = PickCatalogDiam(c.rows, c.target);
    EXPECT_EQ(pick.diameter, c.expected);
    EXPECT_EQ(pick.stopRow, c.stopRow);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, PickCatalogDiamTest,
    ::testing::Values(PickCase{"NearerBelow", {0.5, 0.8, 1.0}, 0.866, 0.8, 2},
                      PickCase{"NearerAbove", {0.5, 0.8, 1.0}, 0.95, 1.0, 2},
                      PickCase{"TieTakesSmaller", {0.5, 0.8, 1.0}, 0.9, 0.8, 2},
                      PickCase{"AllBelowTakesLast", {0.5, 0.8, 1.0}, 1.3, 1.0, 2},
                      PickCase{"AllBelowFarAway", {0.5, 0.8, 1.0}, 1.5, 1.0, 2},
                      PickCase{"AllAboveOutsideBand", {2.0, 3.0}, 0.866, std::nullopt, 1},
                      PickCase{"FirstAboveInsideBand", {1.0, 3.0}, 0.866, 1.0, 1},
                      PickCase{"FirstAboveOnBandEdge", {1.25, 3.0}, 1.0, std::nullopt, 1},
                      PickCase{"SingleRowBelow", {0.3}, 0.866, 0.3, 0},
                      PickCase{"SingleRowAboveInBand", {1.0}, 0.866, 1.0, 0},
                      PickCase{"SingleRowAboveOutOfBand", {1.1}, 0.866, std::nullopt, 0},
                      PickCase{"ExactMatch", {0.5, 0.866, 1.0}, 0.866, 0.866, 2},
                      PickCase{"DuplicatesBelow", {0.8, 0.8, 1.2}, 0.9, 0.8, 2}),
    kthread::test::RowName());

struct BandCase {
    const char* name;
    double probe;
    bool outside;
};

class ProbeBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(ProbeBandTest, MarksQuarterOrMoreAway) {
    EXPECT_EQ(IsOutsideProbeBand(GetParam().probe, 0.86603), GetParam().outside);
}

INSTANTIATE_TEST_SUITE_P(Probes, ProbeBandTest,
                         ::testing::Values(BandCase{"Optimum", 0.86603, false},
                                           BandCase{"One", 1.0, false},
                                           BandCase{"OnePointOne", 1.1, true},
                                           BandCase{"Zero", 0.0, true},
                                           BandCase{"JustInsideLow", 0.65, false},
                                           BandCase{"JustOutsideLow", 0.649, true},
                                           BandCase{"LowEdge", 0.75 * 0.86603, true},
                                           BandCase{"HighEdge", 1.25 * 0.86603, true}),
                         kthread::test::RowName());

} // namespace
} // namespace kthread
