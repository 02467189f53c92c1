// The reading window: each end, measured back through the size-given path, lands on its limit.
#include "engine/designation/ReadingWindow.h"
#include "engine/designation/Designation.h"
#include "support/TestNames.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kthread::designation {
namespace {

struct WindowCase {
    const char* name;
    const char* designation;
    std::uint8_t givenQty; // the set-up's given quantity: decides m or M
    std::uint8_t measMode;
    double probeDiam;
    double force;
    // The size-given and the pitch-diameter-given paths invert each other to the accuracy of
    // the helix terms, which falls as the lead angle grows.
    double toleranceMm;
};

class ReadingWindowRoundTrip : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ReadingWindowRoundTrip, EndsMeasureBackToTheLimits) {
    const WindowCase& c = GetParam();
    const ParseResult parsed = ParseDesignation(c.designation);
    ASSERT_NE(ParsedDesignation(parsed), nullptr) << c.designation;
    const auto limits = ThreadLimitsOf(*ParsedDesignation(parsed));
    ASSERT_TRUE(limits);

    TPitchDiamData setup{};
    setup.GivenQty = c.givenQty;
    setup.MeasMode = c.measMode;
    setup.ProbeDiam = c.probeDiam;
    setup.Force = c.force;
    setup.ProbePoisson = 0.3;
    setup.ThreadPoisson = 0.3;
    setup.ProbeModulus = 2.1e11;
    setup.ThreadModulus = 2.1e11;
    setup.ThreadType = 3; // overwritten from the designation
    const auto window = ReadingWindowOf(*limits, setup);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->reading, c.givenQty == 0 ? Reading::SizeCtr : Reading::SizeOver);
    EXPECT_LT(window->minMm, window->maxMm);

    // Measuring each end gives back one limit each; which one depends on the side.
    double back[2];
    int i = 0;
    for (double reading : {window->minMm, window->maxMm}) {
        TPitchDiamData measured = setup;
        ApplyToRecord(*limits, measured);
        measured.GivenQty = window->reading == Reading::SizeCtr ? 0 : 1;
        (window->reading == Reading::SizeCtr ? measured.SizeCtr : measured.SizeOver) = reading;
        ASSERT_TRUE(CalcPitchDiam(measured));
        back[i++] = measured.PitchDiam;
    }
    EXPECT_NEAR(std::min(back[0], back[1]), limits->pitchDiamMinMm, c.toleranceMm);
    EXPECT_NEAR(std::max(back[0], back[1]), limits->pitchDiamMaxMm, c.toleranceMm);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, ReadingWindowRoundTrip,
    ::testing::Values(WindowCase{"MetricThreeWiresM", "M10x1.5-6g", 1, 0, 0.866, 0, 1e-5},
                      WindowCase{"MetricThreeWiresWithForce", "M10x1.5-6g", 1, 0, 0.866, 1.5, 1e-5},
                      WindowCase{"MetricTwoWiresSizeCtr", "M20x2-5g6g", 0, 1, 1.157, 0, 1e-5},
                      WindowCase{"PitchDiamGivenReadsM", "M6-6g", 2, 0, 0.577, 0, 1e-5},
                      WindowCase{"InternalMetricBalls", "M24x2-6H", 1, 0, 1.1, 1, 1e-5},
                      WindowCase{"UnifiedExternal", "1/2-13 UNC-2A", 1, 0, 1.1, 0, 1e-5},
                      WindowCase{"UnifiedInternal", "#10-32 UNF-3B", 1, 0, 0.45, 0, 1e-5},
                      WindowCase{"TrapezoidalTwoStarts", "Tr 40x14(P7)-8e", 1, 0, 3.6, 0, 2e-3}),
    kthread::test::RowName());

TEST(ReadingWindow, TakesTheGeometryFromTheLimitsNotFromTheSetup) {
    const auto limits = ThreadLimitsOf(*ParsedDesignation(ParseDesignation("M10x1.5-6g")));
    TPitchDiamData setup{};
    setup.GivenQty = 1;
    setup.ProbeDiam = 0.866;
    TPitchDiamData wrong = setup;
    wrong.Pitch = 1.25;
    wrong.FlankAngle1 = 0.4;
    wrong.Starts = 3;
    const auto a = ReadingWindowOf(*limits, setup);
    const auto b = ReadingWindowOf(*limits, wrong);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->minMm, b->minMm);
    EXPECT_EQ(a->maxMm, b->maxMm);
}

TEST(ReadingWindow, EmptyWhenTheSetupCannotBeComputed) {
    const auto limits = ThreadLimitsOf(*ParsedDesignation(ParseDesignation("M10x1.5-6g")));
    TPitchDiamData setup{};
    setup.GivenQty = 1;
    setup.ProbeDiam = 0; // the engine refuses a probe of diameter 0
    EXPECT_FALSE(ReadingWindowOf(*limits, setup));
}

TEST(ReadingWindow, ShownEndsAreRoundedInwardToADigit) {
    constexpr double kInch = 25.4;
    struct Case {
        double min, max;
        int decimals;
        double unit;
        double shownMin, shownMax; // in the unit
    };
    for (const Case& c : {
             // Both ends move inward, whichever way nearest rounding would have gone.
             Case{10.162034, 10.293996, 5, 1, 10.16204, 10.29399},
             Case{10.162036, 10.293994, 5, 1, 10.16204, 10.29399},
             // Ends that are digits already stay, also after a trip through a division.
             Case{10.16203, 10.29399, 5, 1, 10.16203, 10.29399},
             Case{0.4 * kInch, 0.405303 * kInch, 6, kInch, 0.4, 0.405303},
             Case{0.4001084 * kInch, 0.4053036 * kInch, 6, kInch, 0.400109, 0.405303},
         }) {
        const ReadingWindow shown =
            ShownInward({Reading::SizeOver, c.min, c.max}, c.decimals, c.unit);
        EXPECT_NEAR(shown.minMm / c.unit, c.shownMin, 1e-12) << c.min;
        EXPECT_NEAR(shown.maxMm / c.unit, c.shownMax, 1e-12) << c.max;
        // Never outside the window, never more than one digit inside it.
        const double digit = std::pow(10.0, -c.decimals) * c.unit;
        EXPECT_GE(shown.minMm, c.min - 1e-12);
        EXPECT_LE(shown.maxMm, c.max + 1e-12);
        EXPECT_LT(shown.minMm - c.min, digit);
        EXPECT_LT(c.max - shown.maxMm, digit);
        EXPECT_EQ(shown.reading, Reading::SizeOver);
    }
}

} // namespace
} // namespace kthread::designation
