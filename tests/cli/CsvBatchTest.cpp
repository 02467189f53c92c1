// CSV batch: header subsets in any order, exact numbers, per-row errors, fatal header errors.
#include "cli/CsvBatch.h"
#include "cli/BatchRun.h"
#include "cli/CsvCells.h"
#include "cli/InputLimits.h"
#include "cli/RecordFields.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <sstream>
#include <vector>

namespace kthread::cli {
namespace {

struct CsvOutput {
    std::vector<std::vector<std::string>> rows;
    BatchResult result;
};

// Splits the output on commas only; the error rows' quoted text is checked separately.
CsvOutput RunCsv(const std::string& input) {
    CsvBatch batch;
    std::string out;
    CsvOutput output;
    output.result = RunBatchOnText(batch, input, out);
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) {
        std::vector<std::string> cells;
        std::istringstream cellStream(line);
        for (std::string cell; std::getline(cellStream, cell, ',');) {
            cells.push_back(cell);
        }
        output.rows.push_back(cells);
    }
    return output;
}

double ReadDouble(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

TPitchDiamData RecordFromRow(const std::vector<std::string>& row) {
    TPitchDiamData record{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldInfo& field = RecordFields()[i];
        if (field.kind == FieldKind::Selector) {
            record.*field.selector = static_cast<std::uint8_t>(std::stoi(row.at(i)));
        } else {
            record.*field.number = ReadDouble(row.at(i));
        }
    }
    return record;
}

TPitchDiamData WorkedExample() {
    TPitchDiamData record{};
    record.GivenQty = 1;
    record.Pitch = 1.5;
    record.Starts = 1;
    record.FlankAngle1 = record.FlankAngle2 = 0.52359877559829882;
    record.ProbeDiam = 0.866;
    record.SizeOver = 20;
    return record;
}

TEST(CsvBatch, TakesAnySubsetOfFieldsInAnyOrder) {
    const std::string input = "SizeOver, ProbeDiam ,FlankAngle2,Pitch,GivenQty,FlankAngle1,Starts\n"
                              "20,0.866,0.52359877559829882,1.5,1,0.52359877559829882,1\n";
    TPitchDiamData expected = WorkedExample();
    const bool ok = CalcPitchDiam(expected);
    const CsvOutput output = RunCsv(input);
    ASSERT_EQ(output.rows.size(), 2U);
    ASSERT_EQ(output.rows[0].size(), kFieldCount + 1);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(output.rows[0][i], RecordFields()[i].name);
    }
    EXPECT_EQ(output.rows[0].back(), "ok");
    ASSERT_EQ(output.rows[1].size(), kFieldCount + 1);
    const TPitchDiamData read = RecordFromRow(output.rows[1]);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(FieldValue(expected, i)),
                  std::bit_cast<std::uint64_t>(FieldValue(read, i)))
            << RecordFields()[i].name;
    }
    EXPECT_EQ(output.rows[1].back(), ok ? "true" : "false");
    EXPECT_EQ(output.result.ExitCode(), 0);
}

TEST(CsvBatch, AcceptsCrLfBlanksQuotesAndBlankLines) {
    const std::string plain = "Pitch,ProbeDiam,SizeOver,Starts\n1.5,0.866,20,1\n";
    const std::string dressed = "\xEF\xBB\xBF\"Pitch\",\"ProbeDiam\",SizeOver,Starts\r\n"
                                "\r\n"
                                "   \r\n"
                                " 1.5 ,\t\"0.866\",20.0 , 1\r\n"
                                "\n";
    const CsvOutput a = RunCsv(plain);
    const CsvOutput b = RunCsv(dressed);
    ASSERT_EQ(a.rows.size(), 2U);
    EXPECT_EQ(a.rows, b.rows);
    EXPECT_EQ(b.result.summary.records, 1U);
}

TEST(CsvBatch, ErrorRowNamesThePhysicalLineAndTheProblemAndTheRestGoesOn) {
    const std::string input = "Pitch,ProbeDiam,SizeOver,ThreadType\n" // 1
                              "1.5,0.866,20,0\n"                      // 2
                              "\n"                                    // 3
                              "1.5,0.8x,20,0\n"                       // 4
                              "1.5,0.866,20,256\n"                    // 5
                              "1.5,0.866,20\n"                        // 6
                              "1.5,,20,1\n"                           // 7
                              "1.5,0.866,20,1\n";                     // 8
    CsvBatch batch;
    std::string out;
    const BatchResult result = RunBatchOnText(batch, input, out);
    std::istringstream stream(out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_TRUE(lines[1].ends_with(",true") || lines[1].ends_with(",false"));
    EXPECT_EQ(lines[2], "line,4,\"ProbeDiam: malformed number \"\"0.8x\"\"\"");
    EXPECT_TRUE(lines[3].starts_with("line,5,\"ThreadType: must be a whole number")) << lines[3];
    EXPECT_EQ(lines[4], "line,6,\"expected 4 values, found 3\"");
    EXPECT_EQ(lines[5], "line,7,\"ProbeDiam: empty value\"");
    EXPECT_TRUE(lines[6].starts_with("1,0,0,1.5,")) << lines[6];
    EXPECT_EQ(result.summary.errorLines, 4U);
    EXPECT_EQ(result.summary.records, 2U);
    EXPECT_NE(result.ExitCode(), 0);
}

struct HeaderCase {
    const char* name;
    const char* input;
    const char* messagePart;
};

class CsvBadHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(CsvBadHeader, StopsBeforeAnyRecordWithAMessage) {
    const HeaderCase& row = GetParam();
    CsvBatch batch;
    std::string out;
    const BatchResult result = RunBatchOnText(batch, row.input, out);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_EQ(result.summary.records, 0U);
    EXPECT_NE(result.summary.fatalError.find(row.messagePart), std::string::npos)
        << result.summary.fatalError;
    EXPECT_NE(result.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CsvBadHeader,
    testing::Values(HeaderCase{"UnknownName", "Pitch,Wire\n1,2\n", "unknown column \"Wire\""},
                    HeaderCase{"NameInWrongCase", "pitch\n1\n", "\"pitch\""},
                    HeaderCase{"RepeatedName", "Pitch,Pitch\n1,2\n", "repeated column"},
                    HeaderCase{"EmptyName", "Pitch,,SizeOver\n1,2,3\n", "unknown column \"\""},
                    HeaderCase{"OnLineAfterBlanks", "\n\nPitch;SizeOver\n", "line 3"}),
    kthread::test::RowName());

TEST(CsvCells, SplitsAtEveryCommaAndTrimsEachCell) {
    std::vector<std::string_view> cells;
    EXPECT_EQ(SplitCsvLine(" a ,\"b\",,\t c\t,", cells, 10), 5U);
    EXPECT_EQ(cells, (std::vector<std::string_view>{"a", "b", "", "c", ""}));
}

TEST(CsvCells, KeepsNoMoreCellsThanAskedButCountsThemAll) {
    std::vector<std::string_view> cells;
    EXPECT_EQ(SplitCsvLine("1,2,3,4,5", cells, 2), 5U);
    EXPECT_EQ(cells, (std::vector<std::string_view>{"1", "2"}));
    EXPECT_EQ(SplitCsvLine(std::string(100000, ','), cells, 3), 100001U);
    EXPECT_EQ(cells.size(), 3U);
    EXPECT_EQ(SplitCsvLine("", cells, 0), 1U);
    EXPECT_TRUE(cells.empty());
}

TEST(CsvBatch, LongRowsAreErrorRowsAndTheRestGoesOn) {
    const std::string commas(kMaxLineBytes, ',');
    const std::string input =
        "Pitch,ProbeDiam,SizeOver\n" + commas + "\n" + commas + ",\n" + "1.5,0.866,20\n";
    CsvBatch batch;
    std::string out;
    const BatchResult result = RunBatchOnText(batch, input, out);
    std::istringstream stream(out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[1],
              "line,2,\"expected 3 values, found " + std::to_string(kMaxLineBytes + 1) + "\"");
    EXPECT_EQ(lines[2], "line,3,\"" + std::string(kLineTooLongMessage) + "\"");
    EXPECT_TRUE(lines[3].starts_with("0,0,0,1.5,")) << lines[3];
    EXPECT_EQ(result.summary.errorLines, 2U);
    EXPECT_EQ(result.summary.records, 1U);
}

TEST(CsvBatch, AHeaderOverTheLimitStopsTheRun) {
    CsvBatch batch;
    std::string out;
    const BatchResult result =
        RunBatchOnText(batch, "\n" + std::string(kMaxLineBytes + 1, ' ') + "\n1\n", out);
    EXPECT_EQ(out, "");
    EXPECT_EQ(result.summary.fatalError,
              "line 2: " + std::string(kLineTooLongMessage) + " in the CSV header");
}

} // namespace
} // namespace kthread::cli
