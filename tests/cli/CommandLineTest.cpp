// The real kthread-calc program, run with arguments and standard input.
#include "engine/NumberText.h"
#include "support/ProgramRun.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#ifndef KTHREAD_CALC_PATH
#error "KTHREAD_CALC_PATH must name the program under test"
#endif

namespace {

namespace fs = std::filesystem;

// The worked example as one input line: M = 20 over 0.866 mm wires, P = 1.5 mm, 30 deg flanks.
const std::string kWorkedExampleLine = R"({"GivenQty": 1, "Pitch": 1.5, "Starts": 1, )"
                                       R"("FlankAngle1": 0.5235987755982988, )"
                                       R"("FlankAngle2": 0.5235987755982988, )"
                                       R"("ProbeDiam": 0.866, "SizeOver": 20})";

using RunResult = kthread::testing::ProgramRun;
using kthread::testing::ShellQuoted;

RunResult RunCalc(const std::vector<std::string>& args, const std::string& input = "") {
    return kthread::testing::RunProgram(KTHREAD_CALC_PATH, args, input);
}

const std::vector<std::string> kWorkedExample{
    "--thread", "ext-cyl", "--method", "three-wires", "--given", "M",       "--value",
    "20",       "--pitch", "1.5",      "--flank",     "30",      "--probe", "0.866"};

std::vector<std::string> WorkedExampleWith(std::vector<std::string> extra) {
    std::vector<std::string> args = kWorkedExample;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(KthreadCalc, WorkedExamplePrintsNamedResults) {
    const RunResult run = RunCalc(kWorkedExample);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Pitch diameter (d2): 18.70062\n"
                       "Measurement P.D. (m): 19.13400\n"
                       "Deformation correction A2: 0.00000\n"
                       "Opt. probe diameter: 0.86603\n");
    EXPECT_EQ(run.err, "");
}

TEST(KthreadCalc, DegMinSecFlankEqualsDecimalDegrees) {
    const RunResult dms = RunCalc(WorkedExampleWith({"--flank", "29:30:0", "--flank2", "30:30"}));
    const RunResult decimal = RunCalc(WorkedExampleWith({"--flank", "29.5", "--flank2", "30.5"}));
    EXPECT_EQ(dms.exitCode, 0) << dms.err;
    EXPECT_EQ(dms.out, decimal.out);
    EXPECT_NE(dms.out, RunCalc(kWorkedExample).out);
}

TEST(KthreadCalc, InchModeConvertsLengthsInAndOut) {
    const RunResult mm = RunCalc({"--value", "25.4", "--pitch", "1.5875", "--probe", "0.79375"});
    const RunResult inch =
        RunCalc({"--inch", "--value", "1", "--pitch", "0.0625", "--probe", "0.03125"});
    ASSERT_EQ(mm.exitCode, 0) << mm.err;
    ASSERT_EQ(inch.exitCode, 0) << inch.err;
    // The pitch diameter in inches is the millimetre result / 25.4 with six decimals.
    const std::string prefix = "Pitch diameter (d2): ";
    const double d2mm = std::stod(mm.out.substr(prefix.size()));
    const double d2in = std::stod(inch.out.substr(prefix.size()));
    EXPECT_NEAR(d2in, d2mm / 25.4, 1e-6);
    EXPECT_EQ(inch.out.substr(0, inch.out.find('\n')).size() - prefix.size(), 8U); // 0.xxxxxx
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* messagePart;
};

class KthreadCalcUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(KthreadCalcUsage, RejectsWithAMessageNamingTheProblem) {
    const UsageCase& row = GetParam();
    const RunResult run = RunCalc(row.args);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(row.messagePart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KthreadCalcUsage,
    testing::Values(
        UsageCase{"UnknownOption", WorkedExampleWith({"--wires", "3"}), "--wires"},
        UsageCase{"MalformedNumber", WorkedExampleWith({"--pitch", "1.5mm"}), "--pitch"},
        UsageCase{"CommaDecimalMark", WorkedExampleWith({"--value", "20,5"}), "--value"},
        UsageCase{"PitchOutOfRange", WorkedExampleWith({"--pitch", "120"}), "--pitch"},
        UsageCase{"MethodOfAnotherThread", WorkedExampleWith({"--method", "perpendicular"}),
                  "--method"},
        UsageCase{"InclinedForInternalTaper",
                  WorkedExampleWith({"--thread", "int-taper", "--method", "inclined"}), "--method"},
        UsageCase{"UnknownThread", WorkedExampleWith({"--thread", "EXT-CYL"}), "--thread"},
        UsageCase{"GivenInWrongCase", WorkedExampleWith({"--given", "D2"}), "--given"},
        UsageCase{"FlankMinutesAbove59", WorkedExampleWith({"--flank", "29:75:0"}), "--flank"},
        UsageCase{"TaperOnCylinder", WorkedExampleWith({"--taper", "0.0625"}), "--taper"},
        UsageCase{"UnknownProbeMaterial", WorkedExampleWith({"--probe-material", "glass"}),
                  "--probe-material"},
        UsageCase{"MissingValue", {"--pitch", "1.5", "--probe", "0.866"}, "--value"},
        UsageCase{"HexadecimalNumber", WorkedExampleWith({"--pitch", "0x10"}),
                  "--pitch: malformed number \"0x10\""},
        UsageCase{"BareFraction", WorkedExampleWith({"--value", ".5"}),
                  "--value: malformed number \".5\""},
        UsageCase{"NotANumber", WorkedExampleWith({"--probe", "nan"}),
                  "--probe: malformed number \"nan\""},
        UsageCase{"EmptyNumber", WorkedExampleWith({"--pitch", ""}), "--pitch: empty value"},
        UsageCase{"UnderflowingNumber", WorkedExampleWith({"--force", "1e-400"}),
                  "--force: number out of range \"1e-400\""},
        UsageCase{"RepeatedOptionEndingMalformed",
                  WorkedExampleWith({"--pitch", "1.5", "--pitch", "abc"}),
                  "--pitch: malformed number \"abc\""},
        UsageCase{"ProbeZero", WorkedExampleWith({"--probe", "0"}),
                  "--probe (in mm) must be greater than 0"},
        UsageCase{"FractionalStarts", WorkedExampleWith({"--starts", "2.5"}),
                  "--starts must be a whole number"},
        UsageCase{"BatchWithMeasurementOptions", {"--jsonl", "--pitch", "1.5"}, "--pitch"},
        UsageCase{"BothBatchFormats", {"--jsonl", "--csv"}, "--csv"}),
    kthread::test::RowName());

TEST(KthreadCalc, EveryMethodOfEveryThreadTypeIsAccepted) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> methods{
        {"ext-cyl", {"three-wires", "two-wires", "two-wires-inclined"}},
        {"int-cyl", {"perpendicular", "inclined"}},
        {"ext-taper", {"two-wires", "three-wires"}},
        {"int-taper", {"perpendicular"}}};
    for (const auto& [thread, names] : methods) {
        for (const std::string& method : names) {
            const RunResult run = RunCalc({"--thread", thread, "--method", method, "--value", "20",
                                           "--pitch", "1.5", "--probe", "0.866"});
            EXPECT_EQ(run.exitCode, 0) << thread << " " << method << ": " << run.err;
        }
    }
}

TEST(KthreadCalc, ARepeatedOptionTakesItsLastValue) {
    const RunResult expected = RunCalc(kWorkedExample);
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    for (const char* earlier : {"2", "abc", ""}) {
        std::vector<std::string> args{"--pitch", earlier};
        args.insert(args.end(), kWorkedExample.begin(), kWorkedExample.end());
        const RunResult run = RunCalc(args);
        EXPECT_EQ(run.exitCode, 0) << earlier << ": " << run.err;
        EXPECT_EQ(run.out, expected.out) << earlier;
    }
}

TEST(KthreadCalc, EngineFailureIsAnErrorNotAResult) {
    // Inputs within every range whose contact angle cycles for ever: no solution.
    const RunResult run = RunCalc({"--given", "m", "--value", "15.5", "--pitch", "6", "--starts",
                                   "8", "--flank", "30", "--flank2", "3", "--probe", "6"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no solution"), std::string::npos) << run.err;
}

TEST(KthreadCalc, HelpListsTheMethodsAndVersionPrintsTheProjectVersion) {
    const RunResult help = RunCalc({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"ext-cyl", "int-taper", "two-wires-inclined", "perpendicular",
                             "--jsonl", "--csv", "--inch", "--flank2"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    const RunResult version = RunCalc({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string(KTHREAD_VERSION_STRING) + "\n");
}

TEST(KthreadCalc, JsonlKeepsGoingPastBadLinesAndFailsAtTheEnd) {
    const std::string& good = kWorkedExampleLine;
    const RunResult run =
        RunCalc({"--jsonl"}, good + "\n" + R"({"ThreadType": -1})" + "\n\n" + good + "\n");
    EXPECT_EQ(run.exitCode, 1);
    std::istringstream lines(run.out);
    std::vector<nlohmann::json> parsed;
    for (std::string line; std::getline(lines, line);) {
        parsed.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(parsed.size(), 3U);
    EXPECT_EQ(parsed[0].at("ok"), true);
    EXPECT_EQ(parsed[1].at("line"), 2);
    EXPECT_EQ(parsed[2], parsed[0]);
    EXPECT_NE(run.err.find("1 input line"), std::string::npos) << run.err;
}

TEST(KthreadCalc, JsonlWithoutErrorsSucceeds) {
    const RunResult run = RunCalc({"--jsonl"}, "{\"ProbeDiam\": 1}\n{}");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

TEST(KthreadCalc, AnOutputThatCannotBeWrittenIsAFailure) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    // Help, version and one measurement: their text is the result.
    std::string worked;
    for (const std::string& arg : kWorkedExample) {
        worked += " " + arg;
    }
    for (const std::string& args : {std::string("--help"), std::string("--version"), worked}) {
        const std::string calc = ShellQuoted(KTHREAD_CALC_PATH) + " " + args;
        EXPECT_EQ(std::system((calc + " >/dev/null 2>&1").c_str()), 0) << args;
        const int status = std::system((calc + " >/dev/full 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 0) << args;
    }
    // Inputs that succeed when the output can be written.
    const std::vector<std::pair<std::string, std::string>> runs{{"--jsonl", "{}\\n"},
                                                                {"--csv", "Pitch\\n1\\n"}};
    for (const auto& [mode, input] : runs) {
        const std::string calc = ShellQuoted(KTHREAD_CALC_PATH) + " " + mode;
        const std::string feed = "printf '" + input + "' | ";
        EXPECT_EQ(std::system((feed + calc + " >/dev/null 2>&1").c_str()), 0) << mode;
        const int status = std::system((feed + calc + " >/dev/full 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 0) << mode;
    }
}

TEST(KthreadCalc, CsvHeaderErrorStopsWithAMessage) {
    const RunResult run = RunCalc({"--csv"}, "Pitch,Diameter\n1.5,0.866\n");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("\"Diameter\""), std::string::npos) << run.err;
}

TEST(KthreadCalc, CsvWritesHeaderRowsAndErrorRows) {
    const RunResult run =
        RunCalc({"--csv"}, "Pitch,ProbeDiam,SizeOver\r\n1.5,0.866,20\r\n1.5,x,20\r\n");
    EXPECT_EQ(run.exitCode, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_TRUE(rows[0].starts_with("ThreadType,GivenQty,MeasMode,Pitch,"));
    EXPECT_TRUE(rows[0].ends_with(",PitchDiam,ok"));
    EXPECT_EQ(std::count(rows[1].begin(), rows[1].end(), ','), 18);
    EXPECT_TRUE(rows[2].starts_with("line,3,\"ProbeDiam:")) << rows[2];
}

} // namespace
