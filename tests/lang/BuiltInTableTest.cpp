#include "lang/LanguageTable.h"
#include "text/TextDecoding.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>
#include <utility>

namespace kthread {
namespace {

QByteArray ResourceBytes() {
    QFile resource(QStringLiteral(":/LANG/EN"));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

TEST(BuiltInTable, IsUtf16LittleEndianWithMarkAndCrLfAfterEveryLine) {
    const QByteArray bytes = ResourceBytes();
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

TEST(BuiltInTable, CarriesExactlyTheLinesOfItsSource) {
    QFile source(QStringLiteral(KTHREAD_LANG_SOURCE));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QStringList expected = QString::fromUtf8(source.readAll()).split(u'\n');
    ASSERT_EQ(expected.takeLast(), QString()); // the source ends with its last line's end

    QStringList carried = DecodeText(ResourceBytes()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(carried.takeLast(), QString());
    EXPECT_EQ(carried, expected);
    EXPECT_EQ(carried.mid(0, 6), QStringList({"[MAIN]", "flag=GBR", "name=English (United Kingdom)",
                                              "code=GB", "", "[TEXT]"}));
}

TEST(BuiltInTable, LoadsFromAnyExecutableWithTheEntriesInOrder) {
    ASSERT_TRUE(LoadBuiltInLanguage());
    QStringList numbers;
    for (const QString& line : LanguageTable()) {
        numbers.append(line.section(u'=', 0, 0));
    }
    QStringList expected;
    for (int n = 1; n <= 37; ++n) {
        expected.append(QString::number(n).rightJustified(4, u'0'));
    }
    for (int n = 100; n <= 105; ++n) {
        expected.append(QString::number(n).rightJustified(4, u'0'));
    }
    // The uncertainty budget's texts.
    for (int n = 130; n <= 158; ++n) {
        expected.append(QString::number(n).rightJustified(4, u'0'));
    }
    EXPECT_EQ(numbers, expected);
}

TEST(BuiltInTable, KeepsTheTextsThatAreEasyToSpoil) {
    // The rest of the table is copied verbatim; these rows carry punctuation, a trailing blank
    // or characters beyond ASCII that an editor or a converter could change.
    const std::pair<int, const char*> texts[] = {
        {1, "External thread"},
        {10, "About Kalvo-Thread"},
        {14, "No plausible entries. Please correct!"},
        {24, "Opt. diameter of the wires"},
        {29, "Measurement P.D."},
        {34, "Three Wires "},
        {35, "Two Wires"},
        {36, "\xCE\xB2"}, // beta
        {37, "\xCE\xB3"}, // gamma
    };
    ASSERT_TRUE(LoadBuiltInLanguage());
    for (const auto& [number, text] : texts) {
        EXPECT_EQ(LangText(number), QString::fromUtf8(text)) << "text " << number;
    }
    EXPECT_EQ(LangText(38), QString()) << "file-only texts are empty in the built-in table";
}

TEST(BuiltInTable, BannerTextsAreOneSentenceEach) {
    ASSERT_TRUE(LoadBuiltInLanguage());
    for (int number = 100; number <= 105; ++number) {
        const QString text = LangText(number);
        EXPECT_GT(text.size(), 20) << "text " << number;
        EXPECT_TRUE(text.endsWith(u'.')) << "text " << number;
        EXPECT_EQ(text.count(QStringLiteral(". ")), 0) << "text " << number;
        EXPECT_EQ(text, text.trimmed()) << "text " << number;
    }
}

} // namespace
} // namespace kthread
