#include "EngineTestRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace kthread {
namespace {

using Fields = std::set<std::string>;

// Start value of the size for a pitch diameter: the wire formula without helix.
double StartSize(const TPitchDiamData& d) {
    const double half = (d.FlankAngle1 + d.FlankAngle2) / 2;
    return d.ProbeDiam / std::sin(half) + d.PitchDiam -
           (std::cos(half) / std::sin(half)) * d.Pitch / 2;
}

// The pitch diameter whose start value is `size`.
double PitchDiamStartingAt(const TPitchDiamData& d, double size) {
    const double half = (d.FlankAngle1 + d.FlankAngle2) / 2;
    return size - d.ProbeDiam / std::sin(half) + (std::cos(half) / std::sin(half)) * d.Pitch / 2;
}

TEST(PitchDiamFailure, InclinedSizeBelowHalfThePitchFailsAfterWritingTheSize) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.ThreadType = 1;
    d.MeasMode = 1;
    d.GivenQty = 1;
    d.ProbeDiam = 1.0;
    d.SizeOver = 1.7; // m = 0.7 < P/2
    test::MarkOutputs(d);
    const TPitchDiamData before = d;
    EXPECT_FALSE(CalcPitchDiam(d));
    EXPECT_EQ(test::ChangedFields(before, d), Fields{"SizeCtr"});
    EXPECT_EQ(d.SizeCtr, 1.7 - 1.0);

    TPitchDiamData sizeGiven = before;
    sizeGiven.GivenQty = 0;
    sizeGiven.SizeCtr = 0.7;
    const TPitchDiamData sizeBefore = sizeGiven;
    EXPECT_FALSE(CalcPitchDiam(sizeGiven));
    EXPECT_TRUE(test::ChangedFields(sizeBefore, sizeGiven).empty());
}

TEST(PitchDiamFailure, PassesWithoutContactPointKeepTheStartValue) {
    TPitchDiamData d = test::CyclingThread();
    d.GivenQty = 2;
    d.PitchDiam = PitchDiamStartingAt(d, 15.0); // no contact point at this size
    ASSERT_TRUE(CalcPitchDiam(d));
    EXPECT_DOUBLE_EQ(d.SizeCtr, StartSize(d));
    EXPECT_EQ(d.SizeOver, d.SizeCtr + d.ProbeDiam);

    TPitchDiamData inclined = test::CyclingThread();
    inclined.GivenQty = 2;
    inclined.MeasMode = 2;
    inclined.PitchDiam = d.PitchDiam;
    ASSERT_TRUE(CalcPitchDiam(inclined));
    EXPECT_DOUBLE_EQ(inclined.SizeCtr,
                     std::sqrt(d.Pitch * d.Pitch / 4 + StartSize(d) * StartSize(d)));
}

TEST(PitchDiamFailure, NoContactPointLeavesThePitchDiamAsItWas) {
    TPitchDiamData d = test::CyclingThread();
    d.SizeCtr = 15.0;
    d.PitchDiam = 12.5;
    ASSERT_TRUE(CalcPitchDiam(d));
    EXPECT_EQ(d.PitchDiam, 12.5);
    EXPECT_EQ(d.SizeOver, 15.0 + d.ProbeDiam);
}

TEST(PitchDiamFailure, CyclingContactAngleHasNoSolution) {
    TPitchDiamData d = test::CyclingThread();
    test::MarkOutputs(d);
    const TPitchDiamData before = d;
    EXPECT_FALSE(CalcPitchDiam(d));
    EXPECT_TRUE(test::ChangedFields(before, d).empty());

    TPitchDiamData over = test::CyclingThread();
    over.GivenQty = 1;
    over.SizeOver = 21.5;
    test::MarkOutputs(over);
    const TPitchDiamData overBefore = over;
    EXPECT_FALSE(CalcPitchDiam(over));
    EXPECT_EQ(test::ChangedFields(overBefore, over), Fields{"SizeCtr"});
    EXPECT_EQ(over.SizeCtr, 15.5);
}

// Iterated passes fail on a cycling angle; single-step passes never iterate and go on.
TEST(PitchDiamFailure, CyclingAngleStopsOnlyTheIteratedPasses) {
    TPitchDiamData taper = test::CyclingThread();
    taper.ThreadType = 2;
    taper.GivenQty = 2;
    taper.PitchDiam = PitchDiamStartingAt(taper, 15.475);
    test::MarkOutputs(taper);
    const TPitchDiamData before = taper;
    EXPECT_FALSE(CalcPitchDiam(taper));
    EXPECT_EQ(test::ChangedFields(before, taper), Fields{"SizeCtr"});
    EXPECT_DOUBLE_EQ(taper.SizeCtr, 15.475);

    TPitchDiamData cylindrical = before;
    cylindrical.ThreadType = 0;
    EXPECT_TRUE(CalcPitchDiam(cylindrical));
}

TEST(PitchDiamFailure, NonNumbersNeverReachTheRecord) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf}) {
        for (std::uint8_t type : {0, 1, 2}) {
            TPitchDiamData over = test::MetricThreadOverWires();
            over.ThreadType = type;
            over.SizeOver = bad;
            test::MarkOutputs(over);
            const TPitchDiamData before = over;
            EXPECT_FALSE(CalcPitchDiam(over));
            EXPECT_TRUE(test::ChangedFields(before, over).empty()) << bad << " type " << +type;

            TPitchDiamData pitch = test::MetricThreadOverWires();
            pitch.ThreadType = type;
            pitch.GivenQty = 2;
            pitch.PitchDiam = 18.7;
            pitch.Pitch = bad;
            test::MarkOutputs(pitch);
            EXPECT_FALSE(CalcPitchDiam(pitch));
            for (double v : {pitch.SizeCtr, pitch.SizeOver, pitch.DeformCorr})
                EXPECT_TRUE(std::isfinite(v)) << bad << " type " << +type;
        }
    }
}

TEST(PitchDiamFailure, ForceThatIsNotANumberFailsAfterTheEarlierWrites) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.GivenQty = 0;
    d.SizeCtr = 19.134;
    d.Force = std::numeric_limits<double>::quiet_NaN();
    test::MarkOutputs(d);
    const TPitchDiamData before = d;
    EXPECT_FALSE(CalcPitchDiam(d));
    EXPECT_EQ(test::ChangedFields(before, d), Fields({"PitchDiam", "SizeOver"}));
    EXPECT_EQ(d.DeformCorr, before.DeformCorr);
}

class FailingCorrection : public ::testing::TestWithParam<std::uint8_t> {};

// A correction that faults (here: no thread modulus) is no failure of the calculation: the
// results come out as without force, and DeformCorr keeps what it held.
TEST_P(FailingCorrection, LeavesTheResultsUncorrected) {
    const std::uint8_t type = GetParam();
    for (std::uint8_t given : {0, 1, 2}) {
        TPitchDiamData free = test::MetricThreadOverWires();
        free.ThreadType = type;
        free.GivenQty = given;
        free.SizeCtr = 19.134;
        free.PitchDiam = 18.7;
        free.DeformCorr = type == 2 ? 0.0 : 0.0625;
        TPitchDiamData loaded = free;
        loaded.Force = 1;
        loaded.ThreadModulus = 0;
        ASSERT_TRUE(CalcPitchDiam(free));
        ASSERT_TRUE(CalcPitchDiam(loaded)) << "given " << +given;
        // Without force the correction is set to 0; a failed one is left alone.
        Fields expected{"Force", "ThreadModulus"};
        if (type != 2)
            expected.insert("DeformCorr");
        EXPECT_EQ(loaded.DeformCorr, type == 2 ? 0.0 : 0.0625);
        EXPECT_EQ(test::ChangedFields(free, loaded), expected) << "given " << +given;
    }
}

std::string ThreadTypeName(const ::testing::TestParamInfo<std::uint8_t>& info) {
    static const char* const names[] = {"External", "Internal", "Taper", "InternalTaper"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(ThreadTypes, FailingCorrection, ::testing::Values(0, 1, 2, 3),
                         ThreadTypeName);

// The taper path subtracts whatever correction the record holds, even a stale one.
TEST(PitchDiamFailure, TaperSizeUsesTheCorrectionTheRecordHolds) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.ThreadType = 2;
    d.GivenQty = 0;
    d.SizeCtr = 19.134;
    d.Force = 1;
    d.ThreadModulus = 0;
    d.DeformCorr = 0.0625;
    ASSERT_TRUE(CalcPitchDiam(d));
    EXPECT_EQ(d.DeformCorr, 0.0625);
    EXPECT_EQ(d.SizeOver, 19.134 + d.ProbeDiam - 0.0625);
}

TEST(PitchDiamFailure, ZeroSizeDividesAfterItWasWritten) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.SizeOver = d.ProbeDiam; // m = 0
    test::MarkOutputs(d);
    const TPitchDiamData before = d;
    EXPECT_FALSE(CalcPitchDiam(d));
    EXPECT_EQ(test::ChangedFields(before, d), Fields{"SizeCtr"});
    EXPECT_EQ(d.SizeCtr, 0.0);
}

} // namespace
} // namespace kthread
