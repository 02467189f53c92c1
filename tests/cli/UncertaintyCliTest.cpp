// --uncertainty on the command line: how an input's uncertainty is typed, the budget of the
// worked example as a metrologist checks it, units, and the conformity decision near a limit.
#include "CalcProgram.h"
#include "cli/UncertaintyText.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kthread::cli {
namespace {

using test::Lines;
using test::NamedLines;
using test::RunCalc;
using uncertainty::Distribution;
using uncertainty::InputUncertainty;
using uncertainty::StatedAs;

const InputUncertainty kNormalDefault{StatedAs::HalfWidth, 0.001, Distribution::Normal, 2};
const InputUncertainty kRectDefault{StatedAs::HalfWidth, 0.1, Distribution::Rectangular, 2};

struct TextRow {
    const char* name;
    const char* text;
    const InputUncertainty* defaultForm;
    double scale;
    bool accepted;
    StatedAs kind;
    Distribution distribution;
    double value; // in the record's unit
    double coverageFactor;
};

class UncertaintyOptionText : public ::testing::TestWithParam<TextRow> {};

TEST_P(UncertaintyOptionText, ReadsValueAndFormOrSaysWhy) {
    const TextRow& row = GetParam();
    std::string error;
    const auto stated = ParseUncertaintyText(row.text, *row.defaultForm, row.scale, &error);
    ASSERT_EQ(stated.has_value(), row.accepted) << error;
    if (!row.accepted) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(stated->kind, row.kind);
    EXPECT_EQ(stated->distribution, row.distribution);
    EXPECT_DOUBLE_EQ(stated->value, row.value);
    if (row.kind == StatedAs::HalfWidth && row.distribution == Distribution::Normal) {
        EXPECT_EQ(stated->coverageFactor, row.coverageFactor);
    }
    // What is written back reads back the same.
    const auto again =
        ParseUncertaintyText(UncertaintyText(*stated, row.scale), kRectDefault, row.scale);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->kind, stated->kind);
    EXPECT_EQ(again->distribution, stated->distribution);
    EXPECT_NEAR(again->value, stated->value, 1e-6 * stated->value);
}

constexpr double kDeg = std::numbers::pi / 180;
constexpr auto H = StatedAs::HalfWidth;
constexpr auto S = StatedAs::StandardUncertainty;
constexpr auto N = Distribution::Normal;
constexpr auto R = Distribution::Rectangular;

INSTANTIATE_TEST_SUITE_P(
    Rows, UncertaintyOptionText,
    ::testing::Values(
        TextRow{"BareTakesANormalDefault", "0.0004", &kNormalDefault, 1, true, H, N, 0.0004, 2},
        TextRow{"BareTakesARectangularDefault", "0.1", &kRectDefault, 1, true, H, R, 0.1, 2},
        TextRow{"InchesToMillimetres", "0.00002", &kNormalDefault, 25.4, true, H, N, 0.000508, 2},
        TextRow{"DegreesToRadians", "0.0833:rect", &kNormalDefault, kDeg, true, H, R, 0.0833 * kDeg,
                2},
        TextRow{"Normal", "0.5:normal", &kRectDefault, 1, true, H, N, 0.5, 2},
        TextRow{"CoverageFactor", "0.0006:k=3", &kRectDefault, 1, true, H, N, 0.0006, 3},
        TextRow{"Standard", "0.0002:std", &kNormalDefault, 1, true, S, N, 0.0002, 2},
        TextRow{"Triangular", "1:tri", &kNormalDefault, 1, true, H, Distribution::Triangular, 1, 2},
        TextRow{"Arcsine", "1:arcsine", &kNormalDefault, 1, true, H, Distribution::UShaped, 1, 2},
        TextRow{"ZeroIsAnUncertainty", "0", &kNormalDefault, 1, true, H, N, 0, 2},
        TextRow{"ZeroCoverageFactor", "1:k=0", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"NegativeCoverageFactor", "1:k=-2", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"EmptyCoverageFactor", "1:k=", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"UnknownForm", "1:box", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"EmptyForm", "1:", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"Negative", "-0.5", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"NumberRule", ".5:rect", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"Empty", "", &kNormalDefault, 1, false, H, N, 0, 0},
        TextRow{"Underflow", "1e-400", &kNormalDefault, 1, false, H, N, 0, 0}),
    kthread::test::RowName());

const std::vector<std::string> kWorkedExample{
    "--thread", "ext-cyl", "--method", "three-wires", "--given",      "M",
    "--value",  "20",      "--pitch",  "1.5",         "--flank",      "30",
    "--probe",  "0.866",   "--force",  "1",           "--uncertainty"};

std::vector<std::string> WorkedExampleWith(std::vector<std::string> extra) {
    std::vector<std::string> args = kWorkedExample;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

struct BudgetRowText {
    double value = 0;
    std::string unit;
    std::string distribution;
    double u = 0;
    double sensitivity = 0;
    double contribution = 0;
    double share = 0;
};

// The cells of a table line: texts two or more blanks apart (a single blank is inside a cell).
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t at = line.find_first_not_of(' ');
    while (at != std::string::npos) {
        std::size_t gap = line.find("  ", at);
        cells.push_back(line.substr(at, gap == std::string::npos ? gap : gap - at));
        at = gap == std::string::npos ? gap : line.find_first_not_of(' ', gap);
    }
    return cells;
}

// The rows of the budget table by input name.
std::map<std::string, BudgetRowText> BudgetRows(const std::string& text) {
    std::map<std::string, BudgetRowText> rows;
    const std::vector<std::string> lines = Lines(text);
    auto header = std::find_if(lines.begin(), lines.end(),
                               [](const std::string& l) { return l.starts_with("Input  "); });
    EXPECT_NE(header, lines.end()) << text;
    for (auto it = header == lines.end() ? header : header + 1; it != lines.end(); ++it) {
        const std::vector<std::string> cells = Cells(*it);
        EXPECT_EQ(cells.size(), 8U) << *it;
        if (cells.size() == 8) {
            rows[cells[0]] = {std::stod(cells[1]),
                              cells[2],
                              cells[3],
                              std::stod(cells[4]),
                              std::stod(cells[5]),
                              std::stod(cells[6]),
                              std::stod(cells[7])};
        }
    }
    return rows;
}

// What a metrologist checks first on the worked example: the wire weighs about three times its
// uncertainty (1 + 1/sin 30 deg), the pitch about 0.87 times (cot 30 deg / 2), the reading once.
TEST(WorkedExampleUncertainty, BudgetWeighsWirePitchAndReadingAsTheWireFormula) {
    const auto run = RunCalc(kWorkedExample);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto rows = BudgetRows(run.out);
    EXPECT_EQ(rows.size(), 11U);
    const BudgetRowText& probe = rows["Probe diameter"];
    EXPECT_NEAR(probe.contribution / probe.u, 3.0, 0.01);
    EXPECT_NEAR(probe.sensitivity, -3.0, 0.01);
    const BudgetRowText& pitch = rows["Pitch"];
    EXPECT_NEAR(pitch.contribution / pitch.u, 0.87, 0.01);
    EXPECT_NEAR(rows["Reading M"].sensitivity, 1.0, 0.001);
    // The laboratory's defaults: U = 0.4 um (k = 2) for the wires, +-5' for the flanks.
    EXPECT_EQ(probe.u, 0.0002);
    EXPECT_EQ(probe.distribution, "normal");
    EXPECT_NEAR(rows["Flank angle 1"].u, 5.0 / 60 / std::sqrt(3.0), 1e-5);
    EXPECT_EQ(rows["Flank angle 1"].distribution, "rectangular");
    // Best-size wires: the flank angles nearly cancel.
    EXPECT_LT(rows["Flank angle 1"].share + rows["Flank angle 2"].share, 0.1);
    double shares = 0;
    for (const auto& [name, row] : rows) {
        shares += row.share;
    }
    EXPECT_NEAR(shares, 100, 0.6); // each share is rounded to 0.1 %
    auto lines = NamedLines(run.out);
    EXPECT_EQ(lines["Pitch diameter (d2)"], "18.70123"); // with the deformation correction
    EXPECT_EQ(lines["Coverage factor k"], "2");
    EXPECT_NEAR(std::stod(lines["Expanded uncertainty U (d2)"]),
                2 * std::stod(lines["Combined standard uncertainty u_c (d2)"]), 0.00001);
}

TEST(WorkedExampleUncertainty, WithoutForceTheForceAndModulusDoNotEnter) {
    auto args = WorkedExampleWith({"--force", "0"});
    const auto rows = BudgetRows(RunCalc(args).out);
    EXPECT_EQ(rows.size(), 9U);
    EXPECT_EQ(rows.count("Measuring force"), 0U);
    EXPECT_EQ(rows.count("Thread modulus"), 0U);
}

TEST(WorkedExampleUncertainty, OneStatementInEveryFormGivesTheSameBudget) {
    const std::string defaults = RunCalc(kWorkedExample).out;
    for (const char* same : {"0.0004", "0.0004:normal", "0.0004:k=2", "0.0002:std"}) {
        EXPECT_EQ(RunCalc(WorkedExampleWith({"--u-probe", same})).out, defaults) << same;
    }
    const auto rect = BudgetRows(RunCalc(WorkedExampleWith({"--u-probe", "0.0004:rect"})).out);
    EXPECT_NEAR(rect.at("Probe diameter").u, 0.0004 / std::sqrt(3.0), 1e-7);
    EXPECT_EQ(rect.at("Probe diameter").distribution, "rectangular");
    // The second flank takes the first one's statement unless it has its own.
    const auto flanks = BudgetRows(RunCalc(WorkedExampleWith({"--u-flank", "0.5:rect"})).out);
    EXPECT_NEAR(flanks.at("Flank angle 2").u, 0.5 / std::sqrt(3.0), 1e-4);
    const auto own = BudgetRows(
        RunCalc(WorkedExampleWith({"--u-flank", "0.5:rect", "--u-flank2", "0.1:std"})).out);
    EXPECT_EQ(own.at("Flank angle 2").u, 0.1);
}

TEST(WorkedExampleUncertainty, InchesScaleLengthsButNotLengthSensitivities) {
    const auto mm = RunCalc(kWorkedExample);
    auto inchArgs = kWorkedExample;
    const auto set = [&](const char* option, double mmValue) {
        auto it = std::find(inchArgs.begin(), inchArgs.end(), option);
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", mmValue / 25.4);
        *(it + 1) = text;
    };
    set("--value", 20);
    set("--pitch", 1.5);
    set("--probe", 0.866);
    inchArgs.push_back("--inch");
    const auto inch = RunCalc(inchArgs);
    ASSERT_EQ(inch.exitCode, 0) << inch.err;
    const auto a = BudgetRows(mm.out);
    const auto b = BudgetRows(inch.out);
    // The laboratory's defaults are lengths in mm whatever the unit shown.
    EXPECT_NEAR(b.at("Probe diameter").u * 25.4, a.at("Probe diameter").u, 1e-7);
    EXPECT_EQ(b.at("Probe diameter").sensitivity, a.at("Probe diameter").sensitivity);
    EXPECT_NEAR(b.at("Probe diameter").contribution * 25.4, a.at("Probe diameter").contribution,
                1e-3 * a.at("Probe diameter").contribution); // both to four digits
    EXPECT_NEAR(b.at("Flank angle 1").sensitivity * 25.4, a.at("Flank angle 1").sensitivity,
                1e-3 * std::abs(a.at("Flank angle 1").sensitivity));
    EXPECT_NEAR(std::stod(NamedLines(inch.out)["Expanded uncertainty U (d2)"]) * 25.4,
                std::stod(NamedLines(mm.out)["Expanded uncertainty U (d2)"]), 0.00003);
}

struct DecisionRow {
    const char* name;
    const char* pitchDiam;
    std::vector<std::string> extra;
    const char* verdict;
    const char* margin; // µm
    const char* conformity;
    const char* rule;
    double marginAfterU; // µm
};

class ConformityNearALimit : public ::testing::TestWithParam<DecisionRow> {};

// Around the upper limit of M10x1.5-6g, 8.994 mm; the given d2's own U (1 um by default)
// decides.
TEST_P(ConformityNearALimit, DecisionAndMarginAfterU) {
    const DecisionRow& row = GetParam();
    std::vector<std::string> args{"--designation", "M10x1.5-6g",  "--given", "d2",
                                  "--value",       row.pitchDiam, "--probe", "0.866",
                                  "--uncertainty"};
    args.insert(args.end(), row.extra.begin(), row.extra.end());
    const auto run = RunCalc(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto lines = NamedLines(run.out);
    EXPECT_EQ(lines["Verdict"], row.verdict);
    EXPECT_EQ(lines["Margin (\u00B5m)"], row.margin);
    EXPECT_EQ(lines["Conformity"], row.conformity);
    EXPECT_EQ(lines["Decision rule"], row.rule);
    EXPECT_NEAR(std::stod(lines["Margin after U (\u00B5m)"]), row.marginAfterU, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rules, ConformityNearALimit,
                         ::testing::Values(DecisionRow{"GuardBandWiderThanTheMargin",
                                                       "8.9935",
                                                       {},
                                                       "within limits",
                                                       "0.5",
                                                       "not provable",
                                                       "guard-banded (ISO 14253-1)",
                                                       -0.5},
                                           DecisionRow{"GuardBandNarrowerThanTheMargin",
                                                       "8.9935",
                                                       {"--u-value", "0.0004"},
                                                       "within limits",
                                                       "0.5",
                                                       "conforms",
                                                       "guard-banded (ISO 14253-1)",
                                                       0.1},
                                           DecisionRow{"ExactlyAtTheShrunkLimit",
                                                       "8.993",
                                                       {},
                                                       "within limits",
                                                       "1.0",
                                                       "conforms",
                                                       "guard-banded (ISO 14253-1)",
                                                       0.0},
                                           DecisionRow{"SimpleAcceptanceInside",
                                                       "8.9935",
                                                       {"--decision-rule", "simple"},
                                                       "within limits",
                                                       "0.5",
                                                       "conforms",
                                                       "simple acceptance",
                                                       0.5},
                                           DecisionRow{"SimpleAcceptanceOutside",
                                                       "8.9945",
                                                       {"--decision-rule", "simple"},
                                                       "oversize",
                                                       "0.5",
                                                       "does not conform",
                                                       "simple acceptance",
                                                       -0.5},
                                           DecisionRow{"OutsideButWithinU",
                                                       "8.9945",
                                                       {},
                                                       "oversize",
                                                       "0.5",
                                                       "not provable",
                                                       "guard-banded (ISO 14253-1)",
                                                       -1.5},
                                           DecisionRow{"OutsideTheWidenedLimit",
                                                       "8.9965",
                                                       {},
                                                       "oversize",
                                                       "2.5",
                                                       "does not conform",
                                                       "guard-banded (ISO 14253-1)",
                                                       -3.5}),
                         kthread::test::RowName());

TEST(MeasuredConformity, MarginAfterUIsTheMarginLessU) {
    const auto run = RunCalc(
        {"--designation", "M10x1.5-6g", "--value", "10.25", "--probe", "0.866", "--uncertainty"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto lines = NamedLines(run.out);
    EXPECT_EQ(lines["Conformity"], "conforms");
    const double U = std::stod(lines["Expanded uncertainty U (d2)"]) * 1000;
    EXPECT_NEAR(std::stod(lines["Margin after U (\u00B5m)"]),
                std::stod(lines["Margin (\u00B5m)"]) - U, 0.06);
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* messagePart;
};

class UncertaintyUsage : public ::testing::TestWithParam<UsageRow> {};

TEST_P(UncertaintyUsage, RefusedWithAMessageNamingTheOption) {
    const auto run = RunCalc(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().messagePart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UncertaintyUsage,
    ::testing::Values(
        UsageRow{"InputWithoutUncertainty",
                 {"--value", "20", "--pitch", "1.5", "--probe", "0.866", "--u-pitch", "0.001"},
                 "--u-pitch requires --uncertainty"},
        UsageRow{
            "RuleWithoutUncertainty",
            {"--value", "20", "--pitch", "1.5", "--probe", "0.866", "--decision-rule", "simple"},
            "--decision-rule: applies with --uncertainty only"},
        UsageRow{"UnknownRule", WorkedExampleWith({"--decision-rule", "strict"}),
                 "--decision-rule"},
        UsageRow{"UnknownForm", WorkedExampleWith({"--u-probe", "1:box"}),
                 "--u-probe: unknown form \"box\""},
        UsageRow{"NegativeUncertainty", WorkedExampleWith({"--u-force", "-0.1"}),
                 "--u-force: an uncertainty must be 0 or more"},
        UsageRow{"DesignationWithoutValue", {"--designation", "M10", "--uncertainty"}, "--value"},
        UsageRow{"WithBatch", {"--csv", "--uncertainty"}, "--uncertainty"}),
    kthread::test::RowName());

} // namespace
} // namespace kthread::cli
