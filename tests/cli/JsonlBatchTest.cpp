// JSON Lines batch: exact numbers, defaults, selector pass-through and per-line errors.
#include "cli/JsonlBatch.h"
#include "cli/BatchRun.h"
#include "cli/InputLimits.h"
#include "cli/JsonRecordReader.h"
#include "cli/RecordFields.h"
#include "cli/RecordWriters.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

namespace kthread::cli {
namespace {

using nlohmann::json;

// The worked example as one input line: M = 20 over 0.866 mm wires, P = 1.5 mm, 30 deg flanks.
const std::string kWorkedExampleLine = R"({"GivenQty": 1, "Pitch": 1.5, "Starts": 1, )"
                                       R"("FlankAngle1": 0.5235987755982988, )"
                                       R"("FlankAngle2": 0.5235987755982988, )"
                                       R"("ProbeDiam": 0.866, "SizeOver": 20})";

struct BatchOutput {
    std::vector<json> lines;
    BatchResult result;
};

BatchOutput RunJsonl(const std::string& input) {
    JsonlBatch batch;
    std::string out;
    BatchOutput output;
    output.result = RunBatchOnText(batch, input, out);
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) {
        output.lines.push_back(json::parse(line));
    }
    return output;
}

json InputObject(const TPitchDiamData& record) {
    json object = json::object();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldInfo& field = RecordFields()[i];
        if (field.kind == FieldKind::Selector) {
            object[std::string(field.name)] = record.*field.selector;
        } else {
            object[std::string(field.name)] = record.*field.number;
        }
    }
    return object;
}

// Reads a field of an output line back into a record, bit for bit.
TPitchDiamData RecordFromOutput(const json& line) {
    TPitchDiamData record{};
    for (const FieldInfo& field : RecordFields()) {
        const json& value = line.at(std::string(field.name));
        if (field.kind == FieldKind::Selector) {
            record.*field.selector = value.get<std::uint8_t>();
        } else {
            record.*field.number = value.get<double>();
        }
    }
    return record;
}

void ExpectSameBits(const TPitchDiamData& expected, const TPitchDiamData& actual) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldInfo& field = RecordFields()[i];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(FieldValue(expected, i)),
                  std::bit_cast<std::uint64_t>(FieldValue(actual, i)))
            << field.name << ": " << FieldValue(expected, i) << " vs " << FieldValue(actual, i);
    }
}

TPitchDiamData RandomMeasurement(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double deg = 3.14159265358979323846 / 180;
    TPitchDiamData record{};
    record.ThreadType = static_cast<std::uint8_t>(random() % 4);
    record.GivenQty = static_cast<std::uint8_t>(random() % 3);
    record.MeasMode = static_cast<std::uint8_t>(random() % 2);
    record.Pitch = 0.5 + 3.5 * unit(random);
    record.Starts = static_cast<double>(1 + random() % 3);
    record.Force = (random() % 2 == 0) ? 0.0 : 2.0 * unit(random);
    record.ProbePoisson = 0.3;
    record.ThreadPoisson = 0.25 + 0.1 * unit(random);
    record.ProbeModulus = 2.5e11;
    record.ThreadModulus = (150 + 100 * unit(random)) * 1e9;
    record.TaperRatio = record.ThreadType == 2 ? 0.0625 : 0.0;
    record.FlankAngle1 = (25 + 10 * unit(random)) * deg;
    record.FlankAngle2 = (25 + 10 * unit(random)) * deg;
    record.ProbeDiam = record.Pitch * (0.5 + 0.2 * unit(random));
    const double size = 5 + 50 * unit(random);
    record.SizeCtr = size;
    record.SizeOver = size + record.ProbeDiam;
    record.PitchDiam = size;
    return record;
}

TEST(JsonlBatch, WritesEveryDoubleSoItReadsBackBitForBit) {
    std::mt19937_64 random(20240611);
    std::vector<TPitchDiamData> expected;
    std::string input;
    for (int i = 0; i < 300; ++i) {
        const TPitchDiamData record = RandomMeasurement(random);
        input += InputObject(record).dump() + "\n";
        TPitchDiamData done = record;
        CalcPitchDiam(done);
        expected.push_back(done);
    }
    const BatchOutput output = RunJsonl(input);
    ASSERT_EQ(output.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        ExpectSameBits(expected[i], RecordFromOutput(output.lines[i]));
    }
    EXPECT_EQ(output.result.ExitCode(), 0);
}

TEST(JsonlBatch, ReportsTheEnginesVerdictAndFieldsInRecordOrder) {
    TPitchDiamData record{};
    record.GivenQty = 1;
    record.Pitch = 1.5;
    record.Starts = 1;
    record.FlankAngle1 = record.FlankAngle2 = 30 * 3.14159265358979323846 / 180;
    record.ProbeDiam = 0.866;
    record.SizeOver = 20;
    TPitchDiamData rejected = record;
    rejected.ProbeDiam = 0;
    TPitchDiamData done = record;
    const bool ok = CalcPitchDiam(done);
    ASSERT_TRUE(ok);

    const BatchOutput output =
        RunJsonl(InputObject(record).dump() + "\n" + InputObject(rejected).dump() + "\n");
    ASSERT_EQ(output.lines.size(), 2U);
    EXPECT_EQ(output.lines[0].at("ok"), true);
    EXPECT_EQ(output.lines[1].at("ok"), false);
    ExpectSameBits(done, RecordFromOutput(output.lines[0]));

    std::vector<std::string> keys;
    std::string text;
    AppendJsonRecord(text, done, true);
    const json ordered = json::parse(text, nullptr, true, false);
    std::size_t position = 0;
    for (const FieldInfo& field : RecordFields()) {
        const std::size_t at = text.find(std::string(1, '"').append(field.name).append(1, '"'));
        ASSERT_NE(at, std::string::npos) << field.name;
        EXPECT_GT(at, position) << field.name << " out of order";
        position = at;
    }
    EXPECT_GT(text.find("\"ok\""), position);
    EXPECT_EQ(ordered.size(), kFieldCount + 1);
}

TEST(JsonlBatch, MissingKeysReadAsZero) {
    TPitchDiamData record{};
    record.ThreadType = 1;
    record.Pitch = 2;
    record.ProbeDiam = 1.2;
    record.SizeOver = 30;
    TPitchDiamData done = record;
    const bool ok = CalcPitchDiam(done);

    const BatchOutput output =
        RunJsonl("{\"ThreadType\": 1, \"Pitch\": 2, \"ProbeDiam\": 1.2, \"SizeOver\": 30}\n{}\n");
    ASSERT_EQ(output.lines.size(), 2U);
    EXPECT_EQ(output.lines[0].at("ok"), ok);
    ExpectSameBits(done, RecordFromOutput(output.lines[0]));
    // An empty object is a fresh record: no probe diameter, so the engine refuses it unchanged.
    ExpectSameBits(TPitchDiamData{}, RecordFromOutput(output.lines[1]));
    EXPECT_EQ(output.lines[1].at("ok"), false);
}

TEST(JsonlBatch, PassesUnknownSelectorValuesToTheEngineUnchanged) {
    const std::string base = R"("Pitch": 1.5, "ProbeDiam": 0.866, "SizeOver": 20, "Starts": 1)";
    const BatchOutput output = RunJsonl("{\"ThreadType\": 7, " + base + "}\n" +
                                        "{\"ThreadType\": 255, \"GivenQty\": 200, " + base + "}\n" +
                                        "{\"GivenQty\": 9, \"MeasMode\": 0, " + base + "}\n");
    ASSERT_EQ(output.lines.size(), 3U);
    const std::vector<std::array<int, 2>> selectors{{7, 0}, {255, 200}, {0, 9}};
    for (std::size_t i = 0; i < selectors.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        const json& line = output.lines[i];
        EXPECT_EQ(line.at("ThreadType"), selectors[i][0]);
        EXPECT_EQ(line.at("GivenQty"), selectors[i][1]);
        EXPECT_EQ(line.at("ok"), true);
        EXPECT_EQ(line.at("SizeOver"), 20.0);
        EXPECT_EQ(line.at("SizeCtr"), 0.0);
        EXPECT_EQ(line.at("PitchDiam"), 0.0);
        EXPECT_EQ(line.at("DeformCorr"), 0.0);
    }
}

TEST(JsonlBatch, AcceptsSelectorsWrittenAsWholeNumbersInAnyForm) {
    const BatchOutput output =
        RunJsonl("{\"ThreadType\": 3.0, \"GivenQty\": 2e0, \"MeasMode\": 0}\n");
    ASSERT_EQ(output.lines.size(), 1U);
    EXPECT_EQ(output.lines[0].at("ThreadType"), 3);
    EXPECT_EQ(output.lines[0].at("GivenQty"), 2);
}

struct BadLineCase {
    const char* name;
    const char* line;
    const char* messagePart; // the error must name what is wrong
};

class JsonlBadLine : public testing::TestWithParam<BadLineCase> {};

TEST_P(JsonlBadLine, AnswersWithAnErrorLineAndGoesOn) {
    const BadLineCase& row = GetParam();
    const std::string& good = kWorkedExampleLine;
    const BatchOutput output = RunJsonl(good + "\n" + row.line + "\n" + good + "\n");
    ASSERT_EQ(output.lines.size(), 3U);
    EXPECT_EQ(output.lines[0].at("ok"), true);
    EXPECT_EQ(output.lines[1].size(), 2U);
    EXPECT_EQ(output.lines[1].at("line"), 2);
    const std::string message = output.lines[1].at("error");
    EXPECT_NE(message.find(row.messagePart), std::string::npos) << message;
    EXPECT_EQ(output.lines[2], output.lines[0]);
    EXPECT_EQ(output.result.summary.errorLines, 1U);
    EXPECT_EQ(output.result.summary.records, 2U);
    EXPECT_NE(output.result.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JsonlBadLine,
    testing::Values(
        BadLineCase{"SelectorAbove255", R"({"ThreadType": 256})", "ThreadType"},
        BadLineCase{"SelectorNegative", R"({"GivenQty": -1})", "GivenQty"},
        BadLineCase{"SelectorFraction", R"({"MeasMode": 1.5})", "MeasMode"},
        BadLineCase{"SelectorString", R"({"ThreadType": "x"})", "ThreadType"},
        BadLineCase{"SelectorBoolean", R"({"ThreadType": true})", "ThreadType"},
        BadLineCase{"SelectorNull", R"({"MeasMode": null})", "MeasMode"},
        BadLineCase{"SelectorBeyondInt64", R"({"ThreadType": 1e300})", "ThreadType"},
        BadLineCase{"NumberAsString", R"({"Pitch": "1.5"})", "Pitch"},
        BadLineCase{"NumberAsNull", R"({"Force": null})", "Force"},
        BadLineCase{"NumberAsArray", R"({"ProbeDiam": [0.866]})", "ProbeDiam"},
        BadLineCase{"NumberAsObject", R"({"SizeOver": {"mm": 20}})", "SizeOver"},
        BadLineCase{"NumberTooLarge", R"({"Pitch": 1e999})",
                    "Pitch: number out of range \"1e999\""},
        BadLineCase{"UnknownKey", R"({"Pitch": 1, "Wire": 2})", "Wire"},
        BadLineCase{"KeyInWrongCase", R"({"pitch": 1})", "pitch"},
        BadLineCase{"RepeatedKey", R"({"Pitch": 1, "Pitch": 2})", "duplicate key \"Pitch\""},
        BadLineCase{"OutputVerdictIsNoInput", R"({"Pitch": 1, "ok": true})", "ok"},
        BadLineCase{"TrailingComma", R"({"Pitch": 1,})",
                    "invalid JSON at byte 13: expected a key in double quotes"},
        BadLineCase{"Truncated", R"({"Pitch": 1)",
                    "invalid JSON at byte 12: the line ends before the object does"},
        BadLineCase{"TwoObjects", R"({} {})",
                    "invalid JSON at byte 4: text after the end of the object"},
        BadLineCase{"ClosingBraceFirst", "}",
                    "invalid JSON at byte 1: expected a JSON object (\"}\")"},
        BadLineCase{"TopLevelArray", R"([1, 2])", "expected a JSON object"},
        BadLineCase{"TopLevelNumber", "42", "expected a JSON object"},
        BadLineCase{"NotJsonAtAll", "Pitch=1.5",
                    "invalid JSON at byte 1: text that is not a JSON value (\"Pitch=1.5\")"}),
    kthread::test::RowName());

TEST(JsonlBatch, ANulByteAnywhereRejectsTheLine) {
    using namespace std::string_literals;
    const std::vector<std::string> lines{"{\"Pitch\": 1}\0{\"Wire\": 2}"s,
                                         "{\"Pitch\": 1,\0 \"Starts\": 2}"s, "{\"Pi\0tch\": 1}"s,
                                         "\0"s, "{\"Pitch\": 1}   \0"s};
    std::string input;
    for (const std::string& line : lines) {
        input += line + "\n" + kWorkedExampleLine + "\n";
    }
    const BatchOutput output = RunJsonl(input);
    ASSERT_EQ(output.lines.size(), 2 * lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const json& error = output.lines[2 * i];
        EXPECT_EQ(error.at("line"), 2 * i + 1);
        const std::string expected =
            "invalid JSON at byte " + std::to_string(lines[i].find('\0') + 1) + ": a NUL byte";
        EXPECT_EQ(error.at("error"), expected);
        EXPECT_EQ(output.lines[2 * i + 1].at("ok"), true);
    }
    EXPECT_EQ(output.result.summary.errorLines, lines.size());
}

// However long or odd the input, an error message is a short text of this program's own: no
// wording of the JSON library, no echo beyond a few dozen bytes.
TEST(JsonlBatch, ErrorMessagesAreShortAndInTheProgramsOwnWords) {
    const std::string many(100000, '7');
    const std::vector<std::string> lines{
        "{\"Pitch\": \"" + many,
        "{\"Pitch\": " + many + "x}",
        "{\"Pitch\": 1" + many + "e999}",
        "{\"ThreadType\": 1." + many + "}",
        "{\"Pitch\": \"" + many + "\"}",
        "{\"" + many + "\": 1}",
        "[" + many + "]",
        many + "x",
        "{\"Pitch\": tru" + many,
        "{\"Pitch\" " + many,
        "{\"Pitch\": 1 " + many + "}",
        "{\"Pitch\": -" + many + "-}",
        "{\"Pitch\": 1e" + many + "}",
        "{\"Pi\\q" + many + "\": 1}",
        "{\"Pi\\ud800" + many + "\": 1}",
        "{\"\x01" + many + "\": 1}",
        "{\"\xC3" + many + "\": 1}",
        "}" + many,
    };
    std::string input;
    for (const std::string& line : lines) {
        input += line + "\n";
    }
    const BatchOutput output = RunJsonl(input);
    ASSERT_EQ(output.lines.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string message = output.lines[i].at("error");
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + message);
        EXPECT_LE(message.size(), 200U);
        for (const char* word : {"json.exception", "parse error", "syntax error", "last read",
                                 "<U+", "literal", "token"}) {
            EXPECT_EQ(message.find(word), std::string::npos) << word;
        }
    }
}

TEST(JsonlBatch, NumbersErrorLinesByPhysicalLineAndSkipsBlankLines) {
    const std::string& good = kWorkedExampleLine;
    const std::string input = good + "\r\n" +          // 1
                              "\n" +                   // 2 blank
                              "  \t \r\n" +            // 3 blank
                              R"({"ThreadType": 256})" // 4
                              + "\n" + good + "\n" +   // 5
                              R"({"GivenQty": -1})" +  // 6, no final newline
                              "";
    const BatchOutput output = RunJsonl(input);
    ASSERT_EQ(output.lines.size(), 4U);
    EXPECT_EQ(output.lines[0].at("ok"), true);
    EXPECT_EQ(output.lines[1].at("line"), 4);
    EXPECT_EQ(output.lines[2].at("ok"), true);
    EXPECT_EQ(output.lines[3].at("line"), 6);
    EXPECT_EQ(output.result.summary.errorLines, 2U);
    EXPECT_NE(output.result.ExitCode(), 0);
}

TEST(JsonlBatch, ALineOverTheLimitIsAShortErrorLineAndTheRestGoesOn) {
    const std::string longNumber = "{\"Pitch\": " + std::string(kMaxLineBytes, '1') + "}";
    const BatchOutput output = RunJsonl(kWorkedExampleLine + "\n" + longNumber + "\n" +
                                        kWorkedExampleLine + "\n" + longNumber);
    ASSERT_EQ(output.lines.size(), 4U);
    EXPECT_EQ(output.lines[0].at("ok"), true);
    const json tooLong{{"line", 2}, {"error", "line too long (more than 1048576 bytes)"}};
    EXPECT_EQ(output.lines[1], tooLong);
    EXPECT_EQ(output.lines[2], output.lines[0]);
    EXPECT_EQ(output.lines[3].at("line"), 4);
    EXPECT_EQ(output.result.summary.errorLines, 2U);
}

TEST(JsonlBatch, IgnoresAByteOrderMarkAtTheStart) {
    const BatchOutput output = RunJsonl("\xEF\xBB\xBF" + kWorkedExampleLine + "\n");
    ASSERT_EQ(output.lines.size(), 1U);
    EXPECT_EQ(output.lines[0].at("ok"), true);
    EXPECT_EQ(output.lines[0].at("SizeOver"), 20.0);
}

TEST(JsonlBatch, ErrorTextStaysValidJsonWhateverTheInputBytes) {
    const BatchOutput output =
        RunJsonl("{\"Pitch\": 1, \"We\\\"ird\\u0001\": 2}\n{\"\xFF\xFE\": 1}\n\x01\x02\"\\\n");
    ASSERT_EQ(output.lines.size(), 3U);
    for (const json& line : output.lines) {
        EXPECT_TRUE(line.at("error").is_string());
    }
    EXPECT_NE(output.lines[0].at("error").get<std::string>().find("We\\x22ird\\x01"),
              std::string::npos);
}

struct ReaderCase {
    const char* name;
    const char* line;
    bool fastPath; // whether the fast reader takes the line itself
};

class JsonReaders : public testing::TestWithParam<ReaderCase> {};

// The fast reader must only ever take lines that the full JSON reader takes, with the same
// values; everything else it hands over.
TEST_P(JsonReaders, FastReaderAgreesWithTheFullReader) {
    const ReaderCase& row = GetParam();
    TPitchDiamData fast{};
    TPitchDiamData full{};
    LineExtras fastExtras;
    LineExtras fullExtras;
    const bool fastTook = ReadFlatJsonRecord(row.line, fast, fastExtras);
    const bool fullTook = !ReadJsonRecordFully(row.line, full, fullExtras).has_value();
    EXPECT_EQ(fastTook, row.fastPath);
    if (fastTook) {
        ASSERT_TRUE(fullTook);
        ExpectSameBits(full, fast);
        EXPECT_EQ(fastExtras.keys, fullExtras.keys);
        EXPECT_EQ(fastExtras.fieldsGiven, fullExtras.fieldsGiven);
        EXPECT_EQ(fastExtras.designation, fullExtras.designation);
        EXPECT_EQ(fastExtras.u, fullExtras.u);
    }
    TPitchDiamData combined{};
    LineExtras combinedExtras;
    EXPECT_EQ(!ReadJsonRecord(row.line, combined, combinedExtras).has_value(), fullTook);
    if (fullTook) {
        ExpectSameBits(full, combined);
        EXPECT_EQ(combinedExtras.keys, fullExtras.keys);
        EXPECT_EQ(combinedExtras.designation, fullExtras.designation);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JsonReaders,
    testing::Values(
        ReaderCase{"PlainObject", R"({"Pitch": 1.5, "ThreadType": 2})", true},
        ReaderCase{"TightAndLooseBlanks", "\t{\"Pitch\":1.5 ,\r\"Starts\" : 2 } ", true},
        ReaderCase{"EmptyObject", "{}", true},
        ReaderCase{"NegativeZeroInteger", R"({"Pitch": -0})", true},
        ReaderCase{"NegativeZeroFraction", R"({"Pitch": -0.0})", true},
        ReaderCase{"ExponentForms", R"({"Pitch": 1E+2, "Force": 5e-1})", true},
        ReaderCase{"HugeInteger", R"({"Pitch": 123456789012345678901234567890})", true},
        ReaderCase{"Underflow", R"({"Pitch": 1e-400})", false},
        ReaderCase{"Subnormal", R"({"Pitch": 4.9e-324})", true},
        ReaderCase{"EscapedKey", R"({"Pi\u0074ch": 1})", false},
        ReaderCase{"LeadingZero", R"({"Pitch": 01})", false},
        ReaderCase{"BareFraction", R"({"Pitch": .5})", false},
        ReaderCase{"TrailingPoint", R"({"Pitch": 1.})", false},
        ReaderCase{"PlusSign", R"({"Pitch": +1})", false},
        ReaderCase{"Infinity", R"({"Pitch": Infinity})", false},
        ReaderCase{"ByteOrderMark", "\xEF\xBB\xBF{}", false},
        ReaderCase{"MissingClose", R"({"Pitch": 1)", false},
        ReaderCase{"TextAfterObject", R"({"Pitch": 1} x)", false},
        ReaderCase{"SelectorOutOfRange", R"({"MeasMode": 300})", false},
        ReaderCase{"Designation", R"({"Designation": "1/2-13 UNC-2A", "Pitch": 1})", true},
        ReaderCase{"DesignationWithMultiplicationSign",
                   "{\"Designation\": \"M10\xC3\x97"
                   "1.5\"}",
                   false},
        ReaderCase{"DesignationWithEscape", R"({"Designation": "M10\u00d71.5"})", false},
        ReaderCase{"DesignationNotText", R"({"Designation": 10})", false},
        ReaderCase{"Uncertainties", R"({"uGiven": 5e-4, "Pitch": 1, "uPitch": 0})", true},
        ReaderCase{"UncertaintyNotNumber", R"({"uPitch": "0.001"})", false},
        ReaderCase{"RepeatedExtraKey", R"({"uPitch": 1, "uPitch": 2})", false}),
    kthread::test::RowName());

TEST(JsonRecordWriter, WritesNonFiniteFieldsAsNull) {
    TPitchDiamData record{};
    record.Pitch = 1.5;
    record.PitchDiam = std::numeric_limits<double>::quiet_NaN();
    record.SizeOver = -std::numeric_limits<double>::infinity();
    std::string text;
    AppendJsonRecord(text, record, false);
    const json line = json::parse(text);
    EXPECT_TRUE(line.at("PitchDiam").is_null());
    EXPECT_TRUE(line.at("SizeOver").is_null());
    EXPECT_EQ(line.at("Pitch"), 1.5);
    EXPECT_EQ(line.at("ok"), false);
}

TEST(JsonRecordWriter, KeepsTheSignOfNegativeZero) {
    TPitchDiamData record{};
    record.DeformCorr = -0.0;
    std::string text;
    AppendJsonRecord(text, record, true);
    const double read = json::parse(text).at("DeformCorr").get<double>();
    EXPECT_TRUE(read == 0.0 && std::signbit(read));
}

} // namespace
} // namespace kthread::cli
