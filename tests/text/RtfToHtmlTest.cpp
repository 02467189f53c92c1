// Help files in Rich Text Format: what each construct of the supported subset becomes, and that
// damaged documents still give well-formed output.
#include "text/RtfToHtml.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kthread {
namespace {

// The document's paragraphs, without the fixed head and tail.
QString Body(const QByteArray& rtf) {
    const QString html = RtfToHtml(rtf);
    const QString head = QStringLiteral("<html><body style=\"white-space: pre-wrap\">");
    const QString tail = QStringLiteral("</body></html>");
    EXPECT_TRUE(html.startsWith(head)) << html.toStdString();
    EXPECT_TRUE(html.endsWith(tail)) << html.toStdString();
    return html.mid(head.size(), html.size() - head.size() - tail.size());
}

struct RtfCase {
    const char* name;
    const char* rtf;
    const char* body; // UTF-8
};

class RtfTable : public ::testing::TestWithParam<RtfCase> {};

TEST_P(RtfTable, Converts) {
    const RtfCase& c = GetParam();
    EXPECT_EQ(Body(QByteArray(c.rtf)).toStdString(), std::string(c.body));
}

INSTANTIATE_TEST_SUITE_P(
    Subset, RtfTable,
    ::testing::Values(
        RtfCase{"PlainParagraphs", R"({\rtf1\ansi Pitch\par Lead\par})",
                "<p>Pitch</p>\n<p>Lead</p>\n"},
        RtfCase{"LastParagraphWithoutPar", R"({\rtf1 one\par two})", "<p>one</p>\n<p>two</p>\n"},
        RtfCase{"EmptyParagraphIsABlankLine", R"({\rtf1 a\par\par b})",
                "<p>a</p>\n<p>&nbsp;</p>\n<p>b</p>\n"},
        RtfCase{"BoldAndItalicToggles", R"({\rtf1 x \b bold\b0  \i it\i0  y})",
                "<p>x <b>bold</b> <i>it</i> y</p>\n"},
        RtfCase{"ToggleWithParameterOne", R"({\rtf1\b1 on\b0 off})", "<p><b>on</b>off</p>\n"},
        RtfCase{"GroupsRestoreFormatting", R"({\rtf1 a{\b\i both}c})",
                "<p>a<b><i>both</i></b>c</p>\n"},
        RtfCase{"UnderlineAndPlain", R"({\rtf1\ul u\ulnone n\b\ul x\plain p})",
                "<p><u>u</u>n<b><u>x</u></b>p</p>\n"},
        RtfCase{"FormattingCarriesOverParagraphs", R"({\rtf1\b one\par two})",
                "<p><b>one</b></p>\n<p><b>two</b></p>\n"},
        RtfCase{"Alignment", R"({\rtf1\qc mid\par\pard left\par\qr right\par\qj j})",
                "<p align=\"center\">mid</p>\n<p>left</p>\n<p align=\"right\">right</p>\n"
                "<p align=\"justify\">j</p>\n"},
        RtfCase{"UnicodeWithFallback", R"({\rtf1 \u946?=\u947\'3f})", "<p>β=γ</p>\n"},
        RtfCase{"NegativeUnicodeAndSurrogatePair", R"({\rtf1\u-10179?\u-8704?\u-1?})",
                "<p>😀\xEF\xBF\xBF</p>\n"},
        RtfCase{"FallbackCountFromUc", R"({\rtf1\uc2 \u8212--x\uc0\u8211 y})", "<p>—x–y</p>\n"},
        RtfCase{"FallbackEndsAtAGroup", R"({\rtf1\uc3\u946{a}b})", "<p>βab</p>\n"},
        RtfCase{"UnpairedSurrogateIsReplaced", R"({\rtf1\u-10179 x})", "<p>\xEF\xBF\xBD</p>\n"},
        RtfCase{"Windows1252Escapes", R"({\rtf1 Stra\'dfe \'80 \'93q\'94})",
                "<p>Straße € “q”</p>\n"},
        RtfCase{"EightBitBytesAreWindows1252", "{\\rtf1 \xB0\xE9}", "<p>°é</p>\n"},
        RtfCase{"EscapedSpecials", R"({\rtf1 \{a\}\\ 1<2 & "q"})",
                "<p>{a}\\ 1&lt;2 &amp; &quot;q&quot;</p>\n"},
        RtfCase{"LineBreakAndTab", R"({\rtf1 a\line b\tab c})", "<p>a<br />b\tc</p>\n"},
        RtfCase{"NamedCharacters", R"({\rtf1\lquote a\rquote\emdash\bullet\~x})",
                "<p>‘a’—•\xC2\xA0x</p>\n"},
        RtfCase{"FileLineEndsAreNoText", "{\\rtf1 a\r\nb\nc}", "<p>abc</p>\n"},
        RtfCase{"BackslashNewlineIsAParagraph", "{\\rtf1 a\\\nb}", "<p>a</p>\n<p>b</p>\n"},
        RtfCase{"TablesAndInfoAreLeftOut",
                R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;})"
                R"({\stylesheet{\s0 Normal;}}{\info{\title T}}\f0 text})",
                "<p>text</p>\n"},
        RtfCase{"StarredDestinationsAreLeftOut", R"({\rtf1 a{\*\generator W;}b})", "<p>ab</p>\n"},
        RtfCase{"PicturesAreLeftOut", R"({\rtf1 a{\pict\pngblip 89504e47}b})", "<p>ab</p>\n"},
        RtfCase{"FieldsShowTheirResult",
                R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "<p>link</p>\n"},
        RtfCase{"BinaryDataIsSkipped", "{\\rtf1 a\\bin3 }}}b}", "<p>ab</p>\n"},
        RtfCase{"UnknownWordsAndTheirDelimiterVanish", R"({\rtf1\fs24\lang1031 x\foo-12 y})",
                "<p>xy</p>\n"},
        RtfCase{"OverlongWordIsIgnored", "{\\rtf1 a\\abcdefghijklmnopqrstuvwxyzabcdefghij b}",
                "<p>ab</p>\n"},
        RtfCase{"HugeParameterIsClamped", R"({\rtf1\uc99999999999999 \u946 abc})", "<p>β</p>\n"},
        RtfCase{"TruncatedHexEscape", R"({\rtf1 a\'4)", "<p>a</p>\n"},
        RtfCase{"BadHexEscapeReadsAsText", R"({\rtf1 \'zz})", "<p>zz</p>\n"},
        RtfCase{"BackslashAtTheEnd", "{\\rtf1 a\\", "<p>a</p>\n"},
        RtfCase{"ExtraClosingBraces", R"(}}{\rtf1 a}}})", "<p>a</p>\n"},
        RtfCase{"UnclosedGroups", R"({\rtf1{\b a{\i b)", "<p><b>a</b><b><i>b</i></b></p>\n"},
        RtfCase{"ControlCharactersAreDropped", "{\\rtf1 a\x01\x1F\\u7?b}", "<p>ab</p>\n"},
        RtfCase{"NotRtfAtAllIsText", "plain <text>", "<p>plain &lt;text&gt;</p>\n"},
        RtfCase{"EmptyInput", "", ""}),
    [](const ::testing::TestParamInfo<RtfCase>& info) { return std::string(info.param.name); });

TEST(RtfToHtml, DeepNestingStaysBalancedAndLinear) {
    // Far more groups than are kept: the text inside is kept, the braces still match, and the
    // formatting of the outer groups comes back after them.
    QByteArray rtf = "{\\rtf1\\b ";
    rtf += QByteArray(100000, '{');
    rtf += "deep";
    rtf += QByteArray(100000, '}');
    rtf += "\\b0 after}";
    const QString body = Body(rtf);
    EXPECT_TRUE(body.contains(QStringLiteral("deep"))) << body.toStdString();
    EXPECT_TRUE(body.endsWith(QStringLiteral("after</p>\n"))) << body.toStdString();
}

TEST(RtfToHtml, OutputTagsAreBalanced) {
    // Formatting switched inside and across paragraphs and groups, in every order.
    const QString html = RtfToHtml(
        QByteArray(R"({\rtf1\b a\i b\par{\ul c\b0 d}\par\plain e{\i\ul f\line g}\i0 h\par\par})"));
    for (const char* tag : {"p", "b", "i", "u"}) {
        const QString open = QStringLiteral("<%1[ >]").arg(QLatin1String(tag));
        const QString close = QStringLiteral("</%1>").arg(QLatin1String(tag));
        EXPECT_EQ(html.count(QRegularExpression(open)), html.count(close)) << tag;
    }
}

TEST(RtfToHtml, RecognisesRtfByItsStart) {
    EXPECT_TRUE(LooksLikeRtf("{\\rtf1\\ansi"));
    EXPECT_TRUE(LooksLikeRtf(" \r\n{\\rtf1"));
    EXPECT_FALSE(LooksLikeRtf("<html>{\\rtf1"));
    EXPECT_FALSE(LooksLikeRtf("{\\rt"));
    EXPECT_FALSE(LooksLikeRtf(""));
}

} // namespace
} // namespace kthread
