// The starter kthread.ini as it ships: its language list against the files that ship beside the
// program, and its two probe catalogues as the catalogue page loads them.
#include "ShippedFiles.h"

#include "storage/IniFile.h"
#include "storage/catalog/CatalogSection.h"

#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>
#include <vector>

namespace kthread {
namespace {

struct LanguageEntry {
    QString key;
    QString languageFile;
    QString helpFile;
};

// Split as the language menu splits a value: at the first ";", blanks around each part trimmed.
std::vector<LanguageEntry> LanguageEntries() {
    std::vector<LanguageEntry> entries;
    const IniFile settings(shipped::StarterSettingsPath());
    for (const auto& [key, value] : settings.readSection(QStringLiteral("LANGUAGES"))) {
        const qsizetype split = value.indexOf(u';');
        entries.push_back({key, value.left(split).trimmed(),
                           split < 0 ? QString() : value.mid(split + 1).trimmed()});
    }
    return entries;
}

TEST(StarterSettings, LanguageKeysRunFromZeroWithoutAGap) {
    // The menu stops reading at the first missing number.
    const std::vector<LanguageEntry> entries = LanguageEntries();
    ASSERT_FALSE(entries.empty());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].key, QString::number(i));
    }
}

TEST(StarterSettings, ListsEveryShippedLanguageFileOnceAndNothingElse) {
    QSet<QString> listed;
    for (const LanguageEntry& entry : LanguageEntries()) {
        EXPECT_TRUE(QFileInfo(shipped::LanguagesFolder().filePath(entry.languageFile)).isFile())
            << "entry " << entry.key.toStdString() << " names " << entry.languageFile.toStdString()
            << ", which is not shipped";
        EXPECT_FALSE(listed.contains(entry.languageFile))
            << entry.languageFile.toStdString() << " listed twice";
        listed.insert(entry.languageFile);
    }
    for (const QString& shippedFile : shipped::LanguageFileNames()) {
        EXPECT_TRUE(listed.contains(shippedFile))
            << shippedFile.toStdString() << " ships but is not in the language list";
    }
    EXPECT_EQ(LanguageEntries().front().languageFile, shipped::kReferenceLanguageFile)
        << "a fresh installation starts in the language of the built-in table";
}

TEST(StarterSettings, EveryEntryNamesAHelpFileThatShips) {
    QStringList missing;
    int present = 0;
    for (const LanguageEntry& entry : LanguageEntries()) {
        EXPECT_FALSE(entry.helpFile.isEmpty()) << "entry " << entry.key.toStdString();
        if (QFileInfo(shipped::LanguagesFolder().filePath(entry.helpFile)).isFile()) {
            ++present;
        } else if (!missing.contains(entry.helpFile)) {
            missing.append(entry.helpFile);
        }
    }
    if (present == 0) {
        GTEST_SKIP() << "no help file ships yet; named: " << missing.join(u", ").toStdString();
    }
    EXPECT_TRUE(missing.isEmpty())
        << "named but not shipped: " << missing.join(u", ").toStdString();
}

class StarterCatalogue : public ::testing::TestWithParam<const char*> {};

TEST_P(StarterCatalogue, LoadsEveryListedDiameterAscendingWithoutRepeats) {
    const IniFile settings(shipped::StarterSettingsPath());
    const QString section = QString::fromLatin1(GetParam());
    const auto entries = settings.readSection(section);
    const std::vector<double> diameters = ParseCatalogSection(entries);
    ASSERT_FALSE(diameters.empty());
    // COUNT and one D key per diameter, nothing left unread.
    EXPECT_EQ(settings.readInt(section, QStringLiteral("COUNT"), -1),
              static_cast<int>(diameters.size()));
    EXPECT_EQ(entries.size(), diameters.size() + 1);
    for (std::size_t i = 0; i < diameters.size(); ++i) {
        EXPECT_GT(diameters[i], 0.0) << "D" << i + 1;
        if (i > 0) {
            EXPECT_GT(diameters[i], diameters[i - 1]) << "D" << i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, StarterCatalogue, ::testing::Values("DIAM_N", "DIAM_S"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace kthread
