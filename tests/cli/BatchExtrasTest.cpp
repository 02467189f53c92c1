// The optional batch keys: a Designation adds its limits and the verdict, input uncertainties
// add U and k, both together the conformity; lines without them stay as they were.
#include "cli/BatchExtras.h"
#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/JsonlBatch.h"
#include "cli/RecordFields.h"
#include "cli/RecordWriters.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace kthread::cli {
namespace {

using nlohmann::json;

std::vector<json>
RunJsonl(const std::string& input,
         uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded) {
    JsonlBatch batch(rule);
    std::string out;
    RunBatchOnText(batch, input, out);
    std::vector<json> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(json::parse(line));
    }
    return lines;
}

std::vector<std::string> RunCsv(const std::string& input) {
    CsvBatch batch;
    std::string out;
    RunBatchOnText(batch, input, out);
    std::vector<std::string> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// M10x1.5-6g over 0.866 mm wires; the geometry comes from the designation.
const std::string kBolt = R"("GivenQty": 1, "ProbeDiam": 0.866, "SizeOver": 10.25)";
const std::string kWorked = R"("GivenQty": 1, "Pitch": 1.5, "Starts": 1, )"
                            R"("FlankAngle1": 0.5235987755982988, )"
                            R"("FlankAngle2": 0.5235987755982988, "ProbeDiam": 0.866, )"
                            R"("SizeOver": 20)";

TEST(BatchExtras, LinesWithoutTheKeysAreUnchanged) {
    const std::string plain = "{" + kWorked + "}";
    const auto lines = RunJsonl(plain + "\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].size(), kFieldCount + 1);
    for (const char* key : {"PitchDiamMin", "Verdict", "U", "k", "Conformity"}) {
        EXPECT_FALSE(lines[0].contains(key)) << key;
    }
    const auto csv = RunCsv("Pitch,ProbeDiam,SizeOver\n1.5,0.866,20\n");
    ASSERT_EQ(csv.size(), 2U);
    EXPECT_TRUE(csv[0].ends_with(",PitchDiam,ok"));
}

TEST(BatchExtras, DesignationFillsTheGeometryAndAddsLimitsAndVerdictAfterOk) {
    const auto lines = RunJsonl("{" + kBolt + R"(, "Designation": "M10x1.5-6g"})" + "\n");
    ASSERT_EQ(lines.size(), 1U);
    const json& line = lines[0];
    EXPECT_EQ(line.at("ok"), true);
    EXPECT_EQ(line.at("ThreadType"), 0);
    EXPECT_EQ(line.at("Pitch"), 1.5);
    EXPECT_EQ(line.at("Starts"), 1.0);
    EXPECT_EQ(line.at("FlankAngle1"), 0.5235987755982988);
    EXPECT_EQ(line.at("FlankAngle2"), 0.5235987755982988);
    EXPECT_EQ(line.at("PitchDiamMin"), 8.862);
    EXPECT_EQ(line.at("PitchDiamMax"), 8.994);
    EXPECT_EQ(line.at("Verdict"), "within limits");
    EXPECT_FALSE(line.contains("U"));
    // The added keys follow "ok": the line up to it is the record as before.
    TPitchDiamData done{};
    done.GivenQty = 1;
    done.ProbeDiam = 0.866;
    done.SizeOver = 10.25;
    done.Pitch = 1.5;
    done.Starts = 1;
    done.FlankAngle1 = done.FlankAngle2 = 0.5235987755982988;
    ASSERT_TRUE(CalcPitchDiam(done));
    std::string text;
    AppendJsonRecord(text, done, true);
    JsonlBatch batch;
    std::string out;
    RunBatchOnText(batch, "{" + kBolt + R"(, "Designation": "M10x1.5-6g"})" + "\n", out);
    EXPECT_EQ(out.substr(0, text.size() - 2), text.substr(0, text.size() - 2));
    EXPECT_EQ(out.substr(text.size() - 2, 2), ", ");
}

struct VerdictRow {
    const char* name;
    const char* line;
    const char* verdict;
};

class BatchVerdict : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(BatchVerdict, AtAndAroundTheLimits) {
    const auto lines = RunJsonl(std::string(GetParam().line) + "\n");
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_TRUE(lines[0].contains("Verdict")) << lines[0].dump();
    EXPECT_EQ(lines[0].at("Verdict"), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchVerdict,
    ::testing::Values(
        VerdictRow{"AtMin",
                   R"({"Designation": "M10x1.5-6g", "GivenQty": 2, "PitchDiam": 8.862, )"
                   R"("ProbeDiam": 0.866})",
                   "within limits"},
        VerdictRow{"BelowMin",
                   R"({"Designation": "M10x1.5-6g", "GivenQty": 2, "PitchDiam": 8.8615, )"
                   R"("ProbeDiam": 0.866})",
                   "undersize"},
        VerdictRow{"AboveMax",
                   R"({"Designation": "M10x1.5-6g", "GivenQty": 2, "PitchDiam": 8.9945, )"
                   R"("ProbeDiam": 0.866})",
                   "oversize"},
        VerdictRow{"InternalFromTheStatedThreadType",
                   R"({"Designation": "M10", "ThreadType": 1, "GivenQty": 2, )"
                   R"("PitchDiam": 9.0255, "ProbeDiam": 0.866})",
                   "undersize"},
        VerdictRow{"UnifiedInMillimetres",
                   R"({"Designation": "1/2-13 UNC-2A", "GivenQty": 2, "PitchDiam": 11.2649, )"
                   R"("ProbeDiam": 1.1})",
                   "within limits"},
        VerdictRow{"Trapezoidal",
                   R"({"Designation": "Tr 24x5-7e", "GivenQty": 2, "PitchDiam": 21.395, )"
                   R"("ProbeDiam": 2.5})",
                   "oversize"}),
    kthread::test::RowName());

struct ErrorRow {
    const char* name;
    const char* line;
    const char* error;
};

class BatchExtrasError : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(BatchExtrasError, TheLineIsAnErrorNamingTheKey) {
    const auto lines = RunJsonl(std::string(GetParam().line) + "\n");
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_TRUE(lines[0].contains("error")) << lines[0].dump();
    EXPECT_EQ(lines[0].at("line"), 1);
    EXPECT_NE(lines[0].at("error").get<std::string>().find(GetParam().error), std::string::npos)
        << lines[0].at("error");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchExtrasError,
    ::testing::Values(
        ErrorRow{"PitchConflicts", R"({"Designation": "M10x1.5-6g", "Pitch": 1.25})",
                 "Pitch 1.25 conflicts with the designation M10x1.5-6g (1.5)"},
        ErrorRow{"FlankConflicts", R"({"Designation": "Tr 24x5", "FlankAngle2": 0.5236})",
                 "FlankAngle2 0.5236 conflicts"},
        ErrorRow{"StartsConflict", R"({"Designation": "M16xPh3P1.5", "Starts": 1})",
                 "Starts 1 conflicts"},
        ErrorRow{"TaperThreadType", R"({"Designation": "M10", "ThreadType": 2})",
                 "ThreadType 2 conflicts"},
        ErrorRow{"InternalForAnExternalClass", R"({"Designation": "M10-6g", "ThreadType": 1})",
                 "ThreadType 1 conflicts"},
        ErrorRow{"UnknownDesignation", R"({"Designation": "M10x1.7"})",
                 "Designation: pitch 1.7 mm is not in the coarse or fine series"},
        ErrorRow{"EmptyDesignation", R"({"Designation": ""})", "Designation:"},
        ErrorRow{"DesignationNotText", R"({"Designation": 10})",
                 "Designation: must be a text, got 10"},
        ErrorRow{"UncertaintyNotNumber", R"({"uPitch": "0.001"})",
                 "uPitch: must be a number, got a string"},
        ErrorRow{"NegativeUncertainty", R"({"uProbeDiam": -0.0002})",
                 "uProbeDiam: must be 0 or more, got -0.0002"},
        ErrorRow{"UnknownUncertaintyKey", R"({"uDiameter": 0.001})", "unknown key \"uDiameter\""},
        ErrorRow{"RepeatedDesignation", R"({"Designation": "M10", "Designation": "M12"})",
                 "duplicate key \"Designation\""}),
    kthread::test::RowName());

TEST(BatchExtras, AgreeingFieldsAreAcceptedAndTakeTheDesignationsExactValues) {
    const auto lines = RunJsonl(
        R"({"Designation": "1/2-13 UNC-2A", "Pitch": 1.95385, "GivenQty": 2, "PitchDiam": 11.3, )"
        R"("ProbeDiam": 1.1})"
        "\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].at("Pitch"), 25.4 / 13);
    EXPECT_EQ(lines[0].at("Verdict"), "within limits");
}

// Each uncertainty key reaches its own input: with every other input's uncertainty zero, U is
// 2 |c| u of that input alone.
struct KeyRow {
    const char* name;
    const char* key;
    double u;
    double sensitivity; // of the worked example's d2, from d2 = M - 3 D + (P / 2) cot 30 deg
};

class BatchUncertaintyKey : public ::testing::TestWithParam<KeyRow> {};

TEST_P(BatchUncertaintyKey, ReachesItsInput) {
    const KeyRow& row = GetParam();
    std::string zeros;
    for (std::size_t k = 1; k < kExtraKeyCount; ++k) {
        const std::string_view name = ExtraKeyName(static_cast<ExtraKey>(k));
        zeros += ", \"" + std::string(name) +
                 "\": " + (name == row.key ? std::to_string(row.u) : std::string("0"));
    }
    const auto lines = RunJsonl("{" + kWorked + zeros + "}\n");
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_TRUE(lines[0].contains("U")) << lines[0].dump();
    EXPECT_EQ(lines[0].at("k"), 2.0);
    EXPECT_NEAR(lines[0].at("U").get<double>(), 2 * std::abs(row.sensitivity) * row.u,
                0.002 * 2 * std::abs(row.sensitivity) * row.u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BatchUncertaintyKey,
    ::testing::Values(KeyRow{"Reading", "uGiven", 0.001, 1.0},
                      KeyRow{"ProbeDiameter", "uProbeDiam", 0.001, 3.0},
                      KeyRow{"Pitch", "uPitch", 0.001, 0.866},
                      // A warm part has a longer pitch, and its d2 is brought back to 20 degC.
                      KeyRow{"PartTemperature", "uPartTemperature", 1.0,
                             (0.866 * 1.5 - 18.7006) * 11.5e-6}),
    kthread::test::RowName());

TEST(BatchExtras, MissingUncertaintiesTakeTheLaboratoryDefaults) {
    const auto some = RunJsonl("{" + kWorked + R"(, "uGiven": 0.0005})" + "\n");
    const auto other = RunJsonl("{" + kWorked + R"(, "uPitch": 0.0005})" + "\n");
    ASSERT_EQ(some.size(), 1U);
    ASSERT_EQ(other.size(), 1U);
    // 0.0005 mm is the default of both (1 um at k = 2): the same budget either way.
    EXPECT_EQ(some[0].at("U"), other[0].at("U"));
    EXPECT_NEAR(some[0].at("U").get<double>(), 0.0018, 0.0001);
}

TEST(BatchExtras, ConformityFollowsTheRunsDecisionRule) {
    // 0.5 um inside the upper limit, with the given d2 known to 1 um (k = 2).
    const std::string line = R"({"Designation": "M10x1.5-6g", "GivenQty": 2, )"
                             R"("PitchDiam": 8.9935, "ProbeDiam": 0.866, "uGiven": 0.0005})"
                             "\n";
    const auto guarded = RunJsonl(line);
    const auto simple = RunJsonl(line, uncertainty::DecisionRule::SimpleAcceptance);
    EXPECT_EQ(guarded[0].at("Verdict"), "within limits");
    EXPECT_EQ(guarded[0].at("Conformity"), "not provable");
    EXPECT_EQ(simple[0].at("Conformity"), "conforms");
}

TEST(BatchExtras, ValuesThatWereNotComputedAreNull) {
    // No probe diameter: the engine refuses the record.
    const auto lines = RunJsonl(R"({"Designation": "M10", "uPitch": 0.001})"
                                "\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].at("ok"), false);
    EXPECT_EQ(lines[0].at("PitchDiamMin"), 8.862);
    EXPECT_TRUE(lines[0].at("Verdict").is_null());
    EXPECT_TRUE(lines[0].at("U").is_null());
    EXPECT_TRUE(lines[0].at("k").is_null());
    EXPECT_TRUE(lines[0].at("Conformity").is_null());
}

TEST(CsvBatchExtras, HeaderDecidesTheAddedColumnsForEveryRow) {
    const auto rows = RunCsv("GivenQty,ProbeDiam,SizeOver,Designation,uProbeDiam\n"
                             "1,0.866,10.25,M10x1.5-6g,0.0002\n"
                             "1,0.866,10.30,\"M10x1.5-6g\",0.0002\n"
                             "1,0,10.25,M10x1.5-6g,0.0002\n"
                             "1,0.866,10.25,M10x1.5-6g,x\n"
                             "1,0.866,10.25,,0.0002\n");
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_TRUE(rows[0].ends_with(",PitchDiam,ok,PitchDiamMin,PitchDiamMax,Verdict,U,k,"
                                  "Conformity"))
        << rows[0];
    EXPECT_TRUE(rows[1].ends_with(",true,8.862,8.994,within limits,0.0017890444921237721,2,"
                                  "conforms"))
        << rows[1];
    EXPECT_NE(rows[2].find(",true,8.862,8.994,oversize,"), std::string::npos) << rows[2];
    EXPECT_TRUE(rows[2].ends_with(",2,does not conform")) << rows[2];
    EXPECT_TRUE(rows[3].ends_with(",false,8.862,8.994,,,,")) << rows[3];
    EXPECT_EQ(rows[4], "line,5,\"uProbeDiam: malformed number \"\"x\"\"\"");
    EXPECT_TRUE(rows[5].starts_with("line,6,\"Designation:")) << rows[5];
    const auto commas = [](const std::string& s) { return std::count(s.begin(), s.end(), ','); };
    EXPECT_EQ(commas(rows[1]), commas(rows[0]));
    EXPECT_EQ(commas(rows[3]), commas(rows[0]));
}

TEST(CsvBatchExtras, OnlyTheGroupsInTheHeaderAreAdded) {
    const auto limits = RunCsv("ProbeDiam,SizeOver,GivenQty,Designation\n0.866,10.25,1,M10\n");
    ASSERT_EQ(limits.size(), 2U);
    EXPECT_TRUE(limits[0].ends_with(",ok,PitchDiamMin,PitchDiamMax,Verdict")) << limits[0];
    EXPECT_TRUE(limits[1].ends_with(",true,8.862,8.994,within limits")) << limits[1];
    const auto u =
        RunCsv("Pitch,Starts,FlankAngle1,FlankAngle2,ProbeDiam,SizeOver,GivenQty,uGiven\n"
               "1.5,1,0.5235987755982988,0.5235987755982988,0.866,20,1,0.0005\n");
    ASSERT_EQ(u.size(), 2U);
    EXPECT_TRUE(u[0].ends_with(",ok,U,k")) << u[0];
    EXPECT_TRUE(u[1].ends_with(",2")) << u[1];
    const auto repeated = RunCsv("Designation,Designation\nM10,M10\n");
    EXPECT_TRUE(repeated.empty());
}

} // namespace
} // namespace kthread::cli
