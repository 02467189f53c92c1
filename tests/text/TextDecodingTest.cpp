#include "text/TextDecoding.h"
#include "support/TestNames.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>
#include <vector>

namespace kthread {
namespace {

QByteArray Bytes(const char* data, qsizetype size) {
    return QByteArray(data, size);
}

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
    TextEncoding encoding;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DetectsEncodingAndDropsTheMark) {
    const DecodedText decoded = DecodeTextWithEncoding(GetParam().bytes);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
    EXPECT_EQ(DecodeText(GetParam().bytes), GetParam().text);
}

std::vector<DecodeCase> DecodeCases() {
    std::vector<DecodeCase> cases = {
        {"utf16_le_with_mark", Bytes("\xFF\xFEG\0r\0\xFC\0\xDF\0", 10), QStringLiteral("Grüß"),
         TextEncoding::Utf16LE},
        {"utf16_be_with_mark", Bytes("\xFE\xFF\0G\0r\0\xFC\0\xDF", 10), QStringLiteral("Grüß"),
         TextEncoding::Utf16BE},
        {"utf16_le_beta_symbol", Bytes("\xFF\xFE\xB2\x03", 4), QStringLiteral("β"),
         TextEncoding::Utf16LE},
        {"utf8_with_mark", Bytes("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F", 9), QStringLiteral("Grüß"),
         TextEncoding::Utf8WithMark},
        {"second_mark_is_text", Bytes("\xEF\xBB\xBF\xEF\xBB\xBFx", 7), QStringLiteral("\uFEFFx"),
         TextEncoding::Utf8WithMark},
        {"valid_utf8_without_mark", Bytes("Gr\xC3\xBC\xC3\x9F", 6), QStringLiteral("Grüß"),
         TextEncoding::Utf8},
        {"plain_ascii", Bytes("0001=A", 6), QStringLiteral("0001=A"), TextEncoding::Utf8},
        {"empty", QByteArray(), QString(), TextEncoding::Utf8},
        {"mark_only", Bytes("\xFF\xFE", 2), QString(), TextEncoding::Utf16LE},
    };
#ifndef Q_OS_WIN
    // Where the system has no 8-bit code page, old files are read as Windows-1252.
    cases.push_back({"eight_bit_accents_as_windows_1252", Bytes("Gr\xFC\xDF \x80", 6),
                     QStringLiteral("Grüß €"), TextEncoding::Legacy8Bit});
    cases.push_back({"utf8_cut_inside_a_character_is_8_bit", Bytes("Gr\xC3", 3),
                     QStringLiteral("GrÃ"), TextEncoding::Legacy8Bit});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Marks, DecodeTest, ::testing::ValuesIn(DecodeCases()),
                         kthread::test::RowName());

struct EncodeCase {
    const char* name;
    TextEncoding encoding;
    QByteArray bytes; // of "é"
};

class EncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, WritesTheMarkAndReadsBackAsItCame) {
    const auto bytes = EncodeText(QStringLiteral("é"), GetParam().encoding);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, GetParam().bytes);

    const QString text = QStringLiteral("[MAIN]\r\nname=Français €\r\n");
    const auto roundTrip = EncodeText(text, GetParam().encoding);
    ASSERT_TRUE(roundTrip);
    const DecodedText decoded = DecodeTextWithEncoding(*roundTrip);
    EXPECT_EQ(decoded.text, text);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
}

std::vector<EncodeCase> EncodeCases() {
    std::vector<EncodeCase> cases = {
        {"utf16_le", TextEncoding::Utf16LE, Bytes("\xFF\xFE\xE9\0", 4)},
        {"utf16_be", TextEncoding::Utf16BE, Bytes("\xFE\xFF\0\xE9", 4)},
        {"utf8_with_mark", TextEncoding::Utf8WithMark, Bytes("\xEF\xBB\xBF\xC3\xA9", 5)},
        {"utf8", TextEncoding::Utf8, Bytes("\xC3\xA9", 2)},
    };
#ifndef Q_OS_WIN
    cases.push_back({"windows_1252", TextEncoding::Legacy8Bit, Bytes("\xE9", 1)});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Encodings, EncodeTest, ::testing::ValuesIn(EncodeCases()),
                         kthread::test::RowName());

#ifndef Q_OS_WIN
TEST(EightBitText, CharacterOutsideTheCodePageCannotBeEncoded) {
    EXPECT_FALSE(EncodeText(QStringLiteral("Flank β"), TextEncoding::Legacy8Bit));
}
#endif

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0x9F), QChar(0x0178)); // Y with diaeresis
    EXPECT_EQ(text.at(0x81), QChar(0x0081)); // unassigned: the control of the same value
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_EQ(EncodeWindows1252(text), all);
}

struct SplitCase {
    const char* name;
    QString text;
    QStringList lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, EndsLinesAtEachKindOfBreak) {
    EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesTest,
    ::testing::Values(
        SplitCase{"cr_lf", QStringLiteral("a\r\nb"), {"a", "b"}},
        SplitCase{"cr", QStringLiteral("a\rb"), {"a", "b"}},
        SplitCase{"lf", QStringLiteral("a\nb"), {"a", "b"}},
        SplitCase{"line_separator", QStringLiteral("a\u2028b"), {"a", "b"}},
        SplitCase{"final_break_adds_no_line", QStringLiteral("a\r\n"), {"a"}},
        SplitCase{"empty_line_kept", QStringLiteral("a\n\nb"), {"a", "", "b"}},
        SplitCase{"cr_then_cr_lf_is_two_breaks", QStringLiteral("a\r\r\nb"), {"a", "", "b"}},
        SplitCase{"lf_cr_is_two_breaks", QStringLiteral("a\n\rb"), {"a", "", "b"}},
        SplitCase{"lone_break", QStringLiteral("\r\n"), {""}},
        SplitCase{
            "trailing_blanks_kept", QStringLiteral("0034=Three Wires \r\n"), {"0034=Three Wires "}},
        SplitCase{"empty", QString(), {}}),
    kthread::test::RowName());

struct LineEndCase {
    const char* name;
    QString text;
    QString lineEnd;
};

class FirstLineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(FirstLineEndTest, ReportsTheFirstBreak) {
    EXPECT_EQ(FirstLineEnd(GetParam().text), GetParam().lineEnd);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, FirstLineEndTest,
    ::testing::Values(
        LineEndCase{"cr_lf", QStringLiteral("a\r\nb\n"), QStringLiteral("\r\n")},
        LineEndCase{"cr_before_cr_lf", QStringLiteral("a\rb\r\n"), QStringLiteral("\r")},
        LineEndCase{"lf", QStringLiteral("a\nb\r\n"), QStringLiteral("\n")},
        LineEndCase{"line_separator", QStringLiteral("a\u2028b"), QStringLiteral("\u2028")},
        LineEndCase{"cr_at_the_end", QStringLiteral("a\r"), QStringLiteral("\r")},
        LineEndCase{"none", QStringLiteral("ab"), QString()}),
    kthread::test::RowName());

} // namespace
} // namespace kthread
