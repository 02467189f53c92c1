// The shared vocabulary of a measurement: where each input's range flips, the order of the
// Calculate checks, and the record built from the inputs.
#include "engine/Measurement.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kthread {
namespace {

struct EdgeCase {
    std::string name;
    Input input;
    double inside;  // the edge value itself, or the nearest accepted value
    double outside; // the nearest refused value
};

class InputLimitEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(InputLimitEdges, FlipAtTheEdge) {
    const InputLimit& limit = LimitOf(GetParam().input);
    EXPECT_EQ(limit.input, GetParam().input);
    EXPECT_TRUE(IsWithin(limit, GetParam().inside));
    EXPECT_FALSE(IsWithin(limit, GetParam().outside));
    EXPECT_FALSE(IsWithin(limit, std::numeric_limits<double>::quiet_NaN()));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, InputLimitEdges,
    ::testing::Values(EdgeCase{"PitchAboveZero", Input::Pitch, 1e-9, 0},
                      EdgeCase{"PitchUpTo100", Input::Pitch, 100, 100.000001},
                      EdgeCase{"DegreesUpTo90", Input::FlankDegrees, 90, 90.0001},
                      EdgeCase{"MinutesUpTo59", Input::FlankMinutes, 59, 59.5},
                      EdgeCase{"SecondsFromZero", Input::FlankSeconds, 0, -1e-9},
                      EdgeCase{"ProbeMayBeZero", Input::ProbeDiam, 0, -0.001},
                      EdgeCase{"ForceUpTo100", Input::Force, 100, 100.5},
                      EdgeCase{"GivenUpTo4000", Input::Given, 4000, 4000.001},
                      EdgeCase{"PoissonFrom001", Input::ThreadPoisson, 0.01, 0.009},
                      EdgeCase{"ModulusUpTo2000", Input::ThreadModulus, 2000, 2001},
                      EdgeCase{"TaperUpTo100", Input::TaperRatio, 100, 101}),
    kthread::test::RowName());

MeasurementInputs WorkedExample() {
    MeasurementInputs in;
    in.pitch = 1.5;
    in.probeDiam = 0.866;
    in.givenValue = 20;
    return in;
}

TEST(CalculateChecks, NameTheFirstInputOutOfRangeInTheirOrder) {
    MeasurementInputs in = WorkedExample();
    EXPECT_EQ(FirstCalculateCheckFailing(in), std::nullopt);
    in.givenValue = 5000;
    EXPECT_EQ(FirstCalculateCheckFailing(in), Input::Given);
    in.flank2.minutes = 60;
    EXPECT_EQ(FirstCalculateCheckFailing(in), Input::FlankMinutes);
    in.pitch = 0;
    EXPECT_EQ(FirstCalculateCheckFailing(in), Input::Pitch);
}

TEST(CalculateChecks, LeaveTheSelfLimitingFieldsToThemselves) {
    MeasurementInputs in = WorkedExample();
    in.threadPoisson = 0;
    in.starts = 500;
    EXPECT_EQ(FirstCalculateCheckFailing(in), std::nullopt);
    EXPECT_EQ(FirstInputOutOfRange(in), Input::Starts);
    in.starts = 1;
    EXPECT_EQ(FirstInputOutOfRange(in), Input::ThreadPoisson);
}

TEST(MeasurementRecord, WorkedExampleIsFilledAsTheEngineExpects) {
    MeasurementInputs in = WorkedExample();
    in.starts = 2.9; // whole starts only
    in.flank2 = {29, 30, 36};
    in.force = 1;
    const TPitchDiamData d = BuildMeasurementRecord(in);
    EXPECT_EQ(d.ThreadType, 0);
    EXPECT_EQ(d.GivenQty, 1);
    EXPECT_EQ(d.SizeOver, 20);
    EXPECT_EQ(d.SizeCtr, 0);
    EXPECT_EQ(d.PitchDiam, 0);
    EXPECT_EQ(d.Starts, 2);
    EXPECT_EQ(d.FlankAngle2, AngleRad(29, 30, 36));
    EXPECT_EQ(d.ProbePoisson, kSteelPoisson);
    EXPECT_EQ(d.ThreadModulus, 250e9);
    EXPECT_EQ(d.Force, 1);

    // The window's worked example with a force of 1 N.
    MeasurementInputs loaded = WorkedExample();
    loaded.force = 1;
    TPitchDiamData solved = BuildMeasurementRecord(loaded);
    ASSERT_TRUE(CalcPitchDiam(solved));
    EXPECT_NEAR(solved.PitchDiam, 18.70123, 5e-6);
}

TEST(MeasurementRecord, GivenValueGoesToTheFieldItNames) {
    for (const GivenQuantity given :
         {GivenQuantity::SizeCtr, GivenQuantity::SizeOver, GivenQuantity::PitchDiam}) {
        MeasurementInputs in = WorkedExample();
        in.given = given;
        const TPitchDiamData d = BuildMeasurementRecord(in);
        EXPECT_EQ(d.GivenQty, static_cast<std::uint8_t>(given));
        EXPECT_EQ(d.SizeCtr + d.SizeOver + d.PitchDiam, 20.0);
        EXPECT_EQ(given == GivenQuantity::SizeCtr    ? d.SizeCtr
                  : given == GivenQuantity::SizeOver ? d.SizeOver
                                                     : d.PitchDiam,
                  20.0);
    }
}

TEST(MeasurementRecord, TaperRatioAndProbeMaterialFollowTheThreadType) {
    for (int type = 0; type < kThreadTypeCount; ++type) {
        MeasurementInputs in = WorkedExample();
        in.thread = static_cast<ThreadType>(type);
        in.taperRatio = 0.0625;
        in.probeMaterial = DefaultProbeMaterial(in.thread);
        const TPitchDiamData d = BuildMeasurementRecord(in);
        EXPECT_EQ(d.TaperRatio, in.thread == ThreadType::ExternalTaper ? 0.0625 : 0.0) << type;
        EXPECT_EQ(d.ProbeModulus, IsExternal(in.thread) ? kSteelModulus : kRubyModulus) << type;
    }
}

} // namespace
} // namespace kthread
