// The numeric fields' reading rule and the written number texts, under a "." and a "," locale.
#include "window/NumberTexts.h"

#include "support/LocaleGuard.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace kthread {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double expected;
};

class ReadNumberTextTest
    : public ::testing::TestWithParam<std::tuple<ReadCase, QLocale::Language>> {
protected:
    test::LocaleGuard m_locale{QLocale(std::get<1>(GetParam()))};
};

TEST_P(ReadNumberTextTest, ReadsWhateverTheLocale) {
    const ReadCase& c = std::get<0>(GetParam());
    EXPECT_DOUBLE_EQ(ReadNumberText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTextTest,
    ::testing::Combine(
        ::testing::Values(ReadCase{"PointMark", "12.5", 12.5}, ReadCase{"CommaMark", "12,5", 12.5},
                          ReadCase{"Empty", "", 0}, ReadCase{"LoneMinus", "-", 0},
                          ReadCase{"NoNumber", "abc", 0}, ReadCase{"TwoMarks", "1.2,5", 0},
                          ReadCase{"Negative", "-3,25", -3.25}, ReadCase{"Plus", "+7", 7},
                          ReadCase{"Exponent", "1,5E3", 1500},
                          ReadCase{"SmallExponent", "2e-2", 0.02},
                          ReadCase{"AboveAnyLimit", "150", 150}, ReadCase{"Overflow", "1e999", 0},
                          ReadCase{"Infinity", "inf", 0}, ReadCase{"NotANumber", "nan", 0},
                          ReadCase{"TrailingMark", "5.", 5}),
        ::testing::Values(QLocale::English, QLocale::German)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == QLocale::German ? "_Comma" : "_Point");
    });

class WrittenTextTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    test::LocaleGuard m_locale{QLocale(GetParam())};
    QString local(const char* text) const {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
};

TEST_P(WrittenTextTest, FixedTextUsesEightDigitsAndTheLocaleMark) {
    EXPECT_EQ(FixedText(18.700623, 5), local("18.70062"));
    EXPECT_EQ(FixedText(3.0 / 25.4, 6), local("0.118110"));
    EXPECT_EQ(FixedText(0, 5), local("0.00000"));
    EXPECT_EQ(FixedText(12345.678901, 5), local("12345.67900"));
}

TEST_P(WrittenTextTest, GeneralTextIsShortest) {
    EXPECT_EQ(GeneralText(0.3), local("0.3"));
    EXPECT_EQ(GeneralText(100), local("100"));
    EXPECT_EQ(GeneralText(0.05906), local("0.05906"));
}

TEST_P(WrittenTextTest, WrittenTextReadsBackToFifteenDigits) {
    for (const double value : {0.866 / 25.4, 1.0 / 3.0, 2.54, 4000.0, 1e-20}) {
        EXPECT_NEAR(ReadNumberText(GeneralText(value)), value, value * 1e-14);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, WrittenTextTest,
                         ::testing::Values(QLocale::English, QLocale::German),
                         [](const auto& info) {
                             return info.param == QLocale::German ? "Comma" : "Point";
                         });

} // namespace
} // namespace kthread
