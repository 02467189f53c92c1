#include "EngineTestRecords.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace kthread {
namespace {

using Fields = std::set<std::string>;

TEST(PitchDiam, MetricThreadFromTheSizeOverWires) {
    TPitchDiamData d = test::MetricThreadOverWires();
    test::MarkOutputs(d);
    ASSERT_TRUE(CalcPitchDiam(d));
    EXPECT_NEAR(d.PitchDiam, 18.70062, 0.000005);
    EXPECT_EQ(d.SizeCtr, 20 - 0.866);
    EXPECT_EQ(d.DeformCorr, 0.0);
}

TEST(PitchDiam, ForceAddsTheCorrectionToThePitchDiamAndTakesItFromTheSize) {
    TPitchDiamData free = test::MetricThreadOverWires();
    ASSERT_TRUE(CalcPitchDiam(free));
    TPitchDiamData loaded = test::MetricThreadOverWires();
    loaded.Force = 1;
    ASSERT_TRUE(CalcPitchDiam(loaded));
    EXPECT_NEAR(loaded.DeformCorr, 0.000648, 0.0000005);
    EXPECT_NEAR(loaded.PitchDiam, free.PitchDiam + loaded.DeformCorr, 1e-12);
    EXPECT_NEAR(loaded.SizeCtr, free.SizeCtr - loaded.DeformCorr, 1e-12);
    EXPECT_EQ(loaded.SizeOver, 20.0);
}

struct PathCase {
    const char* name;
    std::uint8_t threadType;
    std::uint8_t givenQty;
    std::uint8_t measMode;
    double given; // mm, into the field GivenQty names
    double probeDiam;
    Fields written;
};

TPitchDiamData RecordFor(const PathCase& c, double force) {
    TPitchDiamData d = test::MetricThreadOverWires();
    d.ThreadType = c.threadType;
    d.GivenQty = c.givenQty;
    d.MeasMode = c.measMode;
    d.ProbeDiam = c.probeDiam;
    d.TaperRatio = c.threadType == 2 ? 0.0625 : 0;
    d.Force = force;
    d.SizeOver = 0;
    (c.givenQty == 0 ? d.SizeCtr : c.givenQty == 1 ? d.SizeOver : d.PitchDiam) = c.given;
    test::MarkOutputs(d);
    return d;
}

const Fields kSizeGiven{"PitchDiam", "SizeOver", "DeformCorr"};
const Fields kSizeOverGiven{"SizeCtr", "PitchDiam", "DeformCorr"};
const Fields kPitchDiamGiven{"SizeCtr", "SizeOver", "DeformCorr"};

const PathCase kPaths[] = {
    {"ExternalSizeGiven", 0, 0, 0, 19.134, 0.866, kSizeGiven},
    {"ExternalSizeOverGiven", 0, 1, 1, 20.0, 0.866, kSizeOverGiven},
    {"ExternalInclinedPitchDiamGiven", 0, 2, 2, 18.7, 0.866, kPitchDiamGiven},
    {"InternalSizeGiven", 1, 0, 0, 17.7, 1.0, kSizeGiven},
    {"InternalInclinedSizeOverGiven", 1, 1, 1, 18.7, 1.0, kSizeOverGiven},
    {"InternalPitchDiamGiven", 1, 2, 0, 18.376, 1.0, kPitchDiamGiven},
    {"TaperSizeGiven", 2, 0, 0, 19.134, 0.866, kSizeGiven},
    {"TaperThreeWiresSizeOverGiven", 2, 1, 1, 20.0, 0.866, kSizeOverGiven},
    {"TaperThreeWiresPitchDiamGiven", 2, 2, 1, 18.7, 0.866, kPitchDiamGiven},
    {"InternalTaperSizeOverGiven", 3, 1, 0, 18.7, 1.0, kSizeOverGiven},
    {"InternalTaperPitchDiamGiven", 3, 2, 1, 18.376, 1.0, kPitchDiamGiven},
};

class EveryPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(EveryPath, WritesTheTwoOtherQuantitiesAndTheCorrection) {
    for (double force : {0.0, 1.0}) {
        TPitchDiamData d = RecordFor(GetParam(), force);
        const TPitchDiamData before = d;
        ASSERT_TRUE(CalcPitchDiam(d)) << "force " << force;
        EXPECT_EQ(test::ChangedFields(before, d), GetParam().written) << "force " << force;
        if (force == 0)
            EXPECT_EQ(d.DeformCorr, 0.0);
        else
            EXPECT_GT(d.DeformCorr, 0);
    }
}

// Sizes over and between the probes differ by the probe and the correction, which is taken
// from the size that was not given: M = m + D - s A2 with m given, m = M - D - s A2 with M
// given, and M = m + D exactly when d2 is given.
TEST_P(EveryPath, SizesDifferByTheProbeAndTheCorrection) {
    const PathCase& c = GetParam();
    TPitchDiamData d = RecordFor(c, 1.0);
    ASSERT_TRUE(CalcPitchDiam(d));
    const double s = (c.threadType == 1 || c.threadType == 3) ? -1 : 1;
    if (c.givenQty == 2)
        EXPECT_EQ(d.SizeOver, d.SizeCtr + d.ProbeDiam);
    else if (c.givenQty == 1)
        EXPECT_NEAR(d.SizeCtr, d.SizeOver - d.ProbeDiam - s * d.DeformCorr, 1e-12);
    else
        EXPECT_NEAR(d.SizeOver, d.SizeCtr + d.ProbeDiam - s * d.DeformCorr, 1e-12);
}

// Without force the correction is exactly 0 and the given size passes through untouched.
TEST_P(EveryPath, NoForceKeepsSizesExactlyOneProbeApart) {
    const PathCase& c = GetParam();
    TPitchDiamData d = RecordFor(c, 0.0);
    ASSERT_TRUE(CalcPitchDiam(d));
    EXPECT_EQ(d.DeformCorr, 0.0);
    if (c.givenQty == 1)
        EXPECT_EQ(d.SizeCtr, d.SizeOver - d.ProbeDiam);
    else
        EXPECT_EQ(d.SizeOver, d.SizeCtr + d.ProbeDiam);
}

INSTANTIATE_TEST_SUITE_P(Paths, EveryPath, ::testing::ValuesIn(kPaths), kthread::test::RowName());

TEST(PitchDiam, ZeroOrMissingProbeLeavesTheRecordUntouched) {
    for (double probe : {0.0, -0.0, std::nan("")}) {
        for (std::uint8_t given : {0, 1, 2}) {
            TPitchDiamData d = test::MetricThreadOverWires();
            d.GivenQty = given;
            d.SizeCtr = 19.134;
            d.PitchDiam = 18.7;
            d.Force = 1;
            d.ProbeDiam = probe;
            d.DeformCorr = 0.0625;
            const TPitchDiamData before = d;
            EXPECT_FALSE(CalcPitchDiam(d));
            EXPECT_TRUE(test::ChangedFields(before, d).empty()) << probe << " given " << +given;
        }
    }
}

TEST(PitchDiam, UnknownThreadTypeOrQuantityIsAcceptedUnchanged) {
    for (auto [type, given] : {std::pair{4, 1}, std::pair{255, 0}, std::pair{0, 3}, std::pair{2, 3},
                               std::pair{1, 200}}) {
        TPitchDiamData d = test::MetricThreadOverWires();
        d.ThreadType = static_cast<std::uint8_t>(type);
        d.GivenQty = static_cast<std::uint8_t>(given);
        d.Force = 1;
        test::MarkOutputs(d);
        const TPitchDiamData before = d;
        EXPECT_TRUE(CalcPitchDiam(d));
        EXPECT_TRUE(test::ChangedFields(before, d).empty()) << type << "/" << given;
    }
}

// The size for a pitch diameter takes one contact-angle step per pass, while the pitch
// diameter from a size iterates the angle: a round trip closes only approximately.
TEST(PitchDiam, RoundTripThroughThePitchDiamClosesOnlyApproximately) {
    TPitchDiamData measured = test::MetricThreadOverWires();
    measured.Starts = 4;
    measured.Force = 1;
    ASSERT_TRUE(CalcPitchDiam(measured));

    TPitchDiamData back = measured;
    back.GivenQty = 2;
    back.SizeCtr = back.SizeOver = 0;
    ASSERT_TRUE(CalcPitchDiam(back));
    EXPECT_NEAR(back.SizeOver, 20.0, 1e-4);
    EXPECT_GT(std::abs(back.SizeOver - 20.0), 1e-6);
    EXPECT_EQ(back.PitchDiam, measured.PitchDiam);
}

// The taper paths iterate the angle in both directions, so their round trip closes to the
// pass tolerance.
TEST(PitchDiam, TaperRoundTripClosesToThePassTolerance) {
    for (std::uint8_t mode : {0, 1}) {
        TPitchDiamData measured = test::MetricThreadOverWires();
        measured.ThreadType = 2;
        measured.MeasMode = mode;
        measured.TaperRatio = 0.0625;
        measured.Starts = 4;
        ASSERT_TRUE(CalcPitchDiam(measured));

        TPitchDiamData back = measured;
        back.GivenQty = 2;
        back.SizeCtr = back.SizeOver = 0;
        ASSERT_TRUE(CalcPitchDiam(back));
        EXPECT_NEAR(back.SizeOver, 20.0, 1e-6) << "mode " << +mode;
    }
}

struct TwinCase {
    const char* name;
    std::uint8_t cylMode;
    std::uint8_t taperMode;
};

class ZeroTaper : public ::testing::TestWithParam<TwinCase> {};

// A taper thread with no taper is a cylindrical thread measured the same way.
TEST_P(ZeroTaper, SizeGivenEqualsTheCylindricalResult) {
    for (std::uint8_t given : {0, 1}) {
        TPitchDiamData cyl = test::MetricThreadOverWires();
        cyl.GivenQty = given;
        cyl.SizeCtr = 19.134;
        cyl.Force = 1;
        cyl.MeasMode = GetParam().cylMode;
        TPitchDiamData taper = cyl;
        taper.ThreadType = 2;
        taper.MeasMode = GetParam().taperMode;
        ASSERT_TRUE(CalcPitchDiam(cyl));
        ASSERT_TRUE(CalcPitchDiam(taper));
        EXPECT_TRUE(test::ChangedFields(cyl, taper) == Fields({"ThreadType", "MeasMode"}))
            << "given " << +given;
    }
}

// From a pitch diameter the taper path iterates the angle and the cylindrical one does not.
TEST_P(ZeroTaper, PitchDiamGivenAgreesWithTheCylindricalResult) {
    TPitchDiamData cyl = test::MetricThreadOverWires();
    cyl.GivenQty = 2;
    cyl.PitchDiam = 18.7;
    cyl.Force = 1;
    cyl.MeasMode = GetParam().cylMode;
    TPitchDiamData taper = cyl;
    taper.ThreadType = 2;
    taper.MeasMode = GetParam().taperMode;
    ASSERT_TRUE(CalcPitchDiam(cyl));
    ASSERT_TRUE(CalcPitchDiam(taper));
    EXPECT_EQ(taper.DeformCorr, cyl.DeformCorr);
    EXPECT_NEAR(taper.SizeOver, cyl.SizeOver, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Arrangements, ZeroTaper,
                         ::testing::Values(TwinCase{"TwoWires", 1, 0},
                                           TwinCase{"ThreeWires", 0, 1}),
                         kthread::test::RowName());

TEST(PitchDiam, TaperTermLowersThePitchDiam) {
    TPitchDiamData flat = test::MetricThreadOverWires();
    flat.ThreadType = 2;
    TPitchDiamData tapered = flat;
    tapered.TaperRatio = 0.0625;
    ASSERT_TRUE(CalcPitchDiam(flat));
    ASSERT_TRUE(CalcPitchDiam(tapered));
    const double a = flat.FlankAngle1;
    const double term = (0.0625 / 2) * (0.0625 / 2) * (flat.Pitch / 2) * std::tan(a);
    EXPECT_NEAR(flat.PitchDiam - tapered.PitchDiam, term, 1e-12);
}

// Three wires on a cone: the anvil lies along the cone on two wires, so the reading is taken
// across the cone and the size at right angles to the axis is m / cos(atan(T/2)).
TEST(PitchDiam, TaperThreeWiresReadTheSizeAcrossTheCone) {
    TPitchDiamData threeWires = test::MetricThreadOverWires();
    threeWires.ThreadType = 2;
    threeWires.MeasMode = 1;
    threeWires.GivenQty = 0;
    threeWires.TaperRatio = 0.0625;
    threeWires.SizeCtr = 19.134;
    TPitchDiamData twoWires = threeWires;
    twoWires.MeasMode = 0;
    twoWires.SizeCtr = 19.134 / std::cos(std::atan(0.0625 / 2));
    ASSERT_TRUE(CalcPitchDiam(threeWires));
    ASSERT_TRUE(CalcPitchDiam(twoWires));
    EXPECT_DOUBLE_EQ(threeWires.PitchDiam, twoWires.PitchDiam);

    // And back: the solved size is multiplied by that cosine before the taper term is added.
    threeWires.GivenQty = twoWires.GivenQty = 2;
    ASSERT_TRUE(CalcPitchDiam(threeWires));
    ASSERT_TRUE(CalcPitchDiam(twoWires));
    const double a = threeWires.FlankAngle1;
    const double term = (0.0625 / 2) * (0.0625 / 2) * (threeWires.Pitch / 2) * std::tan(a);
    EXPECT_NEAR((threeWires.SizeCtr - term) / std::cos(std::atan(0.0625 / 2)),
                twoWires.SizeCtr - term, 1e-12);
}

struct PipeThreadCase {
    const char* name;
    double threadsPerInch;
    double wireInch;
    double sizeOverInch;
};

class TaperThreeWireHandbook : public ::testing::TestWithParam<PipeThreadCase> {};

// Taper pipe threads (60 degrees, taper 1:16) over three wires: the handbook's
// E = 1.00049 M + 0.86603 P - 3.00049 dD. The program adds the helix and the small taper term,
// together about 1 micrometre at these leads; the reading taken along the axis would be 20 to
// 60 micrometres off.
TEST_P(TaperThreeWireHandbook, AgreesWithThePipeThreadFormula) {
    const PipeThreadCase& c = GetParam();
    constexpr double kInch = 25.4;
    TPitchDiamData d{};
    d.ThreadType = 2;
    d.GivenQty = 1;
    d.MeasMode = 1;
    d.Pitch = kInch / c.threadsPerInch;
    d.Starts = 1;
    d.TaperRatio = 1.0 / 16;
    d.FlankAngle1 = d.FlankAngle2 = 30 * std::acos(-1.0) / 180;
    d.ProbeDiam = c.wireInch * kInch;
    d.SizeOver = c.sizeOverInch * kInch;
    ASSERT_TRUE(CalcPitchDiam(d));
    const double handbook = 1.00049 * d.SizeOver + 0.86603 * d.Pitch - 3.00049 * d.ProbeDiam;
    EXPECT_NEAR(d.PitchDiam, handbook, 0.002) << "mm";
}

INSTANTIATE_TEST_SUITE_P(PipeSizes, TaperThreeWireHandbook,
                         ::testing::Values(PipeThreadCase{"HalfInch14", 14, 0.04124, 0.83136},
                                           PipeThreadCase{"OneInch11Half", 11.5, 0.05020, 1.29713},
                                           PipeThreadCase{"TwoInch11Half", 11.5, 0.05020, 2.35773}),
                         kthread::test::RowName());

struct InclinedCase {
    const char* name;
    std::uint8_t threadType;
    std::uint8_t inclinedMode;
    std::uint8_t plainMode;
    double size;
    double probeDiam;
};

class Inclined : public ::testing::TestWithParam<InclinedCase> {};

// An inclined measurement is solved at the size across the incline, sqrt(m^2 - P^2/4).
TEST_P(Inclined, SizeIsReducedAcrossTheLead) {
    const InclinedCase& c = GetParam();
    TPitchDiamData inclined = test::MetricThreadOverWires();
    inclined.ThreadType = c.threadType;
    inclined.MeasMode = c.inclinedMode;
    inclined.GivenQty = 0;
    inclined.ProbeDiam = c.probeDiam;
    inclined.SizeCtr = c.size;
    TPitchDiamData plain = inclined;
    plain.MeasMode = c.plainMode;
    plain.SizeCtr = std::sqrt(c.size * c.size - plain.Pitch * plain.Pitch / 4);
    ASSERT_TRUE(CalcPitchDiam(inclined));
    ASSERT_TRUE(CalcPitchDiam(plain));
    EXPECT_DOUBLE_EQ(inclined.PitchDiam, plain.PitchDiam);
    EXPECT_EQ(inclined.SizeOver, c.size + c.probeDiam);

    // From a pitch diameter the solved size is widened back: sqrt(P^2/4 + m^2).
    inclined.GivenQty = plain.GivenQty = 2;
    ASSERT_TRUE(CalcPitchDiam(inclined));
    ASSERT_TRUE(CalcPitchDiam(plain));
    EXPECT_DOUBLE_EQ(inclined.SizeCtr,
                     std::sqrt(plain.Pitch * plain.Pitch / 4 + plain.SizeCtr * plain.SizeCtr));
}

INSTANTIATE_TEST_SUITE_P(
    Arrangements, Inclined,
    ::testing::Values(InclinedCase{"ExternalTwoWiresInclined", 0, 2, 1, 19.134, 0.866},
                      InclinedCase{"InternalBallsInclined", 1, 1, 0, 17.7, 1.0},
                      InclinedCase{"InternalTaperBallsInclined", 3, 1, 0, 17.7, 1.0}),
    kthread::test::RowName());

// The internal taper thread is solved as an internal cylindrical one.
TEST(PitchDiam, InternalTaperMatchesInternalCylindrical) {
    for (std::uint8_t given : {0, 1, 2}) {
        for (std::uint8_t mode : {0, 1}) {
            TPitchDiamData cyl = test::MetricThreadOverWires();
            cyl.ThreadType = 1;
            cyl.GivenQty = given;
            cyl.MeasMode = mode;
            cyl.ProbeDiam = 1.0;
            cyl.SizeCtr = 17.7;
            cyl.SizeOver = 18.7;
            cyl.PitchDiam = 18.376;
            cyl.Force = 1;
            TPitchDiamData taper = cyl;
            taper.ThreadType = 3;
            ASSERT_TRUE(CalcPitchDiam(cyl));
            ASSERT_TRUE(CalcPitchDiam(taper));
            EXPECT_EQ(test::ChangedFields(cyl, taper), Fields{"ThreadType"})
                << "given " << +given << " mode " << +mode;
        }
    }
}

} // namespace
} // namespace kthread
