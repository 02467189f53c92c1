// The verdict at and around each limit, and the record the window fills from a designation.
#include "engine/designation/Designation.h"
#include "engine/designation/ThreadLimits.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace kthread::designation {
namespace {

ThreadLimits LimitsOf(const char* text) {
    ParseResult r = ParseDesignation(text);
    const Designation* d = ParsedDesignation(r);
    EXPECT_NE(d, nullptr) << text;
    auto l = ThreadLimitsOf(*d);
    EXPECT_TRUE(l.has_value());
    return *l;
}

struct VerdictCase {
    const char* name;
    const char* designation;
    double measuredMm;
    VerdictKind kind;
    double marginMm;
};

class VerdictAroundLimits : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictAroundLimits, KindAndMargin) {
    const VerdictCase& c = GetParam();
    auto v = VerdictOf(c.measuredMm, LimitsOf(c.designation));
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->kind, c.kind);
    EXPECT_NEAR(v->marginMm, c.marginMm, 1e-9);
}

// M10x1.5-6g: 8.862 to 8.994 mm; M10-6H: 9.026 to 9.206 mm; 1/2-13 UNC-2A: 0.4435 to
// 0.4485 in = 11.2649 to 11.3919 mm.
INSTANTIATE_TEST_SUITE_P(
    Limits, VerdictAroundLimits,
    ::testing::Values(
        VerdictCase{"ExactlyAtMin", "M10x1.5-6g", 8.862, VerdictKind::WithinLimits, 0.0},
        VerdictCase{"OneMicrometreAboveMin", "M10x1.5-6g", 8.863, VerdictKind::WithinLimits, 0.001},
        VerdictCase{"OneMicrometreBelowMin", "M10x1.5-6g", 8.861, VerdictKind::Undersize, 0.001},
        VerdictCase{"ExactlyAtMax", "M10x1.5-6g", 8.994, VerdictKind::WithinLimits, 0.0},
        VerdictCase{"OneMicrometreBelowMax", "M10x1.5-6g", 8.993, VerdictKind::WithinLimits, 0.001},
        VerdictCase{"OneMicrometreAboveMax", "M10x1.5-6g", 8.995, VerdictKind::Oversize, 0.001},
        VerdictCase{"MiddleMarginToNearer", "M10x1.5-6g", 8.950, VerdictKind::WithinLimits, 0.044},
        VerdictCase{"FarOversize", "M10x1.5-6g", 9.026, VerdictKind::Oversize, 0.032},
        VerdictCase{"InternalAtBasicIsWithin", "M10-6H", 9.026, VerdictKind::WithinLimits, 0.0},
        VerdictCase{"InternalBelowBasic", "M10-6H", 9.0255, VerdictKind::Undersize, 0.0005},
        VerdictCase{"InternalAboveMax", "M10-6H", 9.2065, VerdictKind::Oversize, 0.0005},
        VerdictCase{"InchAtMin", "1/2-13 UNC-2A", 0.4435 * 25.4, VerdictKind::WithinLimits, 0.0},
        VerdictCase{"InchTenthBelowMin", "1/2-13 UNC-2A", 0.4434 * 25.4, VerdictKind::Undersize,
                    0.0001 * 25.4},
        VerdictCase{"InchTenthAboveMax", "1/2-13 UNC-2A", 0.4486 * 25.4, VerdictKind::Oversize,
                    0.0001 * 25.4}),
    kthread::test::RowName());

TEST(Verdict, FloatingPointNoiseAtALimitCountsAsAtTheLimit) {
    ThreadLimits l = LimitsOf("M10x1.5-6g");
    auto below = VerdictOf(std::nextafter(8.862, 0.0), l);
    auto above = VerdictOf(std::nextafter(8.994, 100.0), l);
    ASSERT_TRUE(below && above);
    EXPECT_EQ(below->kind, VerdictKind::WithinLimits);
    EXPECT_EQ(above->kind, VerdictKind::WithinLimits);
}

TEST(Verdict, NotANumberHasNoVerdict) {
    ThreadLimits l = LimitsOf("M10x1.5-6g");
    EXPECT_FALSE(VerdictOf(std::numeric_limits<double>::quiet_NaN(), l).has_value());
    EXPECT_FALSE(VerdictOf(std::numeric_limits<double>::infinity(), l).has_value());
}

struct RecordCase {
    const char* name;
    const char* designation;
    std::uint8_t threadType;
    double pitchMm;
    double starts;
    double flankDegrees;
};

class FilledRecord : public ::testing::TestWithParam<RecordCase> {};

TEST_P(FilledRecord, CarriesTypePitchStartsAndFlanks) {
    const RecordCase& c = GetParam();
    TPitchDiamData record{};
    record.ProbeDiam = 0.866; // untouched
    ApplyToRecord(LimitsOf(c.designation), record);
    EXPECT_EQ(record.ThreadType, c.threadType);
    EXPECT_DOUBLE_EQ(record.Pitch, c.pitchMm);
    EXPECT_EQ(record.Starts, c.starts);
    EXPECT_DOUBLE_EQ(record.FlankAngle1, c.flankDegrees * std::numbers::pi / 180.0);
    EXPECT_DOUBLE_EQ(record.FlankAngle2, c.flankDegrees * std::numbers::pi / 180.0);
    EXPECT_EQ(record.ProbeDiam, 0.866);
}

INSTANTIATE_TEST_SUITE_P(
    Families, FilledRecord,
    ::testing::Values(RecordCase{"MetricExternal", "M10x1.5-6g", 0, 1.5, 1, 30},
                      RecordCase{"MetricInternalMultiStart", "M16xPh3P1.5-6H", 1, 1.5, 2, 30},
                      RecordCase{"UnifiedInchPitchInMm", "1/2-13 UNC-2B", 1, 25.4 / 13, 1, 30},
                      RecordCase{"TrapezoidalFifteenDegrees", "Tr 40x14(P7)-8e", 0, 7, 2, 15}),
    kthread::test::RowName());

TEST(ThreadLimits, LeadIsPitchTimesStarts) {
    ThreadLimits l = LimitsOf("Tr 40x14(P7)-8e");
    EXPECT_DOUBLE_EQ(l.leadMm, 14.0);
    EXPECT_EQ(l.starts, 2);
}

TEST(ThreadLimits, MultiStartTrapezoidalWidensTheTolerance) {
    // Two starts: 1.12 times the single-start tolerance, rounded to R40.
    ThreadLimits single = LimitsOf("Tr 40x7-8e");
    ThreadLimits twoStart = LimitsOf("Tr 40x14(P7)-8e");
    EXPECT_DOUBLE_EQ(single.fundamentalDeviation, twoStart.fundamentalDeviation);
    EXPECT_NEAR(single.tolerance, 0.450, 1e-12);
    EXPECT_NEAR(twoStart.tolerance, 0.500, 1e-12);
}

} // namespace
} // namespace kthread::designation
