#include "engine/NumberText.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>

namespace kthread {
namespace {

struct FixedCase {
    const char* name;
    double value;
    int precision;
    int decimals;
    const char* expected;
};

class Fixed : public ::testing::TestWithParam<FixedCase> {};

TEST_P(Fixed, Formats) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Fixed,
    ::testing::Values(
        FixedCase{"PitchDiamToFiveDecimals", 18.700623, 8, 5, "18.70062"},
        FixedCase{"EightDigitsThenPadded", 12345.678901, 8, 5, "12345.67900"},
        FixedCase{"SignificantDigitsLimitDecimals", 1234.5678, 6, 5, "1234.57000"},
        FixedCase{"Zero", 0.0, 8, 5, "0.00000"}, FixedCase{"NegativeZero", -0.0, 8, 5, "0.00000"},
        FixedCase{"TinyRoundsToZero", 0.0000049, 8, 5, "0.00000"},
        FixedCase{"TinyNegativeRoundsToUnsignedZero", -0.0000049, 8, 5, "0.00000"},
        FixedCase{"Negative", -18.700623, 8, 5, "-18.70062"},
        FixedCase{"SmallValueKeepsItsDecimals", 0.001234, 3, 5, "0.00123"},
        FixedCase{"LeadInInches", 3.0 / 25.4, 8, 6, "0.118110"},
        FixedCase{"OptimumInInches", 0.8660254037844386 / 25.4, 8, 5, "0.03410"},
        FixedCase{"BinaryValueJustAboveHalfRoundsUp", 0.000005, 8, 5, "0.00001"},
        FixedCase{"BinaryValueJustBelowHalfRoundsDown", 2.675, 8, 2, "2.67"},
        FixedCase{"ExactBinaryTieGoesToEven", 0.015625, 8, 5, "0.01562"},
        FixedCase{"CarryIntoANewIntegerDigit", 99999.999996, 8, 5, "100000.00000"},
        FixedCase{"EightIntegerDigitsStayFixed", 12345678.4, 8, 5, "12345678.00000"},
        FixedCase{"NineIntegerDigitsTurnToExponent", 123456789.0, 8, 5, "1.2345679E+8"},
        FixedCase{"ElevenIntegerDigits", 12345678901.0, 8, 5, "1.2345679E+10"},
        FixedCase{"CarryIntoTheNinthDigit", 99999999.6, 8, 5, "1E+8"},
        FixedCase{"NegativeExponentForm", -12345678901.0, 8, 5, "-1.2345679E+10"},
        FixedCase{"NoDecimals", 18.7, 8, 0, "19"}, FixedCase{"NotANumber", NAN, 8, 5, "NAN"},
        FixedCase{"Infinity", -INFINITY, 8, 5, "-INF"}),
    kthread::test::RowName());

TEST(FixedText, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatFixed(18.700623, 8, 5, ','), "18,70062");
    EXPECT_EQ(FormatFixed(12345678901.0, 8, 5, ','), "1,2345679E+10");
    EXPECT_EQ(FormatFixed(0, 8, 6, ','), "0,000000");
}

struct GeneralCase {
    const char* name;
    double value;
    const char* expected;
};

class General : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(General, Formats) {
    EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, General,
    ::testing::Values(
        GeneralCase{"Tenth", 0.1, "0.1"}, GeneralCase{"Half", 12.5, "12.5"},
        GeneralCase{"Third", 1.0 / 3.0, "0.333333333333333"}, GeneralCase{"Hundred", 100.0, "100"},
        GeneralCase{"Zero", 0.0, "0"}, GeneralCase{"NegativeZero", -0.0, "0"},
        GeneralCase{"InchFactor", 2.54, "2.54"},
        GeneralCase{"MillimetresToInches", 0.866 / 25.4, "0.0340944881889764"},
        GeneralCase{"SumOfTenths", 0.1 + 0.2, "0.3"}, GeneralCase{"Negative", -2.5, "-2.5"},
        GeneralCase{"SmallestFixed", 0.0001, "0.0001"},
        GeneralCase{"LargestFixed", 999999999999999.0, "999999999999999"},
        GeneralCase{"RoundsUpToExponentForm", 999999999999999.9, "1E+15"},
        GeneralCase{"BelowTheFixedRange", 0.00001, "1E-5"},
        GeneralCase{"VerySmall", 1e-20, "1E-20"}, GeneralCase{"VeryLarge", 1.5e20, "1.5E+20"},
        GeneralCase{"NegativeVerySmall", -2.5e-7, "-2.5E-7"}),
    kthread::test::RowName());

TEST(GeneralText, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatGeneral(12.5, 15, ','), "12,5");
    EXPECT_EQ(FormatGeneral(1.5e20, 15, ','), "1,5E+20");
    EXPECT_EQ(FormatGeneral(100, 15, ','), "100");
}

double Parse(std::string text) {
    double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(res.ec, std::errc{}) << text;
    EXPECT_EQ(res.ptr, text.data() + text.size()) << text;
    return value;
}

// 15 significant digits rounded once from the exact value.
double RoundedToFifteenDigits(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    return Parse(std::string(buf, res.ptr));
}

// Digits from the first non-zero one to the last non-zero one (zeros that only place the
// decimal mark of a whole number do not count).
int SignificantDigits(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find('E')))
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t last = digits.find_last_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(last - first + 1);
}

// Any value, over the whole range: the text reads back to the value rounded to 15 digits,
// and one digit fewer would not.
TEST(GeneralText, ShortestTextThatReadsBackToFifteenDigits) {
    std::mt19937_64 rng(20240607);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        double value = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 3 == 0)
            value = std::round(value * 1000) / 1000; // short decimals, as typed
        if (i % 2 == 0)
            value = -value;
        const std::string text = FormatGeneral(value);
        ASSERT_EQ(Parse(text), RoundedToFifteenDigits(value)) << text;
        const int digits = SignificantDigits(text);
        ASSERT_LE(digits, 15) << text;
        if (digits > 1) {
            char buf[64];
            const auto res = std::to_chars(buf, buf + sizeof buf, RoundedToFifteenDigits(value),
                                           std::chars_format::scientific, digits - 2);
            ASSERT_NE(Parse(std::string(buf, res.ptr)), RoundedToFifteenDigits(value)) << text;
        }
    }
}

struct RoundCase {
    const char* name;
    double value;
    int decimals;
    double expected;
};

class HalfEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(HalfEven, Rounds) {
    EXPECT_EQ(RoundHalfEven(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, HalfEven,
                         ::testing::Values(RoundCase{"HalfDownToEven", 0.125, 2, 0.12},
                                           RoundCase{"HalfUpToEven", 0.375, 2, 0.38},
                                           RoundCase{"WholeHalfDown", 2.5, 0, 2.0},
                                           RoundCase{"WholeHalfUp", 3.5, 0, 4.0},
                                           RoundCase{"NegativeHalf", -2.5, 0, -2.0},
                                           RoundCase{"AboveHalf", 2.51, 0, 3.0},
                                           RoundCase{"BelowHalfInBinary", 1.005, 2, 1.0},
                                           RoundCase{"InchProbe", 0.866 / 25.4, 4, 0.0341},
                                           RoundCase{"AlreadyWhole", 1e300, 4, 1e300}),
                         kthread::test::RowName());

// The window runs with the user's locale; the texts follow the separator argument only.
class UserLocale : public ::testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(UserLocale, EnvironmentLocaleDoesNotChangeTheTexts) {
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
    EXPECT_EQ(FormatFixed(18.700623, 8, 5), "18.70062");
    EXPECT_EQ(FormatFixed(12345678901.0, 8, 5), "1.2345679E+10");
    EXPECT_EQ(FormatGeneral(12.5), "12.5");
    EXPECT_EQ(FormatGeneral(1.5e20), "1.5E+20");
}

TEST_F(UserLocale, CommaLocaleDoesNotChangeTheTexts) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FormatFixed(18.700623, 8, 5), "18.70062");
    EXPECT_EQ(FormatFixed(18.700623, 8, 5, ';'), "18;70062");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(1e-20), "1E-20");
}

} // namespace
} // namespace kthread
