// What the numeric fields accept from the keyboard and from a paste.
#include "window/NumericInputRules.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

namespace kthread {
namespace {

struct TypedCase {
    const char* name;
    NumberKind kind;
    const char* text;
    int position;
    char typed;
    const char* separator;
    const char* expected; // nullptr: refused
};

class TypedCharacterTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedCharacterTest, AcceptsOrRefuses) {
    const TypedCase& c = GetParam();
    const std::optional<QString> result =
        TypedCharacter(c.kind, QString::fromLatin1(c.text), c.position, QLatin1Char(c.typed),
                       QString::fromLatin1(c.separator));
    if (c.expected == nullptr) {
        EXPECT_FALSE(result.has_value()) << "accepted " << result->toStdString();
    } else {
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, QString::fromLatin1(c.expected));
    }
}

constexpr auto kDec = NumberKind::Decimal;
constexpr auto kInt = NumberKind::Integer;

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedCharacterTest,
    ::testing::Values(TypedCase{"DigitInDecimal", kDec, "12", 2, '5', ".", "5"},
                      TypedCase{"DigitInInteger", kInt, "12", 1, '0', ".", "0"},
                      TypedCase{"LetterRefused", kDec, "12", 2, 'a', ".", nullptr},
                      TypedCase{"BlankRefused", kDec, "12", 2, ' ', ".", nullptr},
                      TypedCase{"PointBecomesComma", kDec, "12", 2, '.', ",", ","},
                      TypedCase{"CommaBecomesPoint", kDec, "12", 2, ',', ".", "."},
                      TypedCase{"SecondMarkRefused", kDec, "1.2", 3, ',', ".", nullptr},
                      TypedCase{"MarkInIntegerRefused", kInt, "12", 2, '.', ".", nullptr},
                      TypedCase{"MinusAtStart", kDec, "12", 0, '-', ".", "-"},
                      TypedCase{"MinusOnEmpty", kInt, "", 0, '-', ".", "-"},
                      TypedCase{"SecondLeadingMinusRefused", kDec, "-12", 0, '-', ".", nullptr},
                      TypedCase{"MinusInsideRefused", kDec, "12", 1, '-', ".", nullptr},
                      TypedCase{"MinusAfterExponent", kDec, "1e", 2, '-', ".", "-"},
                      TypedCase{"MinusAfterCapitalExponent", kDec, "1E", 2, '-', ".", "-"},
                      TypedCase{"ExponentLetterInDecimal", kDec, "1", 1, 'E', ".", "E"},
                      TypedCase{"ExponentLetterInIntegerRefused", kInt, "1", 1, 'e', ".", nullptr},
                      TypedCase{"PlusInDecimal", kDec, "", 0, '+', ".", "+"},
                      TypedCase{"PlusInIntegerRefused", kInt, "", 0, '+', ".", nullptr}),
    kthread::test::RowName());

struct PasteCase {
    const char* name;
    NumberKind kind;
    const char* pasted;
    const char* separator;
    const char* expected; // nullptr: refused
};

class NormalisedInputTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(NormalisedInputTest, KeepsPastedTextWithinTheRules) {
    const PasteCase& c = GetParam();
    const std::optional<QString> result =
        NormalisedInput(c.kind, QString::fromLatin1(c.pasted), QString::fromLatin1(c.separator));
    if (c.expected == nullptr) {
        EXPECT_FALSE(result.has_value()) << "accepted " << result->toStdString();
    } else {
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, QString::fromLatin1(c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, NormalisedInputTest,
    ::testing::Values(PasteCase{"OtherMarkMapped", kDec, "12,5", ".", "12.5"},
                      PasteCase{"BlanksDropped", kDec, " 12.5 ", ",", "12,5"},
                      PasteCase{"ExponentKept", kDec, "-1.5e-3", ".", "-1.5e-3"},
                      PasteCase{"ThousandsRefused", kDec, "1,234.5", ".", nullptr},
                      PasteCase{"WordRefused", kDec, "12 mm", ".", nullptr},
                      PasteCase{"TrailingMinusRefused", kDec, "12-", ".", nullptr},
                      PasteCase{"IntegerWithMarkRefused", kInt, "1.5", ".", nullptr},
                      PasteCase{"IntegerNegative", kInt, "-15", ".", "-15"}),
    kthread::test::RowName());

} // namespace
} // namespace kthread
