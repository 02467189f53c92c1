// Which "LANGUAGES" entries of the settings file become languages of the menu, what they are
// called, and which one the program starts with.
#include "window/LanguageList.h"

#include "storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kthread {
namespace {

struct SplitCase {
    const char* name;
    const char* value;
    const char* languageFile;
    const char* helpFile;
};

class SplitTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, LanguageAndHelpFile) {
    const SplitCase& c = GetParam();
    const LanguageEntryNames names = SplitLanguageEntry(QString::fromUtf8(c.value));
    EXPECT_EQ(names.languageFile, QString::fromUtf8(c.languageFile));
    EXPECT_EQ(names.helpFile, QString::fromUtf8(c.helpFile));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SplitTable,
    ::testing::Values(SplitCase{"BlanksAroundTheSeparator", "german.lng ; german.html",
                                "german.lng", "german.html"},
                      SplitCase{"NoBlanks", "french.lng;french.html", "french.lng", "french.html"},
                      SplitCase{"NoHelpPart", "dutch.lng", "dutch.lng", ""},
                      SplitCase{"EmptyHelpPart", "dutch.lng ;  ", "dutch.lng", ""},
                      SplitCase{"OnlyTheFirstSeparatorSplits", "a.lng;b;c.html", "a.lng",
                                "b;c.html"},
                      SplitCase{"BlanksInsideNamesStay", " my lang.lng ; my help.rtf ",
                                "my lang.lng", "my help.rtf"},
                      SplitCase{"NoLanguagePart", ";help.html", "", "help.html"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

class LanguageListTest : public ::testing::Test {
protected:
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A language file as they ship: UTF-16 LE with mark and CR LF.
    void writeLanguage(const QString& name, const QString& text) {
        QByteArray bytes("\xFF\xFE", 2);
        const QString crlf = QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        bytes += QByteArray(reinterpret_cast<const char*>(crlf.utf16()), crlf.size() * 2);
        writeFile(name, bytes);
    }
    std::vector<LanguageChoice> read(const QByteArray& settingsText) {
        writeFile(QStringLiteral("kthread.ini"), settingsText);
        return ReadLanguageList(IniFile(m_dir.filePath(QStringLiteral("kthread.ini"))),
                                m_languages);
    }
    static QStringList Names(const std::vector<LanguageChoice>& languages) {
        QStringList names;
        for (const LanguageChoice& language : languages) {
            names << language.name;
        }
        return names;
    }
    void SetUp() override {
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Languages")));
        writeLanguage(QStringLiteral("Languages/german.lng"),
                      QStringLiteral("[MAIN]\nflag=DEU\nname=Deutsch\ncode=DE\n\n[TEXT]\n"
                                     "0001=Außengewinde\n"));
        writeLanguage(QStringLiteral("Languages/russian.lng"),
                      QStringLiteral("[main]\nFLAG=RUS\nName=Русский\nCode=RU\n[TEXT]\n"));
        writeLanguage(QStringLiteral("Languages/bare.lng"), QStringLiteral("[MAIN]\n[TEXT]\n"));
        writeLanguage(QStringLiteral("Languages/nomain.lng"),
                      QStringLiteral("[TEXT]\n0001=External thread\n"));
    }

    QTemporaryDir m_dir;
    QString m_languages = m_dir.filePath(QStringLiteral("Languages"));
};

TEST_F(LanguageListTest, EntriesInOrderWithTheirFilesAndNames) {
    const auto languages = read("[LANGUAGES]\r\n0=german.lng ; german.html\r\n"
                                "1=russian.lng\r\n");
    ASSERT_EQ(languages.size(), 2U);
    EXPECT_EQ(languages[0].path, QDir(m_languages).filePath(QStringLiteral("german.lng")));
    EXPECT_EQ(languages[0].helpFile, QStringLiteral("german.html"));
    EXPECT_EQ(languages[0].name, QStringLiteral("Deutsch"));
    EXPECT_EQ(languages[0].code, QStringLiteral("DE"));
    EXPECT_EQ(languages[0].flag, QStringLiteral("DEU"));
    // Section and key names of the language file compare without letter case.
    EXPECT_EQ(languages[1].name, QStringLiteral("Русский"));
    EXPECT_EQ(languages[1].flag, QStringLiteral("RUS"));
    EXPECT_TRUE(languages[1].helpFile.isEmpty());
}

TEST_F(LanguageListTest, EnumerationStopsAtTheFirstMissingNumber) {
    const auto languages = read("[LANGUAGES]\r\n0=german.lng\r\n1=russian.lng\r\n"
                                "3=german.lng\r\n");
    EXPECT_EQ(Names(languages),
              QStringList({QStringLiteral("Deutsch"), QStringLiteral("Русский")}));
}

TEST_F(LanguageListTest, MissingFilesAndFilesWithoutMainAreSkipped) {
    const auto languages =
        read("[LANGUAGES]\r\n0=missing.lng;german.html\r\n1=nomain.lng\r\n2=russian.lng;ru.rtf\r\n"
             "3=;german.html\r\n4=german.lng\r\n");
    ASSERT_EQ(languages.size(), 2U);
    EXPECT_EQ(languages[0].name, QStringLiteral("Русский"));
    // The help file stays with its own entry when earlier ones are skipped.
    EXPECT_EQ(languages[0].helpFile, QStringLiteral("ru.rtf"));
    EXPECT_EQ(languages[1].name, QStringLiteral("Deutsch"));
    EXPECT_TRUE(languages[1].helpFile.isEmpty());
}

TEST_F(LanguageListTest, MissingMainKeysReadAsError) {
    const auto languages = read("[LANGUAGES]\r\n0=bare.lng\r\n");
    ASSERT_EQ(languages.size(), 1U);
    EXPECT_EQ(languages[0].name, QStringLiteral("Error"));
    EXPECT_EQ(languages[0].code, QStringLiteral("Error"));
    EXPECT_EQ(languages[0].flag, QStringLiteral("Error"));
}

TEST_F(LanguageListTest, NoSectionNoKeyZeroOrNoFileGiveNothing) {
    EXPECT_TRUE(read("[DIAM_N]\r\nCOUNT=0\r\n").empty());
    EXPECT_TRUE(read("[LANGUAGES]\r\n1=german.lng\r\n").empty());
    EXPECT_TRUE(
        ReadLanguageList(IniFile(m_dir.filePath(QStringLiteral("none.ini"))), m_languages).empty());
}

TEST_F(LanguageListTest, TheFirstOfTwoEqualKeysCounts) {
    const auto languages = read("[LANGUAGES]\r\n0=russian.lng\r\n0=german.lng\r\n");
    EXPECT_EQ(Names(languages), QStringList{QStringLiteral("Русский")});
}

TEST(StartLanguageIndex, StoredPathFoundIgnoringCaseElseTheFirst) {
    const std::vector<LanguageChoice> languages{
        {QStringLiteral("/p/Languages/english_uk.lng"), {}, {}, {}, {}},
        {QStringLiteral("/p/Languages/german.lng"), {}, {}, {}, {}},
    };
    EXPECT_EQ(StartLanguageIndex(languages, QStringLiteral("/p/Languages/german.lng")), 1);
    EXPECT_EQ(StartLanguageIndex(languages, QStringLiteral("/P/LANGUAGES/German.LNG")), 1);
    // The program folder moved: the stored path is no longer listed.
    EXPECT_EQ(StartLanguageIndex(languages, QStringLiteral("/old/Languages/german.lng")), 0);
    EXPECT_EQ(StartLanguageIndex(languages, QString()), 0);
    EXPECT_EQ(StartLanguageIndex({}, QStringLiteral("/p/Languages/german.lng")), std::nullopt);
}

} // namespace
} // namespace kthread
