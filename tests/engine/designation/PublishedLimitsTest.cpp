// Limits and tolerances against the values the standards' tables print.
#include "ReferenceCsv.h"
#include "support/TestNames.h"

#include "engine/designation/Designation.h"
#include "engine/designation/IsoMetric.h"
#include "engine/designation/ThreadLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kthread::designation {
namespace {

struct LimitsRow {
    std::string designation;
    std::string min;
    std::string max;
    std::string unit;
    std::string source;
};

std::vector<LimitsRow> LimitsRows() {
    std::vector<LimitsRow> rows;
    for (const auto& cells : test::ReadReferenceCsv("designations.csv")) {
        rows.push_back({cells.at(0), cells.at(1), cells.at(2), cells.at(3), cells.at(4)});
    }
    return rows;
}

std::string Printed(double value, int decimals) {
    // Fixed notation without the locale: the tables print a point.
    long long scaled = std::llround(value * std::pow(10.0, decimals));
    std::string digits = std::to_string(scaled);
    if (static_cast<int>(digits.size()) <= decimals) {
        digits = std::string(static_cast<std::size_t>(decimals) + 1 - digits.size(), '0') + digits;
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    return digits.substr(0, point) + '.' + digits.substr(point);
}

class PublishedLimits : public ::testing::TestWithParam<LimitsRow> {};

TEST_P(PublishedLimits, MatchToTheLastPrintedDigit) {
    const LimitsRow& row = GetParam();
    ParseResult parsed = ParseDesignation(row.designation);
    const Designation* d = ParsedDesignation(parsed);
    ASSERT_NE(d, nullptr) << ParsedError(parsed)->message;
    EXPECT_EQ(d->text, row.designation);
    auto limits = ThreadLimitsOf(*d);
    ASSERT_TRUE(limits.has_value());
    EXPECT_EQ(limits->unit, row.unit == "in" ? LengthUnit::Inch : LengthUnit::Millimetre);
    EXPECT_EQ(Printed(limits->pitchDiamMin, limits->decimals), row.min) << row.source;
    EXPECT_EQ(Printed(limits->pitchDiamMax, limits->decimals), row.max) << row.source;
    double toMm = row.unit == "in" ? 25.4 : 1.0;
    EXPECT_NEAR(limits->pitchDiamMinMm, test::ReferenceNumber(row.min) * toMm, 1e-9);
    EXPECT_NEAR(limits->pitchDiamMaxMm, test::ReferenceNumber(row.max) * toMm, 1e-9);
}

std::string RowName(const ::testing::TestParamInfo<LimitsRow>& info) {
    std::string name;
    for (char c : info.param.designation) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Tables, PublishedLimits, ::testing::ValuesIn(LimitsRows()), RowName);

TEST(PublishedLimitsCoverage, AtLeastFortyDesignationsOverThreeFamilies) {
    auto rows = LimitsRows();
    int metric = 0;
    int unified = 0;
    int trapezoidal = 0;
    for (const auto& r : rows) {
        ParseResult parsed = ParseDesignation(r.designation);
        const Designation* d = ParsedDesignation(parsed);
        ASSERT_NE(d, nullptr);
        metric += d->family == Family::IsoMetric;
        unified += d->family == Family::Unified;
        trapezoidal += d->family == Family::Trapezoidal;
    }
    EXPECT_GE(rows.size(), 40u);
    EXPECT_GT(metric, 0);
    EXPECT_GT(unified, 0);
    EXPECT_GT(trapezoidal, 0);
}

// One cell of the printed tolerance tables.
struct ToleranceCell {
    Side side;
    int diamUm;
    int pitchUm;
    int grade;
    std::string printed; // micrometres, or "-" where the table has no value
};

std::vector<ToleranceCell> ToleranceCells() {
    std::vector<ToleranceCell> cells;
    for (const auto& row : test::ReadReferenceCsv("iso_pitch_diam_tolerances.csv")) {
        Side side = row.at(0) == "ext" ? Side::External : Side::Internal;
        int firstGrade = side == Side::External ? 3 : 4;
        int diam = static_cast<int>(std::lround(test::ReferenceNumber(row.at(1)) * 1000));
        int pitch = static_cast<int>(std::lround(test::ReferenceNumber(row.at(2)) * 1000));
        for (std::size_t i = 3; i < row.size(); ++i) {
            cells.push_back({side, diam, pitch, firstGrade + static_cast<int>(i - 3), row[i]});
        }
    }
    return cells;
}

class PrintedTolerances : public ::testing::TestWithParam<ToleranceCell> {};

TEST_P(PrintedTolerances, FormulaRoundedToR40GivesTheCell) {
    const ToleranceCell& c = GetParam();
    auto tol = IsoMetricPitchDiamTolerance(c.side, c.grade, c.diamUm, c.pitchUm);
    if (c.printed == "-") {
        EXPECT_FALSE(tol.has_value());
    } else {
        ASSERT_TRUE(tol.has_value());
        EXPECT_EQ(*tol, std::stoi(c.printed));
    }
}

std::string CellName(const ::testing::TestParamInfo<ToleranceCell>& info) {
    const ToleranceCell& c = info.param;
    return std::string(c.side == Side::External ? "Td2" : "TD2") + "_upTo" +
           std::to_string(c.diamUm / 100) + "_P" + std::to_string(c.pitchUm) + "um_grade" +
           std::to_string(c.grade);
}

INSTANTIATE_TEST_SUITE_P(Tables, PrintedTolerances, ::testing::ValuesIn(ToleranceCells()),
                         CellName);

// The printed deviation table, es of g and EI of G, against pitch.
struct DeviationRow {
    const char* name;
    int pitchUm;
    int g;
};

class PrintedDeviations : public ::testing::TestWithParam<DeviationRow> {};

TEST_P(PrintedDeviations, RoundedToR40) {
    const DeviationRow& r = GetParam();
    EXPECT_EQ(IsoMetricFundamentalDeviation('g', r.pitchUm), -r.g);
    EXPECT_EQ(IsoMetricFundamentalDeviation('G', r.pitchUm), r.g);
    EXPECT_EQ(IsoMetricFundamentalDeviation('h', r.pitchUm), 0);
    EXPECT_EQ(IsoMetricFundamentalDeviation('H', r.pitchUm), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintedDeviations,
    ::testing::Values(DeviationRow{"P0_25", 250, 18}, DeviationRow{"P0_3", 300, 18},
                      DeviationRow{"P0_35", 350, 19}, DeviationRow{"P0_4_JustBelowHalf", 400, 19},
                      DeviationRow{"P0_45", 450, 20}, DeviationRow{"P0_5_HalfGoesDown", 500, 20},
                      DeviationRow{"P0_6", 600, 21}, DeviationRow{"P0_7", 700, 22},
                      DeviationRow{"P0_75_RepeatsTheRowAbove", 750, 22},
                      DeviationRow{"P0_8", 800, 24}, DeviationRow{"P1", 1000, 26},
                      DeviationRow{"P1_25", 1250, 28}, DeviationRow{"P1_5", 1500, 32}),
    kthread::test::RowName());

} // namespace
} // namespace kthread::designation
