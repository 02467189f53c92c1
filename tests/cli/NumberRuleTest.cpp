// One rule for numbers: CSV cells and JSON Lines values take and refuse the same spellings and
// read them to the same doubles.
#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/JsonRecordReader.h"
#include "cli/JsonlBatch.h"
#include "cli/NumberReading.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

namespace kthread::cli {
namespace {

struct NumberCase {
    const char* name;
    std::string text;
    NumberProblem problem;
    double value; // when there is no problem
};

class NumberRule : public testing::TestWithParam<NumberCase> {};

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

TEST_P(NumberRule, ReadsTheSameInCsvAndInJsonLines) {
    const NumberCase& row = GetParam();
    const bool accepted = row.problem == NumberProblem::None;

    const NumberReading reading = ReadNumber(row.text);
    EXPECT_EQ(reading.problem, row.problem);
    if (accepted) {
        EXPECT_EQ(Bits(reading.value), Bits(row.value)) << reading.value;
    }

    // CSV: a second column keeps an empty cell from making a blank line.
    CsvBatch csv;
    std::string csvOut;
    const BatchResult csvResult = RunBatchOnText(csv, "Pitch,Starts\n" + row.text + ",1\n", csvOut);
    const std::string csvRow = csvOut.substr(csvOut.find('\n') + 1);
    EXPECT_EQ(csvResult.summary.records, accepted ? 1U : 0U) << csvRow;
    if (accepted) {
        const std::size_t from = std::string("0,0,0,").size();
        double value = 0;
        std::from_chars(csvRow.data() + from, csvRow.data() + csvRow.size(), value);
        EXPECT_EQ(Bits(value), Bits(row.value)) << csvRow;
    } else if (row.text.find(',') == std::string::npos) {
        std::string expected = "line,2,\"Pitch: ";
        for (const char c : DescribeNumberProblem(row.problem, row.text)) {
            expected += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        EXPECT_EQ(csvRow, expected + "\"\n");
    }

    // JSON Lines, through the batch (fast reader first) and through the full reader alone.
    const std::string object = "{\"Pitch\": " + row.text + ", \"Starts\": 1}";
    JsonlBatch jsonl;
    std::string jsonOut;
    const BatchResult jsonResult = RunBatchOnText(jsonl, object + "\n", jsonOut);
    EXPECT_EQ(jsonResult.summary.records, accepted ? 1U : 0U) << jsonOut;
    const nlohmann::json line = nlohmann::json::parse(jsonOut);
    TPitchDiamData full{};
    LineExtras extras;
    const auto fullError = ReadJsonRecordFully(object, full, extras);
    EXPECT_EQ(!fullError.has_value(), accepted) << fullError.value_or("");
    if (accepted) {
        EXPECT_EQ(Bits(line.at("Pitch").get<double>()), Bits(row.value)) << jsonOut;
        EXPECT_EQ(Bits(full.Pitch), Bits(row.value));
    } else if (row.problem == NumberProblem::OutOfRange) {
        // Out of range is worded alike in both formats.
        const std::string expected = "Pitch: " + DescribeNumberProblem(row.problem, row.text);
        EXPECT_EQ(line.at("error"), expected);
        EXPECT_EQ(fullError.value_or(""), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberRule,
    testing::Values(
        NumberCase{"Plain", "18.70062", NumberProblem::None, 18.70062},
        NumberCase{"Exponent", "2.5e11", NumberProblem::None, 2.5e11},
        NumberCase{"SignedCapitalExponent", "1E+2", NumberProblem::None, 100},
        NumberCase{"NegativeExponent", "5e-1", NumberProblem::None, 0.5},
        NumberCase{"Negative", "-3", NumberProblem::None, -3},
        NumberCase{"Zero", "0", NumberProblem::None, 0.0},
        NumberCase{"IntegerMinusZeroHasNoSign", "-0", NumberProblem::None, 0.0},
        NumberCase{"FractionMinusZeroKeepsItsSign", "-0.0", NumberProblem::None, -0.0},
        NumberCase{"SmallestSubnormal", "4.9e-324", NumberProblem::None, 4.9e-324},
        NumberCase{"InexactSubnormal", "1e-320", NumberProblem::None, 1e-320},
        NumberCase{"IntegerBeyondInt64", "123456789012345678901234567890", NumberProblem::None,
                   123456789012345678901234567890.0},
        NumberCase{"Underflow", "1e-400", NumberProblem::OutOfRange, 0},
        NumberCase{"BelowHalfTheSmallestSubnormal", "2e-324", NumberProblem::OutOfRange, 0},
        NumberCase{"Overflow", "1e400", NumberProblem::OutOfRange, 0},
        NumberCase{"OverflowingInteger", "1" + std::string(400, '0'), NumberProblem::OutOfRange, 0},
        NumberCase{"BareFraction", ".5", NumberProblem::Malformed, 0},
        NumberCase{"TrailingPoint", "5.", NumberProblem::Malformed, 0},
        NumberCase{"LeadingPlus", "+0.5", NumberProblem::Malformed, 0},
        NumberCase{"LeadingZero", "01", NumberProblem::Malformed, 0},
        NumberCase{"Hexadecimal", "0x10", NumberProblem::Malformed, 0},
        NumberCase{"Infinity", "inf", NumberProblem::Malformed, 0},
        NumberCase{"NotANumber", "nan", NumberProblem::Malformed, 0},
        NumberCase{"TrailingText", "1.5mm", NumberProblem::Malformed, 0},
        NumberCase{"InnerBlank", "1 5", NumberProblem::Malformed, 0},
        NumberCase{"DoubleSign", "+-1", NumberProblem::Malformed, 0},
        NumberCase{"LonePlus", "+", NumberProblem::Malformed, 0},
        NumberCase{"LoneMinus", "-", NumberProblem::Malformed, 0},
        NumberCase{"ExponentWithoutDigits", "1e", NumberProblem::Malformed, 0},
        NumberCase{"CommaDecimalMark", "1,5", NumberProblem::Malformed, 0},
        NumberCase{"Empty", "", NumberProblem::Empty, 0}),
    kthread::test::RowName());

TEST(NumberRule, APrefixEndsWhereTheGrammarEnds) {
    std::size_t length = 0;
    EXPECT_EQ(ReadNumberPrefix("1.5}", length).value, 1.5);
    EXPECT_EQ(length, 3U);
    EXPECT_EQ(ReadNumberPrefix("2e-3, ", length).value, 2e-3);
    EXPECT_EQ(length, 4U);
    EXPECT_EQ(ReadNumberPrefix("1e}", length).value, 1); // the caller refuses the 'e'
    EXPECT_EQ(length, 1U);
    EXPECT_EQ(ReadNumberPrefix("01}", length).problem, NumberProblem::Malformed);
    EXPECT_EQ(ReadNumberPrefix("5.}", length).problem, NumberProblem::Malformed);
    EXPECT_EQ(ReadNumberPrefix(".5}", length).problem, NumberProblem::Malformed);
    EXPECT_EQ(ReadNumberPrefix("1e-400}", length).problem, NumberProblem::OutOfRange);
}

} // namespace
} // namespace kthread::cli
