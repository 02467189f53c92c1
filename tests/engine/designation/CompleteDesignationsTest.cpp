// The candidate list for a typed prefix.
#include "engine/designation/Designation.h"
#include "engine/designation/DesignationCatalogue.h"
#include "support/TestNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kthread::designation {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct PrefixCase {
    const char* name;
    const char* typed;
    std::size_t max;
    std::vector<std::string> expected;
};

class Completion : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(Completion, GivesTheCandidatesInOrder) {
    const PrefixCase& c = GetParam();
    EXPECT_THAT(CompleteDesignations(c.typed, c.max), ElementsAreArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, Completion,
    ::testing::Values(
        PrefixCase{"DiameterCoarseFirstThenFineLargestFirst",
                   "M10",
                   5,
                   {"M10x1.5", "M10x1.25", "M10x1", "M10x0.75", "M100x6"}},
        PrefixCase{"WholeSizeThenItsClassesDefaultsFirst",
                   "M10x1.5",
                   4,
                   {"M10x1.5", "M10x1.5-6g", "M10x1.5-6H", "M10x1.5-6h"}},
        PrefixCase{"IntoTheClass", "M10x1.5-6", 3, {"M10x1.5-6g", "M10x1.5-6H", "M10x1.5-6h"}},
        PrefixCase{
            "GradeFiveBothSides", "m10x1.5-5", 4, {"M10x1.5-5g6g", "M10x1.5-5H", "M10x1.5-5G"}},
        PrefixCase{"TypedSpellingIsIgnored", "m 10 X 1,2", 3, {"M10x1.25"}},
        PrefixCase{"FinePitchWithoutPositionE",
                   "M3x0.35-6",
                   10,
                   {"M3x0.35-6g", "M3x0.35-6H", "M3x0.35-6h", "M3x0.35-6f", "M3x0.35-6G"}},
        PrefixCase{"UnifiedFractionStandardSeriesFirst",
                   "1/2",
                   5,
                   {"1/2-13 UNC", "1/2-20 UNF", "1/2-28 UNEF", "1/2-32 UN"}},
        PrefixCase{"UnifiedClasses",
                   "1/2-13 UNC-",
                   6,
                   {"1/2-13 UNC-2A", "1/2-13 UNC-2B", "1/2-13 UNC-3A", "1/2-13 UNC-3B",
                    "1/2-13 UNC-1A", "1/2-13 UNC-1B"}},
        PrefixCase{"NoClassOneForExtraFine",
                   "1/2-28 UNEF-",
                   6,
                   {"1/2-28 UNEF-2A", "1/2-28 UNEF-2B", "1/2-28 UNEF-3A", "1/2-28 UNEF-3B"}},
        PrefixCase{"NumberSizeWithoutHash", "10-", 3, {"#10-24 UNC", "#10-32 UNF"}},
        PrefixCase{
            "MixedNumberWithDash", "1-1/4-1", 3, {"1 1/4-12 UNF", "1 1/4-18 UNEF", "1 1/4-16 UN"}},
        PrefixCase{"Trapezoidal", "tr 24", 3, {"Tr 24x5", "Tr 24x3", "Tr 24x8"}},
        PrefixCase{"TrapezoidalClasses",
                   "Tr 24x5-",
                   7,
                   {"Tr 24x5-7e", "Tr 24x5-7H", "Tr 24x5-8e", "Tr 24x5-8H", "Tr 24x5-8c",
                    "Tr 24x5-9c", "Tr 24x5-9H"}},
        PrefixCase{"NothingMatches", "Q", 5, {}},
        PrefixCase{"NoClassAfterWrongPitch", "M10x1.4-", 5, {}}, PrefixCase{"MaxZero", "M", 0, {}}),
    kthread::test::RowName());

TEST(Completion, EmptyPrefixStartsWithTheSmallestMetricSize) {
    EXPECT_THAT(CompleteDesignations("", 2), ElementsAre("M1x0.25", "M1x0.2"));
}

TEST(Completion, EveryCandidateParsesToItself) {
    for (const char* prefix : {"M", "#", "1", "2", "3", "4", "5", "6", "7", "8", "9", "Tr"}) {
        for (const std::string& text : CompleteDesignations(prefix, 100000)) {
            ParseResult r = ParseDesignation(text);
            const Designation* d = ParsedDesignation(r);
            ASSERT_NE(d, nullptr) << text << ": " << ParsedError(r)->message;
            // Candidates without a class get the default class appended.
            EXPECT_EQ(CompletionKey(d->text).rfind(CompletionKey(text), 0), 0u) << text;
        }
    }
}

TEST(Completion, ClassCandidatesParse) {
    for (const char* prefix : {"M3x0.35", "M10x1.5", "M100x6", "1/2-13 UNC", "Tr 40x7"}) {
        for (const std::string& text : CompleteDesignations(prefix, 100)) {
            ParseResult r = ParseDesignation(text);
            const Designation* d = ParsedDesignation(r);
            ASSERT_NE(d, nullptr) << text;
        }
    }
}

TEST(Completion, UnknownPrefixGivesNothing) {
    EXPECT_THAT(CompleteDesignations("M13", 10), IsEmpty());
}

} // namespace
} // namespace kthread::designation
