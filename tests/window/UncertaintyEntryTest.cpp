// The budget page's entry forms, display units and number texts, and the settings section the
// input uncertainties are kept in, written and read back through the settings file.
#include "window/UncertaintyEntry.h"
#include "engine/uncertainty/InputUncertainty.h"
#include "engine/uncertainty/LabDefaults.h"
#include "storage/IniFile.h"
#include "support/LocaleGuard.h"
#include "window/UncertaintySettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace kthread {
namespace {

using uncertainty::InputQuantity;
using uncertainty::StandardUncertaintyOf;

struct TextCase {
    double value;
    int digits;
    bool trim;
    const char* expected; // with "." for the decimal mark
};

class SignificantTextTest
    : public ::testing::TestWithParam<std::tuple<TextCase, QLocale::Language>> {
protected:
    test::LocaleGuard m_locale{QLocale(std::get<1>(GetParam()))};
};

TEST_P(SignificantTextTest, FixedNotationWithTheLocaleSeparator) {
    const TextCase& c = std::get<0>(GetParam());
    QString expected = QString::fromUtf8(c.expected);
    expected.replace(QLatin1Char('.'), QLocale().decimalPoint());
    EXPECT_EQ(SignificantText(c.value, c.digits, c.trim), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SignificantTextTest,
    ::testing::Combine(
        ::testing::Values(TextCase{6e-4, 3, false, "0.000600"}, TextCase{6e-4, 3, true, "0.0006"},
                          TextCase{0.001 / 25.4, 4, true, "0.00003937"},
                          TextCase{2.98712, 3, false, "2.99"},
                          TextCase{-0.01234, 2, false, "-0.012"}, TextCase{210, 3, false, "210"},
                          TextCase{12345.6, 3, false, "12346"}, TextCase{5, 4, true, "5"},
                          TextCase{0, 3, false, "0"}, TextCase{INFINITY, 3, false, "—"}),
        ::testing::Values(QLocale::English, QLocale::German)));

TEST(EntryFormTest, EachFormKeepsTheValueAndGivesItsStandardUncertainty) {
    // A value of 1 in each form: u itself, U/2, a/sqrt(3), a/sqrt(6), a/sqrt(2).
    const double expected[kEntryFormCount] = {1, 0.5, 1 / std::sqrt(3.0), 1 / std::sqrt(6.0),
                                              1 / std::sqrt(2.0)};
    for (int i = 0; i < kEntryFormCount; ++i) {
        const auto form = static_cast<EntryForm>(i);
        uncertainty::InputUncertainty stated;
        stated.value = 1;
        stated = WithForm(stated, form);
        EXPECT_EQ(FormOf(stated), form) << i;
        EXPECT_EQ(stated.value, 1) << i;
        const std::optional<double> u = StandardUncertaintyOf(stated);
        ASSERT_TRUE(u.has_value()) << i;
        EXPECT_NEAR(*u, expected[i], 1e-15) << i;
        EXPECT_EQ(FormFromWord(QString(FormWord(form))), form) << i;
    }
    EXPECT_EQ(FormFromWord(u" RECT "), EntryForm::Rectangular);
    EXPECT_FALSE(FormFromWord(u"gauss").has_value());
    EXPECT_FALSE(FormFromWord(u"").has_value());
}

TEST(EntryFormTest, LaboratoryDefaultsAreEnteredInTheirOwnForms) {
    const uncertainty::UncertaintyInputs defaults = uncertainty::LabDefaultInputs();
    EXPECT_EQ(FormOf(defaults[InputQuantity::ProbeDiam]), EntryForm::ExpandedNormal);
    EXPECT_EQ(FormOf(defaults[InputQuantity::FlankAngle1]), EntryForm::Rectangular);
}

TEST(DisplayUnitTest, LengthsFollowTheSwitchOtherUnitsStay) {
    EXPECT_EQ(EngineUnitsPerDisplayUnit(InputQuantity::Pitch, false), 1);
    EXPECT_EQ(EngineUnitsPerDisplayUnit(InputQuantity::ProbeDiam, true), 25.4);
    EXPECT_EQ(DisplayUnitSymbol(InputQuantity::GivenValue, true), QStringLiteral("in."));
    // Five minutes of arc, the default flank-angle half-width, read as 5.
    const double fiveMinutes = 5 * std::numbers::pi / (180 * 60);
    EXPECT_NEAR(fiveMinutes / EngineUnitsPerDisplayUnit(InputQuantity::FlankAngle2, true), 5,
                1e-12);
    EXPECT_EQ(EngineUnitsPerDisplayUnit(InputQuantity::ThreadModulus, true), 1e9);
    EXPECT_EQ(EngineUnitsPerDisplayUnit(InputQuantity::PartExpansion, false), 1e-6);
    EXPECT_EQ(EngineUnitsPerDisplayUnit(InputQuantity::Force, true), 1);
}

class UncertaintySettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.filePath(QStringLiteral("kthread.ini")); }
    void writeText(const QByteArray& text) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray readText() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(UncertaintySettingsTest, NoSectionGivesTheDefaults) {
    writeText("[SETTINGS]\r\nFormState=0\r\n");
    EXPECT_EQ(UncertaintySettingsEntries(ReadUncertaintySettings(IniFile(path()))),
              UncertaintySettingsEntries(DefaultUncertaintySettings()));
}

TEST_F(UncertaintySettingsTest, WrittenInTheEngineUnitsWhateverTheLocaleAndReadBack) {
    const test::LocaleGuard comma{QLocale(QLocale::German)};
    writeText("[SETTINGS]\r\nFormState=0\r\n");
    UncertaintySettings s = DefaultUncertaintySettings();
    s.inputs[InputQuantity::ProbeDiam] =
        WithForm(s.inputs[InputQuantity::ProbeDiam], EntryForm::Rectangular);
    s.inputs[InputQuantity::ProbeDiam].value = 0.00125;
    s.inputs[InputQuantity::FlankAngle1].value = 1.0 / 3; // needs every digit to come back
    s.rule = uncertainty::DecisionRule::SimpleAcceptance;
    IniFile file(path());
    ASSERT_TRUE(WriteUncertaintySettings(file, s)) << file.errorString().toStdString();

    const QByteArray text = readText();
    EXPECT_TRUE(text.startsWith("[SETTINGS]\r\nFormState=0\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[UNCERTAINTY]\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("ProbeDiam=0.00125\r\nProbeDiamForm=rect\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("DecisionRule=simple\r\n"));
    EXPECT_FALSE(text.contains("0,")) << "a locale's decimal comma";

    const UncertaintySettings back = ReadUncertaintySettings(IniFile(path()));
    EXPECT_EQ(UncertaintySettingsEntries(back), UncertaintySettingsEntries(s));
    EXPECT_EQ(back.inputs[InputQuantity::FlankAngle1].value, 1.0 / 3);
    EXPECT_EQ(back.rule, uncertainty::DecisionRule::SimpleAcceptance);
}

struct CorruptCase {
    const char* name;
    const char* pitchLines; // the Pitch keys of the section
};

class CorruptPitchTest : public UncertaintySettingsTest,
                         public ::testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptPitchTest, OnlyThatInputFallsBackToItsDefault) {
    writeText(QByteArray("[UNCERTAINTY]\r\n") + GetParam().pitchLines +
              "ProbeDiam=0.002\r\nProbeDiamForm=tri\r\nDecisionRule=simple\r\n");
    const UncertaintySettings s = ReadUncertaintySettings(IniFile(path()));
    const UncertaintySettings defaults = DefaultUncertaintySettings();
    EXPECT_EQ(s.inputs[InputQuantity::Pitch].value, defaults.inputs[InputQuantity::Pitch].value);
    EXPECT_EQ(FormOf(s.inputs[InputQuantity::Pitch]),
              FormOf(defaults.inputs[InputQuantity::Pitch]));
    EXPECT_EQ(s.inputs[InputQuantity::ProbeDiam].value, 0.002);
    EXPECT_EQ(FormOf(s.inputs[InputQuantity::ProbeDiam]), EntryForm::Triangular);
    EXPECT_EQ(s.rule, uncertainty::DecisionRule::SimpleAcceptance);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CorruptPitchTest,
    ::testing::Values(CorruptCase{"NotANumber", "Pitch=abc\r\nPitchForm=rect\r\n"},
                      CorruptCase{"DecimalComma", "Pitch=0,002\r\nPitchForm=rect\r\n"},
                      CorruptCase{"Negative", "Pitch=-0.002\r\nPitchForm=rect\r\n"},
                      CorruptCase{"Infinite", "Pitch=inf\r\nPitchForm=rect\r\n"},
                      CorruptCase{"NotFinite", "Pitch=nan\r\nPitchForm=rect\r\n"},
                      CorruptCase{"UnknownForm", "Pitch=0.002\r\nPitchForm=gauss\r\n"},
                      CorruptCase{"NoForm", "Pitch=0.002\r\n"},
                      CorruptCase{"NoValue", "PitchForm=rect\r\n"}),
    [](const ::testing::TestParamInfo<CorruptCase>& info) { return info.param.name; });

TEST_F(UncertaintySettingsTest, AnUnknownRuleIsTheGuardBandedOne) {
    writeText("[UNCERTAINTY]\r\nDecisionRule=lenient\r\n");
    EXPECT_EQ(ReadUncertaintySettings(IniFile(path())).rule,
              uncertainty::DecisionRule::GuardBanded);
}

} // namespace
} // namespace kthread
