#include "window/ClipboardReport.h"
#include "support/TestNames.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kthread {
namespace {

// Every caption and value different, so that a line taken from the wrong control shows.
ReportInputs Sample(bool inchMode) {
    ReportInputs in;
    in.inchMode = inchMode;
    in.threadType = {"Type of thread", "External thread"};
    in.pitch = {"Pitch (P)", "1.5"};
    in.starts = {"Number of starts (n)", "2"};
    in.lead = {"Lead (l)", "3"};
    in.firstFlank = {"Flank angle (a1)", "30", "1", "2"};
    in.secondFlank = {"Flank angle (a2)", "29,5", "58", "59"};
    in.optimalProbe = {"Opt. diameter of the wires", "0.86603"};
    in.probe = {"Diameter of the wires (dD)", "0.866"};
    in.probeMaterial = {"Probe material", "steel"};
    in.threadMaterial = {"Thread material", "brass"};
    in.poisson = {"σ", "0.3"};
    in.modulus = "250";
    in.method = {"Measurement method", "Three Wires "};
    in.force = {"Measuring force (F)", "1"};
    in.given = {"Measurement P.D. (M)", "20"};
    in.firstResult = {"Pitch diameter (d2)", "18.70062"};
    in.secondResult = {"Measurement P.D. (m)", "19.13400"};
    in.deformCorr = {"Deformation correction", "0.00000"};
    return in;
}

QStringList LinesOf(const QString& report) {
    QStringList lines = report.split(QStringLiteral("\r\n"));
    // The text ends with CR LF, which leaves one empty piece behind the last line.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

TEST(ClipboardReportTest, EighteenLinesEachEndedByCrLf) {
    const QString report = BuildReport(Sample(false));
    EXPECT_TRUE(report.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(report.count(QStringLiteral("\r\n")), kReportLineCount);
    // No line end other than CR LF.
    EXPECT_EQ(report.count(QLatin1Char('\n')), kReportLineCount);
    EXPECT_EQ(report.count(QLatin1Char('\r')), kReportLineCount);
    const QStringList lines = LinesOf(report);
    ASSERT_EQ(lines.size(), kReportLineCount);
    for (const QString& line : lines) {
        EXPECT_EQ(line.count(QStringLiteral(": \t")), 1) << line.toStdString();
    }
}

struct LineCase {
    const char* name;
    int line; // 0-based
    const char* millimetres;
    const char* inches;
};

class ReportLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReportLineTest, LineCarriesCaptionValueAndUnit) {
    const LineCase& c = GetParam();
    const QStringList mm = LinesOf(BuildReport(Sample(false)));
    const QStringList in = LinesOf(BuildReport(Sample(true)));
    ASSERT_EQ(mm.size(), kReportLineCount);
    ASSERT_EQ(in.size(), kReportLineCount);
    EXPECT_EQ(mm[c.line].toStdString(), c.millimetres);
    EXPECT_EQ(in[c.line].toStdString(), c.inches);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReportLineTest,
    ::testing::Values(
        LineCase{"ThreadType", 0, "Type of thread: \tExternal thread",
                 "Type of thread: \tExternal thread"},
        LineCase{"Pitch", 1, "Pitch (P): \t1.5 mm", "Pitch (P): \t1.5 in"},
        LineCase{"Starts", 2, "Number of starts (n): \t2", "Number of starts (n): \t2"},
        LineCase{"Lead", 3, "Lead (l): \t3 mm", "Lead (l): \t3 in"},
        LineCase{"FirstFlank", 4, "Flank angle (a1): \t30° 1' 2\"",
                 "Flank angle (a1): \t30° 1' 2\""},
        LineCase{"SecondFlank", 5, "Flank angle (a2): \t29,5° 58' 59\"",
                 "Flank angle (a2): \t29,5° 58' 59\""},
        LineCase{"OptimalProbe", 6, "Opt. diameter of the wires: \t0.86603 mm",
                 "Opt. diameter of the wires: \t0.86603 in"},
        LineCase{"Probe", 7, "Diameter of the wires (dD): \t0.866 mm",
                 "Diameter of the wires (dD): \t0.866 in"},
        LineCase{"ProbeMaterial", 8, "Probe material: \tsteel", "Probe material: \tsteel"},
        LineCase{"ThreadMaterial", 9, "Thread material: \tbrass", "Thread material: \tbrass"},
        LineCase{"Poisson", 10, "σ: \t0.3", "σ: \t0.3"},
        // The modulus is in gigapascals in either unit mode and carries no unit.
        LineCase{"Modulus", 11, "E: \t250", "E: \t250"},
        LineCase{"Method", 12, "Measurement method: \tThree Wires ",
                 "Measurement method: \tThree Wires "},
        LineCase{"Force", 13, "Measuring force (F): \t1 N", "Measuring force (F): \t1 N"},
        LineCase{"Given", 14, "Measurement P.D. (M): \t20 mm", "Measurement P.D. (M): \t20 in"},
        LineCase{"FirstResult", 15, "Pitch diameter (d2): \t18.70062 mm",
                 "Pitch diameter (d2): \t18.70062 in"},
        LineCase{"SecondResult", 16, "Measurement P.D. (m): \t19.13400 mm",
                 "Measurement P.D. (m): \t19.13400 in"},
        LineCase{"DeformCorr", 17, "Deformation correction: \t0.00000 mm",
                 "Deformation correction: \t0.00000 in"}),
    kthread::test::RowName());

TEST(ClipboardReportTest, EmptyResultsKeepTheirLabelsAndUnit) {
    ReportInputs in = Sample(false);
    in.firstResult.value.clear();
    in.secondResult.value.clear();
    in.deformCorr.value.clear();
    const QStringList lines = LinesOf(BuildReport(in));
    ASSERT_EQ(lines.size(), kReportLineCount);
    EXPECT_EQ(lines[15], QStringLiteral("Pitch diameter (d2): \t mm"));
    EXPECT_EQ(lines[16], QStringLiteral("Measurement P.D. (m): \t mm"));
    EXPECT_EQ(lines[17], QStringLiteral("Deformation correction: \t mm"));
}

TEST(ClipboardReportTest, EmptyAngleFieldsStillShowTheMarks) {
    ReportInputs in = Sample(true);
    in.firstFlank = {"A1", "", "", ""};
    const QStringList lines = LinesOf(BuildReport(in));
    ASSERT_EQ(lines.size(), kReportLineCount);
    EXPECT_EQ(lines[4], QStringLiteral("A1: \t° ' \""));
}

ReportDesignation SampleDesignation() {
    ReportDesignation d;
    d.designation = {"Thread designation", "M10x1.5-6g"};
    d.limits = {"Pitch-diameter limits", "d2 8.862 … 8.994 mm"};
    d.verdict = ShownQuantity{"Verdict", "within limits, margin 44.7 µm"};
    d.readingWindow = ShownQuantity{"Reading window", "M 10.16275 … 10.29470 mm"};
    return d;
}

TEST(ClipboardReportTest, DesignationLinesFollowTheEighteenUnchanged) {
    for (const bool inches : {false, true}) {
        ReportInputs in = Sample(inches);
        const QStringList plain = LinesOf(BuildReport(in));
        in.designation = SampleDesignation();
        const QString report = BuildReport(in);
        EXPECT_TRUE(report.endsWith(QStringLiteral("\r\n")));
        EXPECT_EQ(report.count(QLatin1Char('\n')), kReportLineCount + 4);
        EXPECT_EQ(report.count(QLatin1Char('\r')), kReportLineCount + 4);
        const QStringList lines = LinesOf(report);
        ASSERT_EQ(lines.size(), kReportLineCount + 4);
        EXPECT_EQ(lines.mid(0, kReportLineCount), plain);
        // The values carry their own units, whatever the unit mode.
        EXPECT_EQ(lines[18], QStringLiteral("Thread designation: \tM10x1.5-6g"));
        EXPECT_EQ(lines[19], QStringLiteral("Pitch-diameter limits: \td2 8.862 … 8.994 mm"));
        EXPECT_EQ(lines[20], QStringLiteral("Verdict: \twithin limits, margin 44.7 µm"));
        EXPECT_EQ(lines[21], QStringLiteral("Reading window: \tM 10.16275 … 10.29470 mm"));
    }
}

TEST(ClipboardReportTest, BeforeACalculationADesignationAddsItsLimitsOnly) {
    ReportInputs in = Sample(false);
    in.designation = SampleDesignation();
    in.designation->verdict.reset();
    in.designation->readingWindow.reset();
    const QStringList lines = LinesOf(BuildReport(in));
    ASSERT_EQ(lines.size(), kReportLineCount + 2);
    EXPECT_EQ(lines[19], QStringLiteral("Pitch-diameter limits: \td2 8.862 … 8.994 mm"));

    // A verdict without a reading window (its calculation failed) still has its line.
    in.designation->verdict = ShownQuantity{"Verdict", "undersize, margin -1.0 µm"};
    const QStringList withVerdict = LinesOf(BuildReport(in));
    ASSERT_EQ(withVerdict.size(), kReportLineCount + 3);
    EXPECT_EQ(withVerdict[20], QStringLiteral("Verdict: \tundersize, margin -1.0 µm"));
}

TEST(ClipboardReportTest, BudgetFollowsTheEighteenLinesInTheSameForm) {
    ReportInputs in = Sample(false);
    const QStringList plain = LinesOf(BuildReport(in));
    in.budget = ShownBudget{{"Expanded uncertainty U(d2)", "± 0.00185 mm (k = 2)"},
                            {{"Diameter of the wires (dD)", "0.000693 mm (56.0 %)"},
                             {"Pitch (P)", "0.000433 mm (21.9 %)"}}};
    const QString report = BuildReport(in);
    EXPECT_TRUE(report.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = LinesOf(report);
    ASSERT_EQ(lines.size(), kReportLineCount + 3);
    // The 18 lines stay exactly what they were without a budget.
    EXPECT_EQ(lines.mid(0, kReportLineCount), plain);
    EXPECT_EQ(lines[18], QStringLiteral("Expanded uncertainty U(d2): \t± 0.00185 mm (k = 2)"));
    EXPECT_EQ(lines[19], QStringLiteral("Diameter of the wires (dD): \t0.000693 mm (56.0 %)"));
    EXPECT_EQ(lines[20], QStringLiteral("Pitch (P): \t0.000433 mm (21.9 %)"));
}

TEST(ClipboardReportTest, TheBudgetComesAfterTheDesignationLines) {
    ReportInputs in = Sample(false);
    in.designation = SampleDesignation();
    in.budget = ShownBudget{{"Expanded uncertainty U(d2)", "± 0.00185 mm (k = 2)"}, {}};
    const QStringList lines = LinesOf(BuildReport(in));
    ASSERT_EQ(lines.size(), kReportLineCount + 5);
    EXPECT_EQ(lines[21], QStringLiteral("Reading window: \tM 10.16275 … 10.29470 mm"));
    EXPECT_EQ(lines[22], QStringLiteral("Expanded uncertainty U(d2): \t± 0.00185 mm (k = 2)"));
}

} // namespace
} // namespace kthread
