#include "storage/catalog/CatalogSection.h"
#include "QtPrinters.h"
#include "support/TestNames.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

#include <cmath>
#include <optional>
#include <string>

namespace kthread {
namespace {

struct DecimalCase {
    std::string name;
    QString text;
    std::optional<double> expected;
};

class ParseDecimalTextTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTextTest, ReadsEitherMarkAndRejectsNonNumbers) {
    const DecimalCase& c = GetParam();
    const std::optional<double> parsed = ParseDecimalText(c.text);
    ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.text.toStdString();
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*parsed, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTextTest,
    ::testing::Values(DecimalCase{"CommaMark", "0,5", 0.5}, DecimalCase{"PointMark", "0.5", 0.5},
                      DecimalCase{"Blanks", "  2,25 ", 2.25}, DecimalCase{"Negative", "-1,5", -1.5},
                      DecimalCase{"Exponent", "1,5e-3", 0.0015}, DecimalCase{"Integer", "3", 3.0},
                      DecimalCase{"Empty", "", std::nullopt},
                      DecimalCase{"Letters", "abc", std::nullopt},
                      DecimalCase{"TwoMarks", "1,000.5", std::nullopt},
                      DecimalCase{"TrailingGarbage", "1.5mm", std::nullopt},
                      DecimalCase{"NotANumber", "nan", std::nullopt},
                      DecimalCase{"Infinity", "inf", std::nullopt},
                      DecimalCase{"Overflow", "1e400", std::nullopt},
                      DecimalCase{"Hexadecimal", "0x10", std::nullopt}),
    kthread::test::RowName());

TEST(DecimalSeparatorOfTest, FollowsLocaleAndFallsBackToPoint) {
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
    EXPECT_EQ(DecimalSeparatorOf(QLocale::c()), '.');
    // Arabic uses its own separator, which the loader would not read back.
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), '.');
}

struct SectionCase {
    std::string name;
    SectionEntries entries;
    std::vector<double> expected;
};

class ParseCatalogSectionTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ParseCatalogSectionTest, GivesDiametersInKeyOrder) {
    EXPECT_EQ(ParseCatalogSection(GetParam().entries), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ParseCatalogSectionTest,
    ::testing::Values(
        SectionCase{"KeysInFileOrderUnsorted",
                    {{"COUNT", "3"}, {"D1", "2"}, {"D2", "0.5"}, {"D3", "1"}},
                    {2.0, 0.5, 1.0}},
        SectionCase{"KeysReadByNumberNotFilePosition",
                    {{"D2", "2"}, {"COUNT", "2"}, {"D1", "1"}},
                    {1.0, 2.0}},
        SectionCase{
            "CommaWrittenEntries", {{"COUNT", "2"}, {"D1", "0,5"}, {"D2", "1,25"}}, {0.5, 1.25}},
        // Without a usable COUNT the keys present are read, so that an edit cannot write over
        // D1 and lose the others.
        SectionCase{"MissingCountReadsEveryKey", {{"D1", "1"}, {"D2", "2"}}, {1.0, 2.0}},
        SectionCase{"NegativeCountReadsEveryKey", {{"COUNT", "-1"}, {"D1", "1"}}, {1.0}},
        SectionCase{"CountNotWholeNumberReadsEveryKey", {{"COUNT", "2.5"}, {"D1", "1"}}, {1.0}},
        SectionCase{"CountInWordsReadsEveryKey",
                    {{"COUNT", "three"}, {"D1", "1"}, {"D2", "2"}, {"D3", "3"}},
                    {1.0, 2.0, 3.0}},
        SectionCase{"CountBeyondEveryIntegerReadsEveryKey",
                    {{"COUNT", "99999999999999999999999"}, {"D1", "1"}, {"D3", "3"}},
                    {1.0, 0.0, 3.0}},
        SectionCase{"ZeroCountIsEmpty", {{"COUNT", "0"}, {"D1", "1"}}, {}},
        SectionCase{"KeysAboveCountUnread",
                    {{"COUNT", "2"}, {"D1", "1"}, {"D2", "2"}, {"D3", "3"}, {"D4", "4"}},
                    {1.0, 2.0}},
        SectionCase{"MissingKeyInsideCountIsZero",
                    {{"COUNT", "3"}, {"D1", "1"}, {"D3", "3"}},
                    {1.0, 0.0, 3.0}},
        SectionCase{"GarbageEntrySkipped",
                    {{"COUNT", "3"}, {"D1", "1"}, {"D2", "abc"}, {"D3", "3"}},
                    {1.0, 3.0}},
        SectionCase{"EmptyEntrySkipped", {{"COUNT", "2"}, {"D1", ""}, {"D2", "2"}}, {2.0}},
        SectionCase{"HugeCountStopsAtHighestKey",
                    {{"COUNT", "2000000000"}, {"D1", "1"}, {"D2", "2"}, {"D3", "3"}},
                    {1.0, 2.0, 3.0}},
        SectionCase{"CountBeyondIntRange", {{"COUNT", "99999999999"}, {"D1", "1"}}, {1.0}},
        SectionCase{"NamesWithoutCase", {{"count", "2"}, {"d1", "1"}, {"d2", "2"}}, {1.0, 2.0}},
        SectionCase{
            "FirstOfDuplicateKeysCounts", {{"COUNT", "1"}, {"D1", "1"}, {"D1", "9"}}, {1.0}},
        SectionCase{"LeadingZeroIsAnotherKey", {{"COUNT", "1"}, {"D01", "5"}}, {}},
        SectionCase{"OtherKeysIgnored",
                    {{"COUNT", "1"}, {"DX", "5"}, {"D1", "1"}, {"Name", "wires"}},
                    {1.0}}),
    kthread::test::RowName());

TEST(ParseCatalogSectionLimits, FarKeyMakesOnlyBoundedZeroRows) {
    const SectionEntries entries = {{"COUNT", "2000000000"}, {"D1", "1"}, {"D1999999999", "2"}};
    const std::vector<double> diameters = ParseCatalogSection(entries);
    ASSERT_EQ(diameters.size(), static_cast<std::size_t>(kMaxMissingKeyRows) + 2);
    EXPECT_EQ(diameters.front(), 1.0);
    EXPECT_EQ(diameters.back(), 2.0);
    EXPECT_EQ(diameters[1], 0.0);
}

TEST(CatalogSectionUnreadTexts, EntriesThatAreNoNumberSurviveAWriteBack) {
    const SectionEntries stored = {
        {"COUNT", "4"}, {"D1", "2"}, {"D2", "wire set B"}, {"D3", " "}, {"D4", "0,5"}};
    const CatalogSectionContent content = ReadCatalogSection(stored);
    EXPECT_EQ(content.diameters, (std::vector<double>{2.0, 0.5}));
    EXPECT_EQ(content.unreadTexts, QStringList{"wire set B"}) << "a blank entry is no text";

    const SectionEntries written = FormatCatalogSection({0.5, 2.0, 3.0}, '.', content.unreadTexts);
    const SectionEntries expected = {
        {"COUNT", "4"}, {"D1", "0.5"}, {"D2", "2"}, {"D3", "3"}, {"D4", "wire set B"}};
    EXPECT_EQ(written, expected);
    const CatalogSectionContent reread = ReadCatalogSection(written);
    EXPECT_EQ(reread.diameters, (std::vector<double>{0.5, 2.0, 3.0}));
    EXPECT_EQ(reread.unreadTexts, content.unreadTexts);
}

TEST(FormatCatalogSectionTest, WritesCountThenKeysWithSeparator) {
    const SectionEntries comma = FormatCatalogSection({0.5, 1.0, 2.54}, ',');
    const SectionEntries expectedComma = {
        {"COUNT", "3"}, {"D1", "0,5"}, {"D2", "1"}, {"D3", "2,54"}};
    EXPECT_EQ(comma, expectedComma);
    const SectionEntries point = FormatCatalogSection({0.5}, '.');
    const SectionEntries expectedPoint = {{"COUNT", "1"}, {"D1", "0.5"}};
    EXPECT_EQ(point, expectedPoint);
    const SectionEntries none = FormatCatalogSection({}, '.');
    const SectionEntries expectedNone = {{"COUNT", "0"}};
    EXPECT_EQ(none, expectedNone);
}

TEST(FormatCatalogSectionTest, ReadsBackWhatItWrites) {
    const std::vector<double> diameters = {0.1, 1.0 / 3.0, 123456.789012345, 1e-20, 2.54};
    for (const char separator : {'.', ','}) {
        const std::vector<double> reread =
            ParseCatalogSection(FormatCatalogSection(diameters, separator));
        ASSERT_EQ(reread.size(), diameters.size());
        for (std::size_t i = 0; i < diameters.size(); ++i) {
            // 15 significant digits survive.
            EXPECT_NEAR(reread[i], diameters[i], std::abs(diameters[i]) * 1e-14)
                << "separator " << separator << " row " << i;
        }
    }
}

TEST(FormatCatalogSectionTest, LargestDiameterIsNotLostOnReadBack) {
    // 15 digits of the largest double round up to a text that overflows when read.
    const std::vector<double> diameters = {std::numeric_limits<double>::max(), 1.5};
    for (const char separator : {'.', ','}) {
        const std::vector<double> reread =
            ParseCatalogSection(FormatCatalogSection(diameters, separator));
        EXPECT_EQ(reread, diameters) << "separator " << separator;
    }
}

} // namespace
} // namespace kthread
