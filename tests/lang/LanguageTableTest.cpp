#include "lang/LanguageTable.h"
#include "lang/LanguageLines.h"
#include "support/ChildProcess.h"
#include "support/TestNames.h"
#include "text/TextFile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace kthread {
namespace {

struct LookupCase {
    const char* name;
    int number;
    QString text;
};

class LangTextTest : public ::testing::TestWithParam<LookupCase> {
protected:
    static void SetUpTestSuite() {
        LoadLanguageBytes(QByteArrayLiteral("[TEXT]\r\n"
                                            "0001=first\r\n"
                                            "0005=five\r\n"
                                            "0005=second five\r\n"
                                            "0100=hundred\r\n"
                                            "12345=big\r\n"
                                            "0007=a=b\r\n"
                                            "0008=trail  \r\n"
                                            "0009\r\n"
                                            "0010=\r\n"
                                            "-0005=minus\r\n"
                                            "00011=five digits\r\n"
                                            "0012 =blank in name\r\n"));
    }
};

TEST_P(LangTextTest, FindsTheFirstLineNamedByTheFormattedNumber) {
    EXPECT_EQ(LangText(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, LangTextTest,
    ::testing::Values(LookupCase{"marker_line", 1, QStringLiteral("first")},
                      LookupCase{"padded_to_four_digits", 5, QStringLiteral("five")},
                      LookupCase{"hundred_is_0100", 100, QStringLiteral("hundred")},
                      LookupCase{"five_digits_unpadded", 12345, QStringLiteral("big")},
                      LookupCase{"text_after_the_first_equals", 7, QStringLiteral("a=b")},
                      LookupCase{"trailing_blanks_kept", 8, QStringLiteral("trail  ")},
                      LookupCase{"line_without_equals_is_no_entry", 9, QString()},
                      LookupCase{"empty_text", 10, QString()},
                      LookupCase{"negative_keeps_its_sign", -5, QStringLiteral("minus")},
                      LookupCase{"extra_leading_zero_is_another_name", 11, QString()},
                      LookupCase{"name_must_match_exactly", 12, QString()},
                      LookupCase{"missing_number", 3, QString()}, LookupCase{"zero", 0, QString()}),
    kthread::test::RowName());

struct MarkerCase {
    const char* name;
    QByteArray bytes;
    QStringView marker;
    QStringList lines;
};

class MarkerTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(MarkerTest, DropsEverythingBeforeTheFirstMarkedLine) {
    EXPECT_EQ(LanguageLinesFrom(GetParam().bytes, GetParam().marker), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, MarkerTest,
    ::testing::Values(MarkerCase{"header_dropped",
                                 "[MAIN]\r\nname=X\r\n\r\n[TEXT]\r\n0001=A\r\n0002=B\r\n",
                                 kLanguageFileMarker,
                                 {"0001=A", "0002=B"}},
                      MarkerCase{"first_line_is_0001_keeps_all",
                                 "0001=A\r\n[OTHER]\r\n0002=B\r\n",
                                 kLanguageFileMarker,
                                 {"0001=A", "[OTHER]", "0002=B"}},
                      MarkerCase{"no_0001_gives_nothing",
                                 "[TEXT]\r\n0002=B\r\n0003=C\r\n",
                                 kLanguageFileMarker,
                                 {}},
                      MarkerCase{"file_marker_needs_the_equals",
                                 "name=Model 0001\r\n0001=A\r\n",
                                 kLanguageFileMarker,
                                 {"0001=A"}},
                      MarkerCase{"built_in_marker_is_the_number_alone",
                                 "name=Model 0001\r\n0001=A\r\n",
                                 kBuiltInTableMarker,
                                 {"name=Model 0001", "0001=A"}},
                      MarkerCase{"marker_anywhere_in_the_line",
                                 "x=10001=y\r\n0002=B\r\n",
                                 kLanguageFileMarker,
                                 {"x=10001=y", "0002=B"}},
                      MarkerCase{"empty_source", "", kLanguageFileMarker, {}}),
    kthread::test::RowName());

class LanguageFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(LanguageFileTest, NewFileReplacesTheWholeTableWithoutFallback) {
    ASSERT_TRUE(LoadLanguageFile(write("a.lng", "0001=A\r\n0002=B\r\n")));
    ASSERT_EQ(LangText(2), QStringLiteral("B"));

    ASSERT_TRUE(LoadLanguageFile(write("b.lng", "[TEXT]\r\n0002=other\r\n")));
    EXPECT_TRUE(LanguageTable().isEmpty());
    EXPECT_EQ(LangText(2), QString());
}

TEST_F(LanguageFileTest, MissingFileEmptiesTheTableAndFails) {
    LoadLanguageBytes("0001=A\r\n");
    EXPECT_FALSE(LoadLanguageFile(m_dir.filePath("missing.lng")));
    EXPECT_TRUE(LanguageTable().isEmpty());
}

TEST_F(LanguageFileTest, EmptyFileGivesAnEmptyTable) {
    EXPECT_TRUE(LoadLanguageFile(write("empty.lng", {})));
    EXPECT_TRUE(LanguageTable().isEmpty());
}

TEST_F(LanguageFileTest, BinaryFileLoadsWithoutHarm) {
    std::mt19937 random(20240611);
    QByteArray bytes(64 * 1024, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    bytes.replace(1000, 10, "\n0001=ok\r\n"); // somewhere inside the noise
    EXPECT_TRUE(LoadLanguageFile(write("noise.lng", bytes)));
    EXPECT_FALSE(LanguageTable().isEmpty());
    EXPECT_TRUE(LanguageTable().first().contains(u"0001="));
}

TEST_F(LanguageFileTest, Utf16FileCutInsideASurrogatePairKeepsItsWholeLines) {
    QStringEncoder toUtf16(QStringConverter::Utf16LE);
    QByteArray bytes = QByteArray("\xFF\xFE", 2) + toUtf16.encode(u"0001=A\r\n");
    bytes += QByteArray("\x3D\xD8", 2); // high surrogate without its partner
    bytes += QByteArray("\x41", 1);     // and half a code unit
    ASSERT_TRUE(LoadLanguageFile(write("cut.lng", bytes)));
    EXPECT_EQ(LangText(1), QStringLiteral("A"));
}

TEST_F(LanguageFileTest, FiftyMegabyteFileLoads) {
    const QString path = write("huge.lng", "[TEXT]\r\n0001=first\r\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    // Long lines keep the case fast; the size of the file is what is tried here.
    const QByteArray line = "0002=" + QByteArray(4089, 'x') + "\r\n";
    const QByteArray chunk = line.repeated(256); // 1 MiB
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(file.write(chunk), chunk.size());
    }
    file.write("0003=last\r\n");
    file.close();

    ASSERT_TRUE(LoadLanguageFile(path));
    EXPECT_EQ(LanguageTable().size(), 50 * 256 + 2);
    EXPECT_EQ(LangText(2).size(), 4089);
    EXPECT_EQ(LangText(1), QStringLiteral("first"));
    EXPECT_EQ(LangText(3), QStringLiteral("last"));
}

TEST_F(LanguageFileTest, FileAboveTheSizeLimitIsRefused) {
    const QString path = m_dir.filePath("too-big.lng");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxTextFileBytes + 1)); // sparse: costs no disk space
    file.close();
    LoadLanguageBytes("0001=A\r\n");

    QString error;
    EXPECT_FALSE(ReadWholeFile(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(LoadLanguageFile(path));
    EXPECT_TRUE(LanguageTable().isEmpty());
}

TEST_F(LanguageFileTest, FolderIsNotALanguageFile) {
    EXPECT_FALSE(LoadLanguageFile(m_dir.path()));
}

TEST_F(LanguageFileTest, FifoIsRefusedWithoutWaitingForAWriter) {
    const QString path = m_dir.filePath("fifo.lng");
    ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    const testing::ChildOutcome outcome =
        testing::RunInChild([&] { return LoadLanguageFile(path) ? 1 : 0; });
    ASSERT_TRUE(outcome.exited) << "hung: signal " << outcome.signalNumber;
    EXPECT_EQ(outcome.exitCode, 0);
}

} // namespace
} // namespace kthread
