// One measurement from command-line values: angles, units, methods, limits and the result lines.
#include "cli/FlankAngleText.h"
#include "cli/MeasurementRequest.h"
#include "cli/ResultReport.h"
#include "engine/NumberText.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kthread::cli {
namespace {

constexpr double kPi = 3.14159265358979323846;

MeasurementRequest WorkedExample() {
    MeasurementRequest request;
    request.thread = ThreadType::ExternalCylindrical;
    request.given = GivenQuantity::SizeOver;
    request.method = 0;
    request.value = 20;
    request.pitch = 1.5;
    request.probeDiam = 0.866;
    return request;
}

std::vector<ResultLine> Calculate(const MeasurementRequest& request) {
    TPitchDiamData record = BuildRecord(request);
    EXPECT_TRUE(CalcPitchDiam(record));
    return ResultLines(record, request.inch);
}

TEST(Measurement, WorkedExampleGivesTheKnownPitchDiameter) {
    const auto lines = Calculate(WorkedExample());
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].name, "Pitch diameter (d2)");
    EXPECT_EQ(lines[0].value, "18.70062");
    EXPECT_EQ(lines[1].name, "Measurement P.D. (m)");
    EXPECT_EQ(lines[1].value, "19.13400"); // m = M - D with no force
    EXPECT_EQ(lines[2].name, "Deformation correction A2");
    EXPECT_EQ(lines[2].value, "0.00000");
    EXPECT_EQ(lines[3].name, "Opt. probe diameter");
    EXPECT_EQ(lines[3].value, "0.86603"); // P / (2 cos 30 deg)
    EXPECT_EQ(FormatResultLines(lines).substr(0, 30), "Pitch diameter (d2): 18.70062\n");
}

TEST(Measurement, RecordCarriesTheWindowsUnitsAndDefaults) {
    MeasurementRequest request = WorkedExample();
    request.flank1 = {29, 30, 0};
    request.flank2 = {30, 30, 0};
    request.starts = 2;
    request.force = 1.5;
    request.threadPoisson = 0.28;
    request.threadModulusGPa = 200;
    const TPitchDiamData record = BuildRecord(request);
    EXPECT_EQ(record.ThreadType, 0);
    EXPECT_EQ(record.GivenQty, 1);
    EXPECT_EQ(record.SizeOver, 20.0);
    EXPECT_EQ(record.SizeCtr, 0.0);
    EXPECT_EQ(record.PitchDiam, 0.0);
    EXPECT_EQ(record.Starts, 2.0);
    EXPECT_EQ(record.Force, 1.5);
    EXPECT_EQ(record.ThreadPoisson, 0.28);
    EXPECT_EQ(record.ThreadModulus, 2.0e11);
    EXPECT_EQ(record.ProbePoisson, kSteelPoisson);
    EXPECT_EQ(record.ProbeModulus, kSteelModulus);
    EXPECT_NEAR(record.FlankAngle1, 29.5 * kPi / 180, 1e-15);
    EXPECT_NEAR(record.FlankAngle2, 30.5 * kPi / 180, 1e-15);
}

struct MaterialCase {
    const char* name;
    ThreadType thread;
    std::optional<ProbeMaterial> chosen;
    double poisson;
    double modulus;
};

class ProbeMaterialChoice : public testing::TestWithParam<MaterialCase> {};

TEST_P(ProbeMaterialChoice, FollowsTheThreadTypeUnlessChosen) {
    const MaterialCase& row = GetParam();
    MeasurementRequest request = WorkedExample();
    request.thread = row.thread;
    request.probeMaterial = row.chosen;
    const TPitchDiamData record = BuildRecord(request);
    EXPECT_EQ(record.ProbePoisson, row.poisson);
    EXPECT_EQ(record.ProbeModulus, row.modulus);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProbeMaterialChoice,
    testing::Values(
        MaterialCase{"ExternalWiresSteel", ThreadType::ExternalCylindrical, {}, 0.3, 2.5e11},
        MaterialCase{"ExternalTaperSteel", ThreadType::ExternalTaper, {}, 0.3, 2.5e11},
        MaterialCase{"InternalBallsRuby", ThreadType::InternalCylindrical, {}, 0.25, 4.0e11},
        MaterialCase{"InternalTaperRuby", ThreadType::InternalTaper, {}, 0.25, 4.0e11},
        MaterialCase{"InternalChosenSteel", ThreadType::InternalCylindrical, ProbeMaterial::Steel,
                     0.3, 2.5e11},
        MaterialCase{"ExternalChosenRuby", ThreadType::ExternalCylindrical, ProbeMaterial::Ruby,
                     0.25, 4.0e11}),
    kthread::test::RowName());

TEST(Measurement, TaperRatioReachesTheEngineForExternalTaperOnly) {
    MeasurementRequest request = WorkedExample();
    request.taperRatio = 0.0625;
    for (std::size_t type = 0; type < ThreadNames().size(); ++type) {
        request.thread = static_cast<ThreadType>(type);
        const double expected = type == 2 ? 0.0625 : 0.0;
        EXPECT_EQ(BuildRecord(request).TaperRatio, expected) << ThreadNames()[type];
    }
}

TEST(Measurement, InchInputGivesTheSameRecordAsMillimetres) {
    // Binary fractions of an inch, so that the conversion is exact.
    MeasurementRequest inch = WorkedExample();
    inch.inch = true;
    inch.value = 1;
    inch.pitch = 0.0625;
    inch.probeDiam = 0.03125;
    MeasurementRequest mm = inch;
    mm.inch = false;
    mm.value = 25.4;
    mm.pitch = 1.5875;
    mm.probeDiam = 0.79375;
    const TPitchDiamData a = BuildRecord(inch);
    const TPitchDiamData b = BuildRecord(mm);
    EXPECT_EQ(a.SizeOver, b.SizeOver);
    EXPECT_EQ(a.Pitch, b.Pitch);
    EXPECT_EQ(a.ProbeDiam, b.ProbeDiam);

    TPitchDiamData done = b;
    ASSERT_TRUE(CalcPitchDiam(done));
    const auto lines = Calculate(inch);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].value, FormatFixed(done.PitchDiam / 25.4, 8, 6));
    EXPECT_EQ(lines[1].value, FormatFixed(done.SizeCtr / 25.4, 8, 6));
    EXPECT_EQ(lines[2].value, FormatFixed(done.DeformCorr / 25.4, 8, 6));
    EXPECT_EQ(lines[0].value.size() - lines[0].value.find('.'), 7U);
}

TEST(Measurement, OptimalProbeDiameterInInchesKeepsFiveDecimals) {
    MeasurementRequest request = WorkedExample();
    request.starts = 2;
    const auto mmLines = Calculate(request);
    request.inch = true;
    request.pitch = 1.5 / 25.4;
    request.probeDiam = 0.866 / 25.4;
    request.value = 20 / 25.4;
    const auto inchLines = Calculate(request);
    EXPECT_EQ(mmLines.back().value, "0.86603");
    EXPECT_EQ(inchLines.back().value, "0.03410");
}

struct LabelCase {
    const char* name;
    ThreadType thread;
    GivenQuantity given;
    const char* first;
    const char* second;
};

class ResultLabels : public testing::TestWithParam<LabelCase> {};

TEST_P(ResultLabels, NameTheTwoQuantitiesThatWereNotGiven) {
    const LabelCase& row = GetParam();
    MeasurementRequest request = WorkedExample();
    request.thread = row.thread;
    request.given = row.given;
    request.value = row.given == GivenQuantity::PitchDiam ? 18.7 : 20;
    TPitchDiamData record = BuildRecord(request);
    ASSERT_TRUE(CalcPitchDiam(record));
    const auto lines = ResultLines(record, false);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(lines[0].name, row.first);
    EXPECT_EQ(lines[1].name, row.second);
    const double firstValue =
        row.given == GivenQuantity::PitchDiam ? record.SizeCtr : record.PitchDiam;
    const double secondValue = row.given == GivenQuantity::SizeCtr    ? record.SizeOver
                               : row.given == GivenQuantity::SizeOver ? record.SizeCtr
                                                                      : record.SizeOver;
    EXPECT_EQ(lines[0].value, FormatFixed(firstValue, 8, 5));
    EXPECT_EQ(lines[1].value, FormatFixed(secondValue, 8, 5));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultLabels,
    testing::Values(
        LabelCase{"ExternalSizeGiven", ThreadType::ExternalCylindrical, GivenQuantity::SizeCtr,
                  "Pitch diameter (d2)", "Measurement P.D. (M)"},
        LabelCase{"ExternalOverGiven", ThreadType::ExternalTaper, GivenQuantity::SizeOver,
                  "Pitch diameter (d2)", "Measurement P.D. (m)"},
        LabelCase{"InternalSizeGiven", ThreadType::InternalCylindrical, GivenQuantity::SizeCtr,
                  "Pitch diameter (D2)", "Measurement P.D. (M)"},
        LabelCase{"InternalTaperOverGiven", ThreadType::InternalTaper, GivenQuantity::SizeOver,
                  "Pitch diameter (D2)", "Measurement P.D. (m)"},
        LabelCase{"PitchDiameterGiven", ThreadType::ExternalCylindrical, GivenQuantity::PitchDiam,
                  "Measurement P.D. (m)", "Measurement P.D. (M)"}),
    kthread::test::RowName());

struct FlankCase {
    const char* name;
    const char* text;
    bool valid;
    double degrees;
};

class FlankText : public testing::TestWithParam<FlankCase> {};

TEST_P(FlankText, ReadsDegreesOrDegMinSecWithinTheWindowsLimits) {
    const FlankCase& row = GetParam();
    std::string error;
    const auto angle = ParseFlankAngle(row.text, &error);
    ASSERT_EQ(angle.has_value(), row.valid) << error;
    if (row.valid) {
        EXPECT_NEAR(FlankRadians(*angle), row.degrees * kPi / 180, 1e-15);
    } else {
        EXPECT_FALSE(error.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FlankText,
    testing::Values(
        FlankCase{"WholeDegrees", "30", true, 30},
        FlankCase{"DecimalDegrees", "29.75", true, 29.75},
        FlankCase{"DegMinSec", "29:30:0", true, 29.5},
        FlankCase{"DegMinSecAllParts", "1:31:30", true, 1 + 31.0 / 60 + 30.0 / 3600},
        FlankCase{"DegMin", "29:45", true, 29.75}, FlankCase{"ZeroAngle", "0", true, 0},
        FlankCase{"UpperLimits", "90:59:59", true, 90 + 59.0 / 60 + 59.0 / 3600},
        FlankCase{"DegreesAbove90", "90.5", false, 0},
        FlankCase{"MinutesAbove59", "29:60:0", false, 0},
        FlankCase{"SecondsAbove59", "29:0:60", false, 0},
        FlankCase{"NegativeDegrees", "-30", false, 0}, FlankCase{"FourParts", "1:2:3:4", false, 0},
        FlankCase{"EmptyPart", "29::0", false, 0}, FlankCase{"TrailingColon", "29:", false, 0},
        FlankCase{"ZeroPadded", "29:05:00", true, 29 + 5.0 / 60},
        FlankCase{"ZeroPaddedDecimal", "029.50", true, 29.5},
        FlankCase{"Exponent", "3e1", true, 30}, FlankCase{"Hexadecimal", "0x1E", false, 0},
        FlankCase{"BareFraction", ".5", false, 0}, FlankCase{"TrailingPoint", "30.", false, 0},
        FlankCase{"LeadingPlus", "+30", false, 0}, FlankCase{"Empty", "", false, 0},
        FlankCase{"CommaDecimalMark", "29,5", false, 0}, FlankCase{"Words", "thirty", false, 0},
        FlankCase{"NotANumber", "nan", false, 0}),
    kthread::test::RowName());

TEST(Methods, EachThreadTypeOffersItsOwnMethodsInSelectorOrder) {
    const std::vector<std::vector<std::string_view>> expected{
        {"three-wires", "two-wires", "two-wires-inclined"},
        {"perpendicular", "inclined"},
        {"two-wires", "three-wires"},
        {"perpendicular"}};
    for (std::size_t type = 0; type < expected.size(); ++type) {
        const auto names = MethodNames(static_cast<ThreadType>(type));
        EXPECT_EQ(std::vector<std::string_view>(names.begin(), names.end()), expected[type]);
        for (std::size_t i = 0; i < expected[type].size(); ++i) {
            EXPECT_EQ(IndexOfName(names, expected[type][i]), i);
        }
    }
    EXPECT_FALSE(IndexOfName(MethodNames(ThreadType::InternalCylindrical), "three-wires"));
    EXPECT_FALSE(IndexOfName(MethodNames(ThreadType::InternalTaper), "inclined"));
    EXPECT_FALSE(IndexOfName(MethodNames(ThreadType::ExternalTaper), "two-wires-inclined"));
}

TEST(Methods, GivenQuantityNamesKeepTheirCase) {
    EXPECT_EQ(IndexOfName(GivenNames(), "m"), 0);
    EXPECT_EQ(IndexOfName(GivenNames(), "M"), 1);
    EXPECT_EQ(IndexOfName(GivenNames(), "d2"), 2);
    EXPECT_FALSE(IndexOfName(GivenNames(), "D2"));
}

TEST(Methods, AMethodBeyondTheThreadTypesListIsRejected) {
    MeasurementRequest request = WorkedExample();
    request.thread = ThreadType::InternalTaper;
    request.method = 1;
    const auto problem = CheckRequest(request);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("--method"), std::string::npos);
    request.method = 0;
    EXPECT_FALSE(CheckRequest(request));
}

struct LimitCase {
    const char* name;
    void (*change)(MeasurementRequest&);
    const char* option; // empty: the request is fine
};

class RequestLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(RequestLimits, NameTheOptionOutsideItsRange) {
    const LimitCase& row = GetParam();
    MeasurementRequest request = WorkedExample();
    row.change(request);
    const auto problem = CheckRequest(request);
    if (std::string(row.option).empty()) {
        EXPECT_FALSE(problem) << *problem;
    } else {
        ASSERT_TRUE(problem);
        EXPECT_TRUE(problem->starts_with(row.option)) << *problem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RequestLimits,
    testing::Values(
        LimitCase{"PitchZero", [](MeasurementRequest& r) { r.pitch = 0; }, "--pitch"},
        LimitCase{"PitchAtLimit", [](MeasurementRequest& r) { r.pitch = 100; }, ""},
        LimitCase{"PitchAboveLimit", [](MeasurementRequest& r) { r.pitch = 100.001; }, "--pitch"},
        LimitCase{"PitchInchLimitInMm",
                  [](MeasurementRequest& r) {
                      r.inch = true;
                      r.pitch = 4;
                      r.value = 0.5;
                      r.probeDiam = 0.05;
                  },
                  "--pitch"},
        LimitCase{"ProbeZeroRefused", [](MeasurementRequest& r) { r.probeDiam = 0; }, "--probe"},
        LimitCase{"ProbeAtLimit", [](MeasurementRequest& r) { r.probeDiam = 100; }, ""},
        LimitCase{"ProbeNegative", [](MeasurementRequest& r) { r.probeDiam = -0.1; }, "--probe"},
        LimitCase{"ForceAbove100", [](MeasurementRequest& r) { r.force = 101; }, "--force"},
        LimitCase{"ValueAt4000", [](MeasurementRequest& r) { r.value = 4000; }, ""},
        LimitCase{"ValueAbove4000", [](MeasurementRequest& r) { r.value = 4000.5; }, "--value"},
        LimitCase{"ValueNotANumber", [](MeasurementRequest& r) { r.value = std::nan(""); },
                  "--value"},
        LimitCase{"StartsAbove100", [](MeasurementRequest& r) { r.starts = 101; }, "--starts"},
        LimitCase{"StartsFraction", [](MeasurementRequest& r) { r.starts = 1.5; }, "--starts"},
        LimitCase{"StartsZero", [](MeasurementRequest& r) { r.starts = 0; }, ""},
        LimitCase{"PoissonBelowLimit", [](MeasurementRequest& r) { r.threadPoisson = 0.001; },
                  "--poisson"},
        LimitCase{"ModulusAboveLimit", [](MeasurementRequest& r) { r.threadModulusGPa = 2001; },
                  "--modulus"},
        LimitCase{"TaperNegative", [](MeasurementRequest& r) { r.taperRatio = -1; }, "--taper"}),
    kthread::test::RowName());

} // namespace
} // namespace kthread::cli
