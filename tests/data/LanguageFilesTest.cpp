// Every language file that ships, read as the program reads it: the loader for the texts and the
// settings-file reader for the [MAIN] header the language menu shows.
#include "ShippedFiles.h"

#include "lang/FlagCodes.h"
#include "lang/LanguageTable.h"
#include "storage/IniFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kthread {
namespace {

using shipped::LanguageFileNames;
using shipped::ProgramTextNumbers;

using Texts = std::map<int, QString>;

QString PathOf(const QString& fileName) {
    return shipped::LanguagesFolder().filePath(fileName);
}

// The program's texts as LangText gives them after the file is loaded; empty when the file
// does not load.
Texts LoadedTexts(const QString& fileName) {
    Texts texts;
    if (!LoadLanguageFile(PathOf(fileName))) {
        return texts;
    }
    for (const int number : ProgramTextNumbers()) {
        texts[number] = LangText(number);
    }
    return texts;
}

// Symbols as formulas write them, the same in every language: Latin letters followed by digits
// (A2, d2) and Greek letters (β, γ). A Cyrillic or full-width look-alike is not one.
QStringList SymbolsOf(const QString& text) {
    static const QRegularExpression symbol(
        QStringLiteral("(?<![A-Za-z0-9])[A-Za-z]+[0-9]+(?![A-Za-z0-9])|\\p{Greek}+"));
    QStringList symbols;
    for (auto it = symbol.globalMatch(text); it.hasNext();) {
        symbols.append(it.next().captured());
    }
    symbols.sort();
    return symbols;
}

// File names as plain strings, so a failing case names its file readably.
std::vector<std::string> ShippedFileNames() {
    std::vector<std::string> names;
    for (const QString& name : LanguageFileNames()) {
        names.push_back(name.toStdString());
    }
    return names;
}

std::string TestNameOf(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

class ShippedLanguageFile : public ::testing::TestWithParam<std::string> {
protected:
    QString fileName() const { return QString::fromStdString(GetParam()); }
    QString path() const { return PathOf(fileName()); }
};

TEST_P(ShippedLanguageFile, IsUtf16LittleEndianWithMarkAndCrLfAfterEveryLine) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.errorString());
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes.first(2), QByteArray("\xFF\xFE", 2));
    ASSERT_EQ(bytes.size() % 2, 0);

    QStringDecoder decoder(QStringConverter::Utf16LE);
    QString text = decoder.decode(bytes.sliced(2));
    ASSERT_FALSE(decoder.hasError());
    EXPECT_TRUE(text.endsWith(u"\r\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
    EXPECT_FALSE(text.contains(u'\r')) << "a CR without LF";
    EXPECT_FALSE(text.contains(u'\n')) << "an LF without CR";
}

TEST_P(ShippedLanguageFile, HeaderNamesAKnownFlagAMenuCaptionAndACode) {
    const IniFile file(path());
    ASSERT_TRUE(file.sectionExists(QStringLiteral("MAIN")));
    const QString flag = file.readString(QStringLiteral("MAIN"), QStringLiteral("flag"));
    EXPECT_TRUE(IsFlagCode(flag)) << "flag \"" << flag.toStdString() << "\"";
    EXPECT_FALSE(file.readString(QStringLiteral("MAIN"), QStringLiteral("name")).isEmpty());
    EXPECT_FALSE(file.readString(QStringLiteral("MAIN"), QStringLiteral("code")).isEmpty());
}

TEST_P(ShippedLanguageFile, DefinesEveryProgramTextOnce) {
    ASSERT_TRUE(LoadLanguageFile(path()));
    QSet<QString> seen;
    for (const QString& line : LanguageTable()) {
        const QString number = line.section(u'=', 0, 0);
        EXPECT_FALSE(seen.contains(number)) << "text " << number.toStdString() << " twice";
        seen.insert(number);
    }
    for (const auto& [number, text] : LoadedTexts(fileName())) {
        EXPECT_FALSE(text.trimmed().isEmpty()) << "text " << number;
    }
}

TEST_P(ShippedLanguageFile, CarriesTheSymbolsAndTrailingBlanksOfTheEnglishTexts) {
    const Texts english = LoadedTexts(shipped::kReferenceLanguageFile);
    const Texts texts = LoadedTexts(fileName());
    ASSERT_FALSE(english.empty());
    ASSERT_EQ(texts.size(), english.size());
    for (const auto& [number, englishText] : english) {
        const QString& text = texts.at(number);
        EXPECT_EQ(SymbolsOf(text), SymbolsOf(englishText))
            << "text " << number << ": " << text.toStdString();
        // "Three Wires " keeps its blank; no other text gains one at either end.
        EXPECT_EQ(text.endsWith(u' '), englishText.endsWith(u' ')) << "text " << number;
        EXPECT_EQ(text.size() - text.trimmed().size(),
                  englishText.size() - englishText.trimmed().size())
            << "text " << number;
    }
}

TEST_P(ShippedLanguageFile, NamesEveryMaterialDifferently) {
    const Texts texts = LoadedTexts(fileName());
    ASSERT_FALSE(texts.empty());
    std::map<QString, int> numberOfName;
    for (int number = 51; number <= 74; ++number) {
        const auto [it, inserted] = numberOfName.emplace(texts.at(number), number);
        EXPECT_TRUE(inserted) << "texts " << it->second << " and " << number << " both read "
                              << it->first.toStdString();
    }
}

TEST_P(ShippedLanguageFile, BannerTextsAreOneSentenceEach) {
    const Texts texts = LoadedTexts(fileName());
    ASSERT_FALSE(texts.empty());
    static const QRegularExpression sentenceEnd(QStringLiteral("[.。](\\s|$)|[!?！？]"));
    for (int number = 100; number <= 105; ++number) {
        const QString& text = texts.at(number);
        const QRegularExpressionMatch end = sentenceEnd.match(text);
        ASSERT_TRUE(end.hasMatch()) << "text " << number << " ends no sentence";
        EXPECT_EQ(end.capturedEnd(), text.size())
            << "text " << number << " goes on after a sentence: " << text.toStdString();
    }
}

TEST_P(ShippedLanguageFile, KeepsEachPlaceholderOfTheEnglishTextsOnce) {
    // The window fills "%1" with a margin or with the part of a designation that is wrong; a
    // text that lost it, or has it twice, would show the number or the part nowhere or twice.
    const Texts english = LoadedTexts(shipped::kReferenceLanguageFile);
    const Texts texts = LoadedTexts(fileName());
    ASSERT_FALSE(texts.empty());
    int placeholders = 0;
    for (const auto& [number, englishText] : english) {
        const qsizetype expected = englishText.count(QStringLiteral("%1"));
        placeholders += static_cast<int>(expected);
        EXPECT_EQ(texts.at(number).count(QStringLiteral("%1")), expected)
            << "text " << number << ": " << texts.at(number).toStdString();
        EXPECT_FALSE(texts.at(number).contains(QStringLiteral("%2"))) << "text " << number;
    }
    EXPECT_EQ(placeholders, 9) << "the margin and the eight kinds of error";
}

TEST_P(ShippedLanguageFile, NamesTheVerdictsAndParseErrorsDifferently) {
    const Texts texts = LoadedTexts(fileName());
    ASSERT_FALSE(texts.empty());
    for (const auto& [first, last] : {std::pair{112, 115}, std::pair{120, 127}}) {
        std::map<QString, int> numberOfText;
        for (int number = first; number <= last; ++number) {
            const auto [it, inserted] = numberOfText.emplace(texts.at(number), number);
            EXPECT_TRUE(inserted) << "texts " << it->second << " and " << number << " both read "
                                  << it->first.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguageFile, ::testing::ValuesIn(ShippedFileNames()),
                         TestNameOf);

TEST(ShippedLanguageFiles, ReferenceFileKeepsEveryTextOfTheBuiltInTable) {
    // Choosing English (United Kingdom) must not change what the first start showed.
    ASSERT_TRUE(LoadBuiltInLanguage());
    Texts builtIn;
    for (const int number : ProgramTextNumbers()) {
        if (!LangText(number).isEmpty()) {
            builtIn[number] = LangText(number);
        }
    }
    ASSERT_GT(builtIn.size(), 40u);
    const Texts reference = LoadedTexts(shipped::kReferenceLanguageFile);
    ASSERT_FALSE(reference.empty());
    for (const auto& [number, text] : builtIn) {
        EXPECT_EQ(reference.at(number), text) << "text " << number;
    }
}

TEST(ShippedLanguageFiles, EachHasAMenuCaptionOfItsOwn) {
    std::map<QString, QString> fileOfName;
    for (const QString& fileName : LanguageFileNames()) {
        const QString name =
            IniFile(PathOf(fileName)).readString(QStringLiteral("MAIN"), QStringLiteral("name"));
        const auto [it, inserted] = fileOfName.emplace(name, fileName);
        EXPECT_TRUE(inserted) << it->second.toStdString() << " and " << fileName.toStdString()
                              << " are both " << name.toStdString();
    }
}

} // namespace
} // namespace kthread
