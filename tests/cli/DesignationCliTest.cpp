// Designations on the command line: limits and verdicts at and around a limit for the three
// families, the reading window, conflicts with stated options, and the candidate list.
#include "CalcProgram.h"
#include "cli/DesignationFit.h"
#include "cli/SingleMeasurement.h"
#include "engine/designation/Designation.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <variant>

namespace kthread::cli {
namespace {

using test::Lines;
using test::NamedLines;
using test::RunCalc;

designation::ThreadLimits LimitsOf(const char* text, designation::Side side) {
    auto limits = LimitsOfDesignation(text, side);
    EXPECT_TRUE(std::holds_alternative<designation::ThreadLimits>(limits)) << text;
    return std::get<designation::ThreadLimits>(limits);
}

struct VerdictRow {
    const char* name;
    const char* designation;
    bool inch;
    double pitchDiam; // given, in the row's unit
    double probeDiam;
    const char* min; // the limits as printed
    const char* max;
    const char* verdict;
    const char* margin; // µm, or 0.0001 in
    int atLimit;        // -1 at the lower limit, 1 at the upper, 0 elsewhere
};

class DesignationVerdict : public ::testing::TestWithParam<VerdictRow> {};

// The pitch diameter is given, so the verdict judges exactly the value of the row.
TEST_P(DesignationVerdict, LimitsVerdictAndMarginAsPrinted) {
    const VerdictRow& row = GetParam();
    SingleMeasurement m;
    m.inch = row.inch;
    m.designation = LimitsOf(row.designation, designation::Side::External);
    MeasurementRequest request;
    request.inch = row.inch;
    request.given = GivenQuantity::PitchDiam;
    request.value = row.pitchDiam;
    request.probeDiam = row.probeDiam;
    request.thread = static_cast<ThreadType>(m.designation->threadType);
    m.request = request;
    const SingleAnswer answer = AnswerSingleMeasurement(m);
    ASSERT_TRUE(answer.ok) << answer.failure;
    auto lines = NamedLines(answer.text);
    const std::string symbol = m.designation->threadType == 0 ? "d2" : "D2";
    EXPECT_EQ(lines["Pitch diameter min (" + symbol + ")"], row.min);
    EXPECT_EQ(lines["Pitch diameter max (" + symbol + ")"], row.max);
    EXPECT_EQ(lines["Verdict"], row.verdict);
    EXPECT_EQ(lines[row.inch ? "Margin (0.0001 in)" : "Margin (\u00B5m)"], row.margin);
    // The reading window is printed so that a reading at either printed end, measured back
    // with the size given, is within the limits, and it lies within a few microns of the
    // size-given answer at each limit.
    for (const char* end : {"Reading window M min", "Reading window M max"}) {
        SingleMeasurement back = m;
        back.request->given = GivenQuantity::SizeOver;
        back.request->value = std::stod(lines[end]);
        const SingleAnswer measured = AnswerSingleMeasurement(back);
        ASSERT_TRUE(measured.ok) << measured.failure;
        EXPECT_EQ(NamedLines(measured.text)["Verdict"], "within limits") << end;
    }
    if (row.atLimit != 0) {
        const double atLimit = std::stod(lines["Measurement P.D. (M)"]);
        const double end =
            std::stod(lines[row.atLimit < 0 ? "Reading window M min" : "Reading window M max"]);
        EXPECT_NEAR(end, atLimit, row.inch ? 1e-4 : 3e-3);
    }
    EXPECT_LT(std::stod(lines["Reading window M min"]), std::stod(lines["Reading window M max"]));
}

INSTANTIATE_TEST_SUITE_P(
    Families, DesignationVerdict,
    ::testing::Values(VerdictRow{"MetricAtMin", "M10x1.5-6g", false, 8.862, 0.866, "8.86200",
                                 "8.99400", "within limits", "0.0", -1},
                      VerdictRow{"MetricHalfMicrometreBelowMin", "M10x1.5-6g", false, 8.8615, 0.866,
                                 "8.86200", "8.99400", "undersize", "0.5", 0},
                      VerdictRow{"MetricAtMax", "M10x1.5-6g", false, 8.994, 0.866, "8.86200",
                                 "8.99400", "within limits", "0.0", 1},
                      VerdictRow{"MetricHalfMicrometreAboveMax", "M10x1.5-6g", false, 8.9945, 0.866,
                                 "8.86200", "8.99400", "oversize", "0.5", 0},
                      VerdictRow{"MetricInsideToNearerLimit", "M10x1.5-6g", false, 8.95, 0.866,
                                 "8.86200", "8.99400", "within limits", "44.0", 0},
                      VerdictRow{"MetricCoarseDefault", "M6", false, 5.2115, 0.577, "5.21200",
                                 "5.32400", "undersize", "0.5", 0},
                      VerdictRow{"MetricInternalAtBasic", "M10-6H", false, 9.026, 0.866, "9.02600",
                                 "9.20600", "within limits", "0.0", -1},
                      VerdictRow{"MetricInternalAboveMax", "M10-6H", false, 9.207, 0.866, "9.02600",
                                 "9.20600", "oversize", "1.0", 0},
                      VerdictRow{"MetricMultiStart", "M16xPh3P1.5", false, 14.994, 0.866,
                                 "14.85400", "14.99400", "within limits", "0.0", 1},
                      VerdictRow{"UnifiedInchAtMin", "1/2-13 UNC-2A", true, 0.4435, 0.045,
                                 "0.443500", "0.448500", "within limits", "0.0", -1},
                      VerdictRow{"UnifiedInchHalfTenthBelowMin", "1/2-13 UNC-2A", true, 0.44345,
                                 0.045, "0.443500", "0.448500", "undersize", "0.5", 0},
                      VerdictRow{"UnifiedInchTenthAboveMax", "1/2-13 UNC-2A", true, 0.4486, 0.045,
                                 "0.443500", "0.448500", "oversize", "1.0", 0},
                      VerdictRow{"UnifiedInMillimetres", "1/2-13 UNC-2A", false, 11.3919, 1.1,
                                 "11.26490", "11.39190", "within limits", "0.0", 1},
                      VerdictRow{"UnifiedInternalAtMax", "#10-32 UNF-3B", true, 0.1726, 0.018,
                                 "0.169700", "0.172600", "within limits", "0.0", 1},
                      VerdictRow{"UnifiedInternalAboveMax", "#10-32 UNF-3B", true, 0.17265, 0.018,
                                 "0.169700", "0.172600", "oversize", "0.5", 0},
                      VerdictRow{"TrapezoidalAtMin", "Tr 24x5-7e", false, 21.094, 2.5, "21.09400",
                                 "21.39400", "within limits", "0.0", -1},
                      VerdictRow{"TrapezoidalMicrometreBelowMin", "Tr 24x5-7e", false, 21.093, 2.5,
                                 "21.09400", "21.39400", "undersize", "1.0", 0},
                      VerdictRow{"TrapezoidalTwoStartsAboveMax", "Tr 40x14(P7)-8e", false, 36.376,
                                 3.6, "35.87500", "36.37500", "oversize", "1.0", 0}),
    kthread::test::RowName());

// The case a user checks first: M10x1.5-6g over 0.866 mm wires reading M = 10.25.
TEST(DesignationCommand, MeasuredBoltShowsLimitsVerdictAndReadingWindow) {
    const auto run = RunCalc(
        {"--designation", "M10x1.5-6g", "--given", "M", "--value", "10.25", "--probe", "0.866"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Pitch diameter (d2): 8.94928\n"
                       "Measurement P.D. (m): 9.38400\n"
                       "Deformation correction A2: 0.00000\n"
                       "Opt. probe diameter: 0.86603\n"
                       "Designation: M10x1.5-6g\n"
                       "Pitch diameter min (d2): 8.86200\n"
                       "Pitch diameter max (d2): 8.99400\n"
                       "Verdict: within limits\n"
                       "Margin (\u00B5m): 44.7\n"
                       "Reading window M min: 10.16276\n"
                       "Reading window M max: 10.29470\n");
    EXPECT_EQ(run.err, "");
}

TEST(DesignationCommand, WithoutValueLimitsAloneOrWithTheReadingWindow) {
    const auto limitsOnly = RunCalc({"--designation", "m10 x 1,5"});
    EXPECT_EQ(limitsOnly.exitCode, 0) << limitsOnly.err;
    EXPECT_EQ(limitsOnly.out, "Designation: M10x1.5-6g\n"
                              "Pitch diameter min (d2): 8.86200\n"
                              "Pitch diameter max (d2): 8.99400\n");
    const auto window = RunCalc({"--designation", "M10x1.5-6g", "--probe", "0.866"});
    EXPECT_EQ(window.exitCode, 0) << window.err;
    EXPECT_EQ(NamedLines(window.out)["Reading window M min"], "10.16276");
    // The reading over the wires is m when m is what the set-up reads.
    const auto sizeCtr =
        RunCalc({"--designation", "M10x1.5-6g", "--probe", "0.866", "--given", "m"});
    const auto m = NamedLines(sizeCtr.out);
    EXPECT_EQ(m.count("Reading window M min"), 0U);
    EXPECT_EQ(m.at("Reading window m min"), "9.29676");
}

struct ConflictRow {
    const char* name;
    std::vector<std::string> base; // designation, value, probe
    std::vector<std::string> tried;
    bool accepted;
    const char* messagePart; // on standard error when refused
};

class DesignationConflict : public ::testing::TestWithParam<ConflictRow> {};

// An option that states what the designation fixes must agree with it; agreeing changes
// nothing in the answer.
TEST_P(DesignationConflict, DisagreementIsRefusedAgreementChangesNothing) {
    const ConflictRow& row = GetParam();
    std::vector<std::string> args = row.base;
    args.insert(args.end(), row.tried.begin(), row.tried.end());
    const auto run = RunCalc(args);
    if (!row.accepted) {
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.messagePart), std::string::npos) << run.err;
        return;
    }
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto without = RunCalc(row.base);
    EXPECT_EQ(run.out, without.out);
}

INSTANTIATE_TEST_SUITE_P(
    Options, DesignationConflict,
    ::testing::Values(
        ConflictRow{"PitchOther",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--pitch", "1.25"},
                    false,
                    "--pitch: 1.25 conflicts with the designation M10x1.5-6g (1.5 mm)"},
        ConflictRow{"PitchSame",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--pitch", "1.5"},
                    true,
                    ""},
        ConflictRow{
            "InchPitchToFiveDigits",
            {"--designation", "1/2-13 UNC-2A", "--value", "0.5", "--probe", "0.045", "--inch"},
            {"--pitch", "0.07692"},
            true,
            ""},
        ConflictRow{
            "InchPitchOther",
            {"--designation", "1/2-13 UNC-2A", "--value", "0.5", "--probe", "0.045", "--inch"},
            {"--pitch", "0.0769"},
            false,
            "(0.076923077 in)"},
        ConflictRow{"FlankOther",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--flank", "29:50"},
                    false,
                    "--flank: 29:50 conflicts with the designation M10x1.5-6g (30 deg)"},
        ConflictRow{"FlankSameInDegMinSec",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--flank", "30:0:0", "--flank2", "30"},
                    true,
                    ""},
        ConflictRow{"SecondFlankOther",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--flank2", "31"},
                    false,
                    "--flank2: 31 conflicts"},
        ConflictRow{"TrapezoidalFlankSame",
                    {"--designation", "Tr 24x5-7e", "--value", "24", "--probe", "2.5"},
                    {"--flank", "15"},
                    true,
                    ""},
        ConflictRow{"TrapezoidalFlankOfAMetricThread",
                    {"--designation", "Tr 24x5-7e", "--value", "24", "--probe", "2.5"},
                    {"--flank", "30"},
                    false,
                    "(15 deg)"},
        ConflictRow{"StartsOther",
                    {"--designation", "Tr 40x14(P7)-8e", "--value", "40", "--probe", "3.6"},
                    {"--starts", "1"},
                    false,
                    "--starts: 1 conflicts with the designation Tr 40x14(P7)-8e (2)"},
        ConflictRow{"StartsSame",
                    {"--designation", "Tr 40x14(P7)-8e", "--value", "40", "--probe", "3.6"},
                    {"--starts", "2"},
                    true,
                    ""},
        ConflictRow{"InternalThreadForAnExternalClass",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--thread", "int-cyl"},
                    false,
                    "--thread: int-cyl conflicts with the designation M10x1.5-6g (ext-cyl)"},
        ConflictRow{"TaperThread",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--thread", "ext-taper"},
                    false,
                    "(ext-cyl)"},
        ConflictRow{"ExternalThreadStated",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--thread", "ext-cyl"},
                    true,
                    ""},
        ConflictRow{"TaperRatio",
                    {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866"},
                    {"--taper", "0.0625"},
                    false,
                    "--taper: applies to ext-taper threads only"},
        ConflictRow{"MethodOfTheDesignationsThread",
                    {"--designation", "M10-6H", "--value", "9.3", "--probe", "0.866"},
                    {"--method", "two-wires"},
                    false,
                    "two-wires is not a method for int-cyl"}),
    kthread::test::RowName());

TEST(DesignationCommand, UnstatedClassTakesTheSideOfTheStatedThreadType) {
    const auto run = RunCalc(
        {"--designation", "M10", "--thread", "int-cyl", "--value", "9.3", "--probe", "0.866"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    auto lines = NamedLines(run.out);
    EXPECT_EQ(lines["Designation"], "M10x1.5-6H");
    EXPECT_EQ(lines["Pitch diameter min (D2)"], "9.02600");
    EXPECT_EQ(lines["Pitch diameter max (D2)"], "9.20600");
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* messagePart;
};

class DesignationUsage : public ::testing::TestWithParam<UsageRow> {};

TEST_P(DesignationUsage, RefusedWithAMessageNamingTheProblem) {
    const auto run = RunCalc(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().messagePart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DesignationUsage,
    ::testing::Values(
        UsageRow{"PitchNotInSeries", {"--designation", "M10x1.7"}, "--designation: pitch 1.7 mm"},
        UsageRow{"UnknownFamily", {"--designation", "Q10"}, "--designation:"},
        UsageRow{"ValueWithoutProbe", {"--designation", "M10", "--value", "10"}, "--probe"},
        UsageRow{"WithBatch", {"--jsonl", "--designation", "M10"}, "--designation"},
        UsageRow{"ListWithOtherOptions",
                 {"--list-designations", "M10", "--probe", "1"},
                 "--probe: cannot be combined with --list-designations"},
        UsageRow{"ListWithBatch", {"--list-designations", "--csv"}, "--csv"}),
    kthread::test::RowName());

TEST(ListDesignations, AFilterGivesTheCandidatesAndEachOneParses) {
    const auto run = RunCalc({"--list-designations", "M10x1.5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(lines[0], "M10x1.5");
    EXPECT_EQ(lines[1], "M10x1.5-6g");
    EXPECT_EQ(lines[2], "M10x1.5-6H");
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::holds_alternative<designation::ThreadLimits>(
            LimitsOfDesignation(line, designation::Side::External)))
            << line;
    }
}

TEST(ListDesignations, WithoutFilterEverySizeOfTheThreeFamilies) {
    const auto run = RunCalc({"--list-designations"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines.front(), "M1x0.25");
    EXPECT_EQ(lines.back(), "Tr 120x22");
    const auto has = [&](const char* text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has("1/2-13 UNC"));
    EXPECT_TRUE(has("#10-32 UNF"));
    EXPECT_TRUE(has("Tr 24x5"));
    EXPECT_FALSE(has("M10x1.5-6g")) << "classes only once a size is whole";
}

TEST(ListDesignations, NoMatchIsAFailureWithAMessage) {
    const auto run = RunCalc({"--list-designations", "Q"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no designation begins like \"Q\""), std::string::npos) << run.err;
}

} // namespace
} // namespace kthread::cli
