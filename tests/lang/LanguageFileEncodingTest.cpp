#include "lang/LanguageTable.h"
#include "support/TestNames.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kthread {
namespace {

// Language files come in every encoding and with every line end; each pair must load.
struct FileFormat {
    std::string name;
    QByteArray mark;
    QStringConverter::Encoding encoding;
    QString lineEnd;
};

std::vector<FileFormat> AllFormats() {
    const std::vector<FileFormat> encodings = {
        {"utf16_le", QByteArray("\xFF\xFE", 2), QStringConverter::Utf16LE, {}},
        {"utf16_be", QByteArray("\xFE\xFF", 2), QStringConverter::Utf16BE, {}},
        {"utf8_with_mark", QByteArray("\xEF\xBB\xBF", 3), QStringConverter::Utf8, {}},
        {"utf8_without_mark", {}, QStringConverter::Utf8, {}},
#ifndef Q_OS_WIN
        // Latin-1 bytes are the Windows-1252 bytes for these letters.
        {"eight_bit", {}, QStringConverter::Latin1, {}},
#endif
    };
    const std::vector<std::pair<std::string, QString>> lineEnds = {
        {"cr_lf", QStringLiteral("\r\n")},
        {"lf", QStringLiteral("\n")},
        {"cr", QStringLiteral("\r")},
        {"line_separator", QStringLiteral("\u2028")},
    };
    std::vector<FileFormat> formats;
    for (const auto& encoding : encodings) {
        for (const auto& [name, lineEnd] : lineEnds) {
            // An 8-bit file cannot hold U+2028.
            if (encoding.encoding == QStringConverter::Latin1 && lineEnd.at(0).unicode() > 0xFF) {
                continue;
            }
            formats.push_back(
                {encoding.name + "_" + name, encoding.mark, encoding.encoding, lineEnd});
        }
    }
    return formats;
}

class LanguageFileEncodingTest : public ::testing::TestWithParam<FileFormat> {};

TEST_P(LanguageFileEncodingTest, LoadsTheTextEntriesWithTheirAccents) {
    const QStringList lines = {
        "[MAIN]",
        "flag=FRA",
        "name=Français (France)",
        "code=FR",
        "",
        "[TEXT]",
        "0001=Filetage extérieur",
        "0002=Filetage intérieur",
        "0034=Trois fils ",
        "0100=Mesurez à 20 °C.",
    };
    QString text;
    for (const QString& line : lines) {
        text += line + GetParam().lineEnd;
    }
    QStringEncoder encoder(GetParam().encoding);
    const QByteArray bytes = GetParam().mark + QByteArray(encoder.encode(text));
    ASSERT_FALSE(encoder.hasError());

    QTemporaryDir dir;
    QFile file(dir.filePath("fr.lng"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    ASSERT_TRUE(LoadLanguageFile(file.fileName()));
    EXPECT_EQ(LanguageTable(), lines.mid(6));
    EXPECT_EQ(LangText(1), QStringLiteral("Filetage extérieur"));
    EXPECT_EQ(LangText(2), QStringLiteral("Filetage intérieur"));
    EXPECT_EQ(LangText(34), QStringLiteral("Trois fils "));
    EXPECT_EQ(LangText(100), QStringLiteral("Mesurez à 20 °C."));
}

INSTANTIATE_TEST_SUITE_P(EncodingsAndLineEnds, LanguageFileEncodingTest,
                         ::testing::ValuesIn(AllFormats()), kthread::test::RowName());

} // namespace
} // namespace kthread
