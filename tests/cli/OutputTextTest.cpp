// Number and message writers shared by the batch formats.
#include "cli/OutputText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace kthread::cli {
namespace {

double ReadBack(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

TEST(AppendShortest, EveryFiniteDoubleReadsBackToTheSameBits) {
    std::mt19937_64 random(7);
    std::vector<double> values{0.0,
                               -0.0,
                               0.1,
                               18.70062,
                               1e22,
                               1e-300,
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::lowest()};
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (const double value : values) {
        std::string text;
        AppendShortest(text, value);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ReadBack(text)), std::bit_cast<std::uint64_t>(value))
            << text;
    }
}

TEST(AppendShortest, WritesNegativeZeroWithADecimalPoint) {
    std::string text;
    AppendShortest(text, -0.0);
    EXPECT_EQ(text, "-0.0");
}

TEST(QuoteInput, EscapesEverythingOutsidePrintableAsciiAndCutsLongText) {
    EXPECT_EQ(QuoteInput("ab\"c\\\x01\xC3\xA9"), "\"ab\\x22c\\x5C\\x01\\xC3\\xA9\"");
    const std::string quoted = QuoteInput(std::string(100, 'x'));
    EXPECT_EQ(quoted, "\"" + std::string(40, 'x') + "\"...");
}

TEST(EchoInput, EscapesLikeQuoteInputButKeepsQuotesAndCutsLongText) {
    EXPECT_EQ(EchoInput("1.5\"\x7F"), "1.5\"\\x7F");
    EXPECT_EQ(EchoInput(std::string(40, '9')), std::string(40, '9'));
    EXPECT_EQ(EchoInput(std::string(41, '9')), std::string(40, '9') + "...");
}

TEST(AppendJsonEscaped, EscapesQuotesBackslashesAndControlCharacters) {
    std::string text;
    AppendJsonEscaped(text, "a\"b\\c\n\x1F");
    EXPECT_EQ(text, "a\\\"b\\\\c\\u000a\\u001f");
}

TEST(AppendCsvQuoted, DoublesInnerQuotes) {
    std::string text;
    AppendCsvQuoted(text, "say \"hi\", then go");
    EXPECT_EQ(text, "\"say \"\"hi\"\", then go\"");
}

} // namespace
} // namespace kthread::cli
