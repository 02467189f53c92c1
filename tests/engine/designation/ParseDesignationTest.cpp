// The spellings people type, and the refusals that name what is wrong.
#include "engine/designation/Designation.h"
#include "engine/designation/ThreadLimits.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <string>

namespace kthread::designation {
namespace {

struct AcceptedCase {
    const char* name;
    const char* typed;
    Side unstated;
    const char* canonical;
    Side side;
    int starts;
};

class AcceptedSpelling : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedSpelling, ParsesToTheCanonicalDesignation) {
    const AcceptedCase& c = GetParam();
    ParseResult r = ParseDesignation(c.typed, c.unstated);
    const Designation* d = ParsedDesignation(r);
    ASSERT_NE(d, nullptr) << ParsedError(r)->message;
    EXPECT_EQ(d->text, c.canonical);
    EXPECT_EQ(d->side, c.side);
    EXPECT_EQ(d->starts, c.starts);
    // The canonical text reads back to the same designation.
    ParseResult reparsed = ParseDesignation(d->text, c.unstated);
    const Designation* again = ParsedDesignation(reparsed);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->text, d->text);
    EXPECT_TRUE(ThreadLimitsOf(*d).has_value());
}

constexpr Side kExt = Side::External;
constexpr Side kInt = Side::Internal;

INSTANTIATE_TEST_SUITE_P(
    Spellings, AcceptedSpelling,
    ::testing::Values(
        AcceptedCase{"CoarseWithoutPitchOrClass", "M10", kExt, "M10x1.5-6g", kExt, 1},
        AcceptedCase{"NoClassOnInternalSide", "M10", kInt, "M10x1.5-6H", kInt, 1},
        AcceptedCase{"FinePitch", "M10x1.25", kExt, "M10x1.25-6g", kExt, 1},
        AcceptedCase{"FullDesignation", "M10x1.5-6g", kExt, "M10x1.5-6g", kExt, 1},
        AcceptedCase{"InternalClassWins", "M10-6H", kExt, "M10x1.5-6H", kInt, 1},
        AcceptedCase{"ExternalClassWins", "M10-6g", kInt, "M10x1.5-6g", kExt, 1},
        AcceptedCase{"PitchAndCrestClass", "M20x2-5g6g", kExt, "M20x2-5g6g", kExt, 1},
        AcceptedCase{"MultiStartMetric", "M16xPh3P1.5", kExt, "M16xPh3P1.5-6g", kExt, 2},
        AcceptedCase{"Blanks", " M 10 x 1.5 - 6g ", kExt, "M10x1.5-6g", kExt, 1},
        AcceptedCase{"CapitalX", "M10X1.25", kExt, "M10x1.25-6g", kExt, 1},
        AcceptedCase{"MultiplicationSign",
                     "M10\xC3\x97"
                     "1.25",
                     kExt, "M10x1.25-6g", kExt, 1},
        AcceptedCase{"DecimalComma", "M10x1,25-6H", kExt, "M10x1.25-6H", kInt, 1},
        AcceptedCase{"LowerCaseFamily", "m8", kExt, "M8x1.25-6g", kExt, 1},
        AcceptedCase{"ClassAfterBlank", "M8 6g", kExt, "M8x1.25-6g", kExt, 1},
        AcceptedCase{"LeftHand", "M12x1.5-6g-LH", kExt, "M12x1.5-6g-LH", kExt, 1},
        AcceptedCase{"DecimalDiameter", "M1.6", kExt, "M1.6x0.35-6g", kExt, 1},
        AcceptedCase{"UnifiedCoarse", "1/2-13 UNC-2A", kExt, "1/2-13 UNC-2A", kExt, 1},
        AcceptedCase{"UnifiedWithoutBlank", "1/2-13UNC-2B", kExt, "1/2-13 UNC-2B", kInt, 1},
        AcceptedCase{"UnifiedNumberSize", "#10-32 UNF-3B", kExt, "#10-32 UNF-3B", kInt, 1},
        AcceptedCase{"NumberSizeWithoutHash", "10-32 UNF", kExt, "#10-32 UNF-2A", kExt, 1},
        AcceptedCase{"DecimalInchSize", "0.250-28 UNF-2A", kExt, "1/4-28 UNF-2A", kExt, 1},
        AcceptedCase{"DecimalInchWithoutZero", ".250-20 UNC", kInt, "1/4-20 UNC-2B", kInt, 1},
        AcceptedCase{"SeriesInferred", "1/2-20", kExt, "1/2-20 UNF-2A", kExt, 1},
        AcceptedCase{"ThreadCountInferred", "3/8 UNC", kExt, "3/8-16 UNC-2A", kExt, 1},
        AcceptedCase{"MixedNumberWithBlank", "1 1/4-7 UNC-1A", kExt, "1 1/4-7 UNC-1A", kExt, 1},
        AcceptedCase{"MixedNumberWithDash", "1-1/4-12 UNF", kExt, "1 1/4-12 UNF-2A", kExt, 1},
        AcceptedCase{"WholeInchNotNumberSize", "1-8 UNC", kExt, "1-8 UNC-2A", kExt, 1},
        AcceptedCase{"ConstantPitch", "2-8 UN-2A", kExt, "2-8 UN-2A", kExt, 1},
        AcceptedCase{"ConstantPitchInferred", "1 1/2-16", kExt, "1 1/2-16 UN-2A", kExt, 1},
        AcceptedCase{"ExtraFine", "1/2-28 UNEF-3A", kExt, "1/2-28 UNEF-3A", kExt, 1},
        AcceptedCase{"UnifiedClassLowerCase", "1/4-20 unc 2b", kExt, "1/4-20 UNC-2B", kInt, 1},
        AcceptedCase{"Trapezoidal", "Tr 24x5-7e", kExt, "Tr 24x5-7e", kExt, 1},
        AcceptedCase{"TrapezoidalDefaultInternal", "Tr24x5", kInt, "Tr 24x5-7H", kInt, 1},
        AcceptedCase{"TrapezoidalMultiStart", "Tr 40x14(P7)-8e", kExt, "Tr 40x14(P7)-8e", kExt, 2},
        AcceptedCase{"TrapezoidalPitchWithoutParens", "TR 40 x 14 P7 8H", kExt, "Tr 40x14(P7)-8H",
                     kInt, 2},
        AcceptedCase{"TrapezoidalLeftHandBeforeClass", "Tr 40x7LH-7e", kExt, "Tr 40x7-7e-LH", kExt,
                     1},
        AcceptedCase{"TrapezoidalCoarseClass", "Tr 24x5-9c", kExt, "Tr 24x5-9c", kExt, 1}),
    kthread::test::RowName());

// A count of digits beyond the range of any number.
const std::string kHugeNumber(400, '9');
const std::string kHugeFraction = kHugeNumber + "/" + kHugeNumber;
const std::string kHugeNumberSize = "#" + kHugeNumber;
const std::string kHugeMetric = "M" + kHugeNumber;

struct RefusedCase {
    const char* name;
    const char* typed;
    ParseErrorKind kind;
    const char* offending;
};

class RefusedSpelling : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSpelling, NamesWhatIsWrong) {
    const RefusedCase& c = GetParam();
    ParseResult r = ParseDesignation(c.typed);
    const ParseError* e = ParsedError(r);
    ASSERT_NE(e, nullptr) << ParsedDesignation(r)->text;
    EXPECT_EQ(e->kind, c.kind) << e->message;
    EXPECT_EQ(e->offending, c.offending) << e->message;
    EXPECT_FALSE(e->message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedSpelling,
    ::testing::Values(
        RefusedCase{"Empty", "", ParseErrorKind::Empty, ""},
        RefusedCase{"OnlyBlanks", "   ", ParseErrorKind::Empty, ""},
        RefusedCase{"UnknownFamily", "G1/2", ParseErrorKind::UnknownFamily, "G"},
        RefusedCase{"UnknownUnifiedSeries", "1/2-13 UNX", ParseErrorKind::UnknownFamily, "UNX"},
        RefusedCase{"MetricWithoutDiameter", "M", ParseErrorKind::UnknownFamily, "M"},
        RefusedCase{"DiameterNotInSeries", "M13", ParseErrorKind::UnknownSize, "13"},
        RefusedCase{"DiameterWithTooManyDigits", "M10.0001", ParseErrorKind::UnknownSize,
                    "10.0001"},
        RefusedCase{"PitchNotInSeries", "M10x1.4", ParseErrorKind::PitchNotInSeries, "1.4"},
        RefusedCase{"FinePitchOfAnotherSize", "M6x0.5", ParseErrorKind::PitchNotInSeries, "0.5"},
        RefusedCase{"NoCoarsePitch", "M5.5", ParseErrorKind::PitchNotInSeries, "M5.5"},
        RefusedCase{"PitchNotANumber", "M10xabc", ParseErrorKind::MalformedNumber, "abc"},
        RefusedCase{"LeadNotMultiple", "M16xPh2.5P1.5", ParseErrorKind::LeadNotMultiple, "2.5"},
        RefusedCase{"GradeNotDefined", "M10-2g", ParseErrorKind::ClassNotAllowed, "2g"},
        RefusedCase{"InternalGradeNine", "M10-9H", ParseErrorKind::ClassNotAllowed, "9H"},
        RefusedCase{"PositionNotDefinedForFinePitch", "M3x0.35-6e", ParseErrorKind::ClassNotAllowed,
                    "6e"},
        RefusedCase{"UnknownPosition", "M10-6k", ParseErrorKind::ClassNotAllowed, "6k"},
        RefusedCase{"MixedSides", "M10-6g6H", ParseErrorKind::MalformedClass, "6g6H"},
        RefusedCase{"ClassWithoutGrade", "M10-g", ParseErrorKind::UnexpectedText, "g"},
        RefusedCase{"DashWithoutClass", "M10-", ParseErrorKind::MalformedClass, "-"},
        RefusedCase{"TextAfterClass", "M10-6g foo", ParseErrorKind::UnexpectedText, "foo"},
        RefusedCase{"UnifiedSizeUnknown", "5/32-32 UNC", ParseErrorKind::UnknownSize, "5/32"},
        RefusedCase{"UnifiedThreadCountWrong", "1/2-14 UNC", ParseErrorKind::PitchNotInSeries,
                    "14"},
        RefusedCase{"NotAConstantPitchSize", "1/4-8 UN", ParseErrorKind::PitchNotInSeries, "8"},
        RefusedCase{"ConstantPitchThatIsCoarse", "1-8 UN", ParseErrorKind::PitchNotInSeries, "8"},
        RefusedCase{"UnifiedClassFour", "1/2-13 UNC-4A", ParseErrorKind::ClassNotAllowed, "4A"},
        RefusedCase{"UnifiedClassLetter", "1/2-13 UNC-2C", ParseErrorKind::MalformedClass, "2C"},
        RefusedCase{"ClassOneOnExtraFine", "1/2-28 UNEF-1A", ParseErrorKind::ClassNotAllowed, "1A"},
        RefusedCase{"TrapezoidalWithoutPitch", "Tr 24", ParseErrorKind::MalformedNumber, ""},
        RefusedCase{"TrapezoidalSizeUnknown", "Tr 23x5", ParseErrorKind::UnknownSize, "23"},
        RefusedCase{"TrapezoidalPitchNotInSeries", "Tr 24x4", ParseErrorKind::PitchNotInSeries,
                    "4"},
        RefusedCase{"TrapezoidalLeadNotMultiple", "Tr 40x15(P7)", ParseErrorKind::LeadNotMultiple,
                    "15"},
        RefusedCase{"TrapezoidalClassNotRecommended", "Tr 24x5-7c", ParseErrorKind::ClassNotAllowed,
                    "7c"},
        RefusedCase{"TrapezoidalMetricClass", "Tr 24x5-6g", ParseErrorKind::ClassNotAllowed, "6g"},
        // Digits beyond the range of any number are a size that does not exist, not a crash.
        RefusedCase{"UnifiedFractionOfHugeNumbers", kHugeFraction.c_str(),
                    ParseErrorKind::UnknownSize, kHugeFraction.c_str()},
        RefusedCase{"UnifiedHugeWholeInches", kHugeNumber.c_str(), ParseErrorKind::UnknownSize,
                    kHugeNumber.c_str()},
        RefusedCase{"UnifiedHugeNumberSize", kHugeNumberSize.c_str(), ParseErrorKind::UnknownSize,
                    kHugeNumberSize.c_str()},
        RefusedCase{"MetricHugeDiameter", kHugeMetric.c_str(), ParseErrorKind::UnknownSize,
                    kHugeNumber.c_str()}),
    kthread::test::RowName());

TEST(ParseDesignationMessage, ListsTheSeriesPitches) {
    ParseResult r = ParseDesignation("M10x1.4");
    const ParseError* e = ParsedError(r);
    ASSERT_NE(e, nullptr);
    EXPECT_NE(e->message.find("1.5, 1.25, 1, 0.75"), std::string::npos) << e->message;
}

TEST(ParseDesignationMessage, NamesTheStandardSeriesOfAConstantPitchSpelling) {
    ParseResult r = ParseDesignation("1-8 UN");
    const ParseError* e = ParsedError(r);
    ASSERT_NE(e, nullptr);
    EXPECT_NE(e->message.find("UNC"), std::string::npos) << e->message;
}

} // namespace
} // namespace kthread::designation
