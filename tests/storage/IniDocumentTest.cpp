#include "storage/IniDocument.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <optional>

namespace kthread {
namespace {

IniDocument Document(const QString& text) {
    return IniDocument(text.split(u'\n'));
}

struct ReadCase {
    const char* name;
    QString text;
    QString section;
    QString key;
    std::optional<QString> value;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsValuesAsProfileFilesDo) {
    EXPECT_EQ(Document(GetParam().text).value(GetParam().section, GetParam().key),
              GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Reading, IniReadTest,
    ::testing::Values(
        ReadCase{"names_ignore_case", "[Main]\nLang=x", "MAIN", "lang", "x"},
        ReadCase{"names_ignore_case_beyond_ascii", "[Sekce]\nKLÍČ=1", "SEKCE", "klíč", "1"},
        ReadCase{"value_and_name_trimmed", "[s]\n  key \t=  v a l  ", "s", "key", "v a l"},
        ReadCase{"semicolon_inside_value", "[LANGUAGES]\n0 = de.lng ; de.rtf", "LANGUAGES", "0",
                 "de.lng ; de.rtf"},
        ReadCase{"semicolon_line_is_comment", "[s]\n;key=1", "s", "key", std::nullopt},
        ReadCase{"hash_line_is_comment", "[s]\n  #key=1", "s", "key", std::nullopt},
        ReadCase{"first_section_wins", "[s]\nk=1\n[S]\nk=2", "s", "k", "1"},
        ReadCase{"later_twin_section_unread", "[s]\nj=1\n[S]\nk=2", "s", "k", std::nullopt},
        ReadCase{"first_key_wins", "[s]\nk=1\nK=2", "s", "k", "1"},
        ReadCase{"key_before_any_section_unread", "k=1\n[s]", "s", "k", std::nullopt},
        ReadCase{"key_of_another_section_unread", "[a]\nk=1\n[b]\nj=2", "b", "k", std::nullopt},
        ReadCase{"garbage_lines_skipped", "[s]\nnot a key\n=no name\n\x01\x02\nk=3", "s", "k", "3"},
        ReadCase{"unclosed_header_is_no_section", "[s\nk=1", "s", "k", std::nullopt},
        ReadCase{"text_after_header_ignored", "[s] ; note\nk=1", "s", "k", "1"},
        ReadCase{"empty_value_exists", "[s]\nk=", "s", "k", ""},
        ReadCase{"equals_inside_value", "[s]\nk=a=b", "s", "k", "a=b"},
        ReadCase{"no_sections_at_all", "k=1\nj=2", "s", "k", std::nullopt}),
    kthread::test::RowName());

TEST(IniDocument, SectionEntriesInFileOrderFirstOccurrenceOnly) {
    const IniDocument doc =
        Document("[DIAM_N]\nCOUNT=2\n; note\nD1=0.5\nd1=9\ngarbage\nD2=1\n[DIAM_S]\nD1=3");
    const std::vector<std::pair<QString, QString>> expected = {
        {"COUNT", "2"}, {"D1", "0.5"}, {"D2", "1"}};
    EXPECT_EQ(doc.entries(u"diam_n"), expected);
    EXPECT_TRUE(doc.entries(u"missing").empty());
    EXPECT_TRUE(doc.hasSection(u"Diam_S"));
    EXPECT_FALSE(doc.hasSection(u"DIAM"));
}

const QStringList kFile = {
    "; settings",  "stray line", "[SETTINGS]", "FormLeft = 10", "weird", "",
    "[LANGUAGES]", "0=en.lng",   "",           "# end",
};

TEST(IniDocument, ChangingAKeyRewritesOnlyItsLineAndKeepsItsSpelling) {
    IniDocument doc(kFile);
    ASSERT_TRUE(doc.setValue(u"settings", u"FORMLEFT", u"-7"));
    QStringList expected = kFile;
    expected[3] = "FormLeft=-7";
    EXPECT_EQ(doc.lines(), expected);
}

TEST(IniDocument, NewKeyGoesAfterTheSectionsLastLineBeforeTheBlankSeparator) {
    IniDocument doc(kFile);
    ASSERT_TRUE(doc.setValue(u"Settings", u"FormTop", u"20"));
    QStringList expected = kFile;
    expected.insert(5, "FormTop=20");
    EXPECT_EQ(doc.lines(), expected);
}

TEST(IniDocument, NewSectionIsAppendedAfterABlankLine) {
    IniDocument doc(kFile);
    ASSERT_TRUE(doc.setValue(u" MAIN ", u" Lang ", u"C:\\x;y.lng"));
    QStringList expected = kFile;
    expected << ""
             << "[MAIN]"
             << "Lang=C:\\x;y.lng";
    EXPECT_EQ(doc.lines(), expected);
    EXPECT_EQ(doc.value(u"main", u"lang"), QStringLiteral("C:\\x;y.lng"));
}

TEST(IniDocument, SeveralKeysReplaceInPlaceAndAppendNewOnesInOrder) {
    IniDocument doc(kFile);
    ASSERT_TRUE(doc.setValues(
        u"settings", {{"formleft", "1"}, {"FormTop", "2"}, {"FormWidth", "3"}, {"FORMTOP", "4"}}));
    QStringList expected = kFile;
    expected[3] = "FormLeft=1";
    expected.insert(5, "FormTop=4");
    expected.insert(6, "FormWidth=3");
    EXPECT_EQ(doc.lines(), expected);
}

TEST(IniDocument, SeveralKeysMatchOneAtATime) {
    std::vector<std::pair<QString, QString>> keys;
    for (int i = 1; i <= 300; ++i) {
        keys.emplace_back(QStringLiteral("D%1").arg(i), QString::number(i));
    }
    IniDocument together(kFile);
    IniDocument oneByOne(kFile);
    ASSERT_TRUE(together.setValues(u"DIAM_N", keys));
    for (const auto& [key, value] : keys) {
        ASSERT_TRUE(oneByOne.setValue(u"DIAM_N", key, value));
    }
    EXPECT_EQ(together.lines(), oneByOne.lines());
    EXPECT_EQ(together.entries(u"diam_n").size(), keys.size());
}

TEST(IniDocument, OneBadKeyRefusesTheWholeBatch) {
    IniDocument doc(kFile);
    EXPECT_FALSE(doc.setValues(u"SETTINGS", {{"FormLeft", "1"}, {"Bad=Key", "2"}}));
    EXPECT_EQ(doc.lines(), kFile);
}

TEST(IniDocument, FirstWriteToAnEmptyDocument) {
    IniDocument doc;
    ASSERT_TRUE(doc.setValue(u"s", u"k", u"v"));
    EXPECT_EQ(doc.lines(), QStringList({"[s]", "k=v"}));
}

struct RefusedCase {
    const char* name;
    QString section;
    QString key;
    QString value;
};

class IniRefusedWriteTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(IniRefusedWriteTest, LeavesTheDocumentUnchanged) {
    IniDocument doc(kFile);
    EXPECT_FALSE(
        IniDocument::checkEntry(GetParam().section, GetParam().key, GetParam().value).isEmpty());
    EXPECT_FALSE(doc.setValue(GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(doc.lines(), kFile);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, IniRefusedWriteTest,
    ::testing::Values(RefusedCase{"empty_key", "SETTINGS", " ", "1"},
                      RefusedCase{"empty_section", "", "k", "1"},
                      RefusedCase{"line_feed_in_value", "SETTINGS", "k", "1\n[MAIN]"},
                      RefusedCase{"carriage_return_in_value", "SETTINGS", "k", "1\r2"},
                      RefusedCase{"line_separator_in_key", "SETTINGS", "a\u2028b", "1"},
                      RefusedCase{"bracket_in_section", "a]b", "k", "1"},
                      RefusedCase{"equals_in_key", "SETTINGS", "a=b", "1"},
                      RefusedCase{"key_like_a_section", "SETTINGS", "[k", "1"},
                      RefusedCase{"key_like_a_comment", "SETTINGS", ";k", "1"},
                      RefusedCase{"key_like_a_hash_comment", "SETTINGS", "#k", "1"}),
    kthread::test::RowName());

} // namespace
} // namespace kthread
