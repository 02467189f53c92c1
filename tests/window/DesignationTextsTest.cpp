// The designation's texts and numbers as the window writes them: the English wording behind a
// table without the texts, the parse errors by kind, the limits, margins and reading windows in
// either unit and decimal separator, the verdict by side, and the type-ahead list.
#include "window/DesignationTexts.h"
#include "engine/designation/DesignationCatalogue.h"
#include "lang/LanguageTable.h"
#include "support/LocaleGuard.h"
#include "window/DesignationCompleter.h"
#include "window/DesignationDisplay.h"
#include "window/PitchDiamVerdict.h"

#include <QDir>
#include <QSet>
#include <QStringListModel>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kthread {
namespace {

using designation::ParsedDesignation;
using designation::ParsedError;
using designation::ParseDesignation;
using designation::ThreadLimits;
using designation::ThreadLimitsOf;

ThreadLimits LimitsOf(const char* text) {
    const designation::ParseResult parsed = ParseDesignation(text);
    const designation::Designation* d = ParsedDesignation(parsed);
    if (d == nullptr) {
        ADD_FAILURE() << text << " does not parse";
        return {};
    }
    const std::optional<ThreadLimits> limits = ThreadLimitsOf(*d);
    if (!limits) {
        ADD_FAILURE() << text << " has no limits";
        return {};
    }
    return *limits;
}

std::vector<DesignationText> AllTexts() {
    std::vector<DesignationText> texts;
    for (int n = kFirstDesignationText; n <= kLastDesignationText; ++n) {
        texts.push_back(static_cast<DesignationText>(n));
    }
    return texts;
}

TEST(DesignationTexts, TheShippedEnglishFileHasTheWordingUsedWithoutOne) {
    const QString file =
        QDir(QStringLiteral(KTHREAD_LANGUAGES_FOLDER)).filePath(QStringLiteral("english_uk.lng"));
    ASSERT_TRUE(LoadLanguageFile(file));
    for (const DesignationText text : AllTexts()) {
        EXPECT_EQ(LangText(static_cast<int>(text)), EnglishTextOf(text))
            << "text " << static_cast<int>(text);
    }
    // The built-in table has none of them; the window then shows the English wording.
    ASSERT_TRUE(LoadBuiltInLanguage());
    for (const DesignationText text : AllTexts()) {
        EXPECT_TRUE(LangText(static_cast<int>(text)).isEmpty());
        EXPECT_EQ(TextOf(text), EnglishTextOf(text));
    }
}

TEST(DesignationTexts, ATranslationWins) {
    LoadLanguageBytes(QByteArrayLiteral("0001=x\r\n0113=Untermaß\r\n"));
    EXPECT_EQ(TextOf(DesignationText::Undersize), QStringLiteral("Untermaß"));
    EXPECT_EQ(TextOf(DesignationText::Oversize), QStringLiteral("oversize"));
    ASSERT_TRUE(LoadBuiltInLanguage());
}

struct RefusalCase {
    const char* typed;
    DesignationText text;
    const char* shown;
};

class ParseErrorTextTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ParseErrorTextTest, NamesTheKindAndTheWrongPart) {
    ASSERT_TRUE(LoadBuiltInLanguage());
    const RefusalCase& c = GetParam();
    const designation::ParseResult parsed = ParseDesignation(c.typed);
    const designation::ParseError* error = ParsedError(parsed);
    ASSERT_NE(error, nullptr) << c.typed;
    EXPECT_EQ(ParseErrorText(*error, QString::fromUtf8(c.typed)).toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ParseErrorTextTest,
    ::testing::Values(
        RefusalCase{"Q7", DesignationText::UnknownFamily, "Not a known thread designation: Q"},
        RefusalCase{"M10x1.4", DesignationText::PitchNotInSeries,
                    "Pitch not in the series for this diameter: 1.4"},
        RefusalCase{"M10x1.5-3H", DesignationText::ClassNotAllowed,
                    "Tolerance class not defined for this thread: 3H"},
        RefusalCase{"M10-6g junk", DesignationText::UnexpectedText,
                    "Unexpected text after the designation: junk"},
        RefusalCase{"M10x1.5-6", DesignationText::MalformedClass,
                    "Tolerance class not of the right form: 6"},
        RefusalCase{"M13", DesignationText::UnknownSize, "Diameter not in the series: 13"},
        RefusalCase{"Tr 40x15(P7)", DesignationText::LeadNotMultiple,
                    "Lead not a whole multiple of the pitch: 15"}));

TEST(DesignationTexts, EveryKindOfErrorReadsDifferently) {
    using designation::ParseError;
    using designation::ParseErrorKind;
    QSet<QString> seen;
    for (const ParseErrorKind kind :
         {ParseErrorKind::UnknownFamily, ParseErrorKind::MalformedNumber,
          ParseErrorKind::UnknownSize, ParseErrorKind::PitchNotInSeries,
          ParseErrorKind::LeadNotMultiple, ParseErrorKind::MalformedClass,
          ParseErrorKind::ClassNotAllowed, ParseErrorKind::UnexpectedText}) {
        const QString text = ParseErrorText(ParseError{kind, "zz", {}}, QStringLiteral("typed"));
        EXPECT_TRUE(text.endsWith(QStringLiteral(": zz"))) << text.toStdString();
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 8);
    // Without an offending part the whole input is named.
    EXPECT_TRUE(
        ParseErrorText(ParseError{ParseErrorKind::UnknownFamily, "", {}}, QStringLiteral(" ?? "))
            .endsWith(QStringLiteral(": ??")));
}

struct LimitsCase {
    const char* designation;
    const char* millimetres;
    const char* inches;
};

class LimitsTextTest : public ::testing::TestWithParam<LimitsCase> {};

// The native unit shows the tables' digits; the other one digit more.
TEST_P(LimitsTextTest, InEitherUnitAndSeparator) {
    const LimitsCase& c = GetParam();
    const ThreadLimits limits = LimitsOf(c.designation);
    {
        const test::LocaleGuard locale(QLocale::c());
        EXPECT_EQ(LimitsText(limits, false).toStdString(), c.millimetres);
        EXPECT_EQ(LimitsText(limits, true).toStdString(), c.inches);
    }
    const test::LocaleGuard locale(QLocale(QLocale::German));
    EXPECT_EQ(LimitsText(limits, false), QString::fromUtf8(c.millimetres).replace('.', ','));
    EXPECT_EQ(LimitsText(limits, true), QString::fromUtf8(c.inches).replace('.', ','));
}

INSTANTIATE_TEST_SUITE_P(
    Published, LimitsTextTest,
    ::testing::Values(LimitsCase{"M10x1.5-6g", "d2 8.862 … 8.994 mm", "d2 0.34890 … 0.35409 in"},
                      LimitsCase{"M6-6g", "d2 5.212 … 5.324 mm", "d2 0.20520 … 0.20961 in"},
                      LimitsCase{"M10-6H", "D2 9.026 … 9.206 mm", "D2 0.35535 … 0.36244 in"},
                      LimitsCase{"1/2-13 UNC-2A", "d2 11.2649 … 11.3919 mm",
                                 "d2 0.4435 … 0.4485 in"}));

TEST(DesignationDisplay, MarginsInMicrometresOrTenThousandths) {
    const test::LocaleGuard locale(QLocale::c());
    EXPECT_EQ(MarginText(0.04472, false), QStringLiteral("44.7 µm"));
    EXPECT_EQ(MarginText(-0.001, false), QStringLiteral("-1.0 µm"));
    EXPECT_EQ(MarginText(0.00254, true), QStringLiteral("1.0 × 0.0001 in"));
    EXPECT_EQ(MarginText(0, true), QStringLiteral("0.0 × 0.0001 in"));
    const test::LocaleGuard comma(QLocale(QLocale::German));
    EXPECT_EQ(MarginText(0.04472, false), QStringLiteral("44,7 µm"));
    EXPECT_EQ(MarginText(0.0254, true), QStringLiteral("10,0 × 0,0001 in"));
}

TEST(DesignationDisplay, ReadingWindowNamesItsReading) {
    const test::LocaleGuard locale(QLocale::c());
    designation::ReadingWindow window{designation::Reading::SizeOver, 10.16275, 10.2947};
    EXPECT_EQ(ReadingWindowText(window, false), QStringLiteral("M 10.16275 … 10.29470 mm"));
    EXPECT_EQ(ReadingWindowText(window, true), QStringLiteral("M 0.400108 … 0.405303 in"));
    window.reading = designation::Reading::SizeCtr;
    EXPECT_EQ(ReadingWindowText(window, false).left(2), QStringLiteral("m "));
}

struct VerdictCase {
    const char* name;
    double pitchDiam;
    double uncertainty;
    uncertainty::DecisionRule rule;
    VerdictWord word;
    double margin;
};

class JudgePitchDiamTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(JudgePitchDiamTest, WordAndMargin) {
    const VerdictCase& c = GetParam();
    const ThreadLimits limits = LimitsOf("M10x1.5-6g"); // 8.862 to 8.994
    const std::optional<PitchDiamVerdict> verdict =
        JudgePitchDiam(c.pitchDiam, limits, {c.uncertainty, c.rule});
    ASSERT_TRUE(verdict.has_value());
    EXPECT_EQ(verdict->word, c.word);
    EXPECT_NEAR(verdict->marginMM, c.margin, 1e-9);
}

constexpr auto kSimple = uncertainty::DecisionRule::SimpleAcceptance;
constexpr auto kGuarded = uncertainty::DecisionRule::GuardBanded;

INSTANTIATE_TEST_SUITE_P(
    AroundTheLimits, JudgePitchDiamTest,
    ::testing::Values(
        VerdictCase{"BelowLower", 8.861, 0, kSimple, VerdictWord::Undersize, -0.001},
        VerdictCase{"AtLower", 8.862, 0, kSimple, VerdictWord::WithinLimits, 0},
        VerdictCase{"AboveLower", 8.863, 0, kSimple, VerdictWord::WithinLimits, 0.001},
        VerdictCase{"BelowUpper", 8.993, 0, kSimple, VerdictWord::WithinLimits, 0.001},
        VerdictCase{"AtUpper", 8.994, 0, kSimple, VerdictWord::WithinLimits, 0},
        VerdictCase{"AboveUpper", 8.995, 0, kSimple, VerdictWord::Oversize, -0.001},
        // Simple acceptance ignores U; a guard band shrinks the zone by it.
        VerdictCase{"SimpleIgnoresU", 8.863, 0.002, kSimple, VerdictWord::WithinLimits, 0.001},
        VerdictCase{"GuardedInsideBand", 8.863, 0.002, kGuarded, VerdictWord::NotProvable, -0.001},
        VerdictCase{"GuardedClearlyInside", 8.9, 0.002, kGuarded, VerdictWord::WithinLimits, 0.036},
        VerdictCase{"GuardedClearlyOver", 8.997, 0.002, kGuarded, VerdictWord::Oversize, -0.005},
        VerdictCase{"GuardedClearlyUnder", 8.859, 0.002, kGuarded, VerdictWord::Undersize, -0.005}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) { return info.param.name; });

TEST(PitchDiamVerdict, UndecidableWithoutAFiniteValue) {
    const ThreadLimits limits = LimitsOf("M10x1.5-6g");
    EXPECT_FALSE(JudgePitchDiam(std::nan(""), limits, {}).has_value());
    EXPECT_FALSE(JudgePitchDiam(8.9, limits, {-0.001, kGuarded}).has_value());
}

TEST(PitchDiamVerdict, TextInTheActiveLanguage) {
    ASSERT_TRUE(LoadBuiltInLanguage());
    const test::LocaleGuard locale(QLocale::c());
    EXPECT_EQ(VerdictText({VerdictWord::Undersize, -0.001}, false),
              QStringLiteral("undersize, margin -1.0 µm"));
    EXPECT_EQ(VerdictText({VerdictWord::NotProvable, 0.0005}, false),
              QStringLiteral("not provable, margin 0.5 µm"));
}

TEST(DesignationCompleter, OffersWhatTheCatalogueGivesAsItIsWritten) {
    DesignationCompleter completer;
    for (const char* prefix : {"M1", "m10 x 1,5", "1/2", "tr 40", "Q"}) {
        completer.setPrefix(QString::fromUtf8(prefix));
        QStringList expected;
        for (const std::string& text :
             designation::CompleteDesignations(prefix, DesignationCompleter::kMaxCandidates)) {
            expected << QString::fromStdString(text);
        }
        EXPECT_EQ(completer.candidates(), expected) << prefix;
        EXPECT_EQ(completer.model()->rowCount(), expected.size()) << prefix;
    }
    completer.setPrefix(QStringLiteral("M1"));
    EXPECT_EQ(completer.candidates().size(), DesignationCompleter::kMaxCandidates);
    completer.setPrefix(QStringLiteral("  "));
    EXPECT_TRUE(completer.candidates().isEmpty());
}

} // namespace
} // namespace kthread
