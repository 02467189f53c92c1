#include "storage/IniFile.h"
#include "storage/IniFileTesting.h"
#include "support/TestNames.h"
#include "text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace kthread {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetIniBeforeCommitHook({}); }

    void writeBytes(const QByteArray& bytes) {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytes() const {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath("kthread.ini");
};

TEST_F(IniFileTest, MissingFileReadsAsDefaults) {
    const IniFile ini(m_path);
    EXPECT_EQ(ini.readString("MAIN", "Lang", "none"), QStringLiteral("none"));
    EXPECT_EQ(ini.readInt("SETTINGS", "FormLeft", -1), -1);
    EXPECT_FALSE(ini.keyExists("MAIN", "Lang"));
    EXPECT_FALSE(ini.sectionExists("MAIN"));
    EXPECT_TRUE(ini.readSection("MAIN").empty());
}

TEST_F(IniFileTest, FirstWriteCreatesAPlainFileWithCrLf) {
    IniFile ini(m_path);
    ASSERT_TRUE(ini.writeInt("SETTINGS", "FormLeft", 10)) << ini.errorString().toStdString();
    EXPECT_EQ(bytes(), QByteArray("[SETTINGS]\r\nFormLeft=10\r\n"));
}

TEST_F(IniFileTest, RoundTripWithMixedCaseNamesAndSemicolons) {
    IniFile writer(m_path);
    ASSERT_TRUE(writer.writeString("Main", "Lang", "/opt/k t/Languages/de.lng"));
    ASSERT_TRUE(writer.writeString("LANGUAGES", "0", "de.lng ; de.rtf"));
    ASSERT_TRUE(writer.writeInt("settings", "FormTop", -20));
    ASSERT_TRUE(writer.writeString("MAIN", "LANG", "/opt/k t/Languages/fr.lng"));

    const IniFile reader(m_path); // a second object on the same file sees every write
    EXPECT_EQ(reader.readString("main", "lang"), QStringLiteral("/opt/k t/Languages/fr.lng"));
    EXPECT_EQ(reader.readString("languages", "0"), QStringLiteral("de.lng ; de.rtf"));
    EXPECT_EQ(reader.readInt("SETTINGS", "formtop", 0), -20);
    EXPECT_TRUE(reader.keyExists("mAiN", "lAnG"));
    EXPECT_TRUE(reader.sectionExists("Languages"));
    EXPECT_FALSE(reader.keyExists("MAIN", "0"));
}

TEST_F(IniFileTest, SeveralKeysInOneWriteReadBackInOrder) {
    IniFile ini(m_path);
    ASSERT_TRUE(ini.writeStrings("DIAM_N", {{"COUNT", "2"}, {"D1", "0,5"}, {"D2", "1.25"}}));
    const std::vector<std::pair<QString, QString>> expected = {
        {"COUNT", "2"}, {"D1", "0,5"}, {"D2", "1.25"}};
    EXPECT_EQ(ini.readSection("diam_n"), expected);
}

TEST_F(IniFileTest, UnknownLinesAndLineEndsSurviveAWrite) {
    writeBytes("; mine\nstray\n[SETTINGS]\nFormLeft=1\n\n[OTHER]\nx=1\n");
    IniFile ini(m_path);
    ASSERT_TRUE(ini.writeInt("SETTINGS", "FormTop", 2));
    EXPECT_EQ(bytes(),
              QByteArray("; mine\nstray\n[SETTINGS]\nFormLeft=1\nFormTop=2\n\n[OTHER]\nx=1\n"));
}

struct IntCase {
    const char* name;
    QString text;
    int value;
};

class IniReadIntTest : public IniFileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniReadIntTest, ReadsWholeNumbersOnly) {
    writeBytes("[S]\r\nk=" + GetParam().text.toUtf8() + "\r\n");
    EXPECT_EQ(IniFile(m_path).readInt("S", "k", 4711), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IniReadIntTest,
    ::testing::Values(IntCase{"plain", "12", 12}, IntCase{"negative", "-3", -3},
                      IntCase{"plus_sign", "+4", 4}, IntCase{"blanks_around", "  7  ", 7},
                      IntCase{"int_max", "2147483647", 2147483647},
                      IntCase{"trailing_text", "12abc", 4711}, IntCase{"decimal", "1.5", 4711},
                      IntCase{"empty", "", 4711}, IntCase{"too_large", "2147483648", 4711}),
    kthread::test::RowName());

struct EncodingCase {
    const char* name;
    QByteArray mark;
    QStringConverter::Encoding encoding;
};

class IniEncodingTest : public IniFileTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(IniEncodingTest, ReadsMainOfALanguageFileAndKeepsTheEncodingOnWrite) {
    const QString text = "[MAIN]\r\nflag=FRA\r\nname=Français (France)\r\ncode=FR\r\n\r\n"
                         "[TEXT]\r\n0001=Filetage extérieur\r\n";
    QStringEncoder encoder(GetParam().encoding);
    writeBytes(GetParam().mark + QByteArray(encoder.encode(text)));

    IniFile ini(m_path);
    EXPECT_EQ(ini.readString("main", "NAME"), QStringLiteral("Français (France)"));
    EXPECT_EQ(ini.readString("MAIN", "flag"), QStringLiteral("FRA"));
    EXPECT_EQ(ini.readString("TEXT", "0001"), QStringLiteral("Filetage extérieur"));

    ASSERT_TRUE(ini.writeString("MAIN", "code", "FX")) << ini.errorString().toStdString();
    EXPECT_TRUE(bytes().startsWith(GetParam().mark));
    QString expected = text;
    expected.replace("code=FR", "code=FX");
    EXPECT_EQ(bytes(), GetParam().mark + QByteArray(encoder.encode(expected)));
}

std::vector<EncodingCase> EncodingCases() {
    std::vector<EncodingCase> cases = {
        {"utf16_le", QByteArray("\xFF\xFE", 2), QStringConverter::Utf16LE},
        {"utf16_be", QByteArray("\xFE\xFF", 2), QStringConverter::Utf16BE},
        {"utf8_with_mark", QByteArray("\xEF\xBB\xBF", 3), QStringConverter::Utf8},
    };
#ifndef Q_OS_WIN
    // Latin-1 bytes are the Windows-1252 bytes for these letters.
    cases.push_back({"eight_bit", QByteArray(), QStringConverter::Latin1});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Encodings, IniEncodingTest, ::testing::ValuesIn(EncodingCases()),
                         kthread::test::RowName());

TEST_F(IniFileTest, PlainFileGainsTheUtf8MarkWhenItMustHoldMoreThanAscii) {
    IniFile ini(m_path);
    ASSERT_TRUE(ini.writeString("MAIN", "Lang", "plain"));
    ASSERT_TRUE(ini.writeString("MAIN", "Lang", "/home/jürgen/β.lng"));
    EXPECT_TRUE(bytes().startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(ini.readString("MAIN", "Lang"), QStringLiteral("/home/jürgen/β.lng"));
}

#ifndef Q_OS_WIN
TEST_F(IniFileTest, EightBitFileThatWouldPassForUtf8AfterAnEditBecomesMarkedUtf8) {
    // "\xC3\xA9" is "Ã©" in Windows-1252; only the invalid "\xE9" keeps the file from reading as
    // UTF-8, and the edit replaces it.
    writeBytes("[S]\r\nA=\xC3\xA9\r\nK=\xE9\r\n");
    IniFile ini(m_path);
    ASSERT_EQ(ini.readString("S", "A"), QStringLiteral("Ã©"));
    ASSERT_TRUE(ini.writeString("S", "K", "x"));
    EXPECT_EQ(ini.readString("S", "A"), QStringLiteral("Ã©"));
    EXPECT_EQ(ini.readString("S", "K"), QStringLiteral("x"));
}
#endif

TEST_F(IniFileTest, InterruptedWriteLeavesTheOldFileIntact) {
    writeBytes("[SETTINGS]\r\nFormLeft=1\r\n");
    const QByteArray before = bytes();
    SetIniBeforeCommitHook([](QSaveFile& file) { file.cancelWriting(); });

    IniFile ini(m_path);
    EXPECT_FALSE(ini.writeInt("SETTINGS", "FormLeft", 99));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"kthread.ini"})
        << "no temporary file left behind";

    SetIniBeforeCommitHook({});
    EXPECT_TRUE(ini.writeInt("SETTINGS", "FormLeft", 99));
    EXPECT_TRUE(ini.errorString().isEmpty());
    EXPECT_EQ(ini.readInt("SETTINGS", "FormLeft", 0), 99);
}

TEST_F(IniFileTest, WriteWhereNoFileCanBeCreatedFails) {
    writeBytes("not a folder");
    IniFile ini(m_path + "/kthread.ini");
    EXPECT_FALSE(ini.writeInt("SETTINGS", "FormLeft", 1));
    EXPECT_FALSE(ini.errorString().isEmpty());
}

TEST_F(IniFileTest, FileThatCannotBeReadIsNotOverwritten) {
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxTextFileBytes + 1)); // sparse
    file.close();

    IniFile ini(m_path);
    EXPECT_EQ(ini.readString("S", "k", "default"), QStringLiteral("default"));
    EXPECT_FALSE(ini.writeString("S", "k", "v"));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(QFileInfo(m_path).size(), kMaxTextFileBytes + 1);
}

TEST_F(IniFileTest, RefusedValueLeavesTheFileUnchanged) {
    writeBytes("[S]\r\nk=1\r\n");
    IniFile ini(m_path);
    EXPECT_FALSE(ini.writeStrings("S", {{"j", "2"}, {"k", "evil\r\n[MAIN]\r\nLang=x"}}));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(bytes(), QByteArray("[S]\r\nk=1\r\n"));
}

TEST_F(IniFileTest, BinaryFileReadsAsMissingKeys) {
    std::mt19937 random(7);
    QByteArray noise(16 * 1024, Qt::Uninitialized);
    for (char& byte : noise) {
        byte = static_cast<char>(random() % 256);
    }
    noise.replace('[', '('); // no section can start
    writeBytes(noise);
    const IniFile ini(m_path);
    EXPECT_FALSE(ini.sectionExists("SETTINGS"));
    EXPECT_EQ(ini.readInt("SETTINGS", "FormLeft", -5), -5);
}

} // namespace
} // namespace kthread
