#include "window/LanguageList.h"

#include "storage/IniFile.h"
#include "window/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace kthread {

LanguageEntryNames SplitLanguageEntry(const QString& value) {
    const qsizetype separator = value.indexOf(QLatin1Char(';'));
    if (separator < 0) {
        return {value.trimmed(), {}};
    }
    return {value.left(separator).trimmed(), value.mid(separator + 1).trimmed()};
}

std::vector<LanguageChoice> ReadLanguageList(const IniFile& settings,
                                             const QString& languagesFolder) {
    // One read of the settings file; the first of two equal keys counts, as in a profile file.
    QHash<QString, QString> entries;
    for (const auto& [key, value] : settings.readSection(settings::kLanguageListSection)) {
        if (!entries.contains(key.trimmed())) {
            entries.insert(key.trimmed(), value);
        }
    }

    std::vector<LanguageChoice> languages;
    const QDir folder(languagesFolder);
    for (int number = 0;; ++number) {
        const auto entry = entries.constFind(QString::number(number));
        if (entry == entries.cend()) {
            break;
        }
        const LanguageEntryNames names = SplitLanguageEntry(*entry);
        if (names.languageFile.isEmpty()) {
            continue;
        }
        const QString path = folder.filePath(names.languageFile);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        const IniFile languageFile(path);
        if (!languageFile.sectionExists(settings::kLanguageMainSection)) {
            continue;
        }
        const auto main = languageFile.readSection(settings::kLanguageMainSection);
        const auto mainValue = [&main](QLatin1String key) {
            for (const auto& [name, value] : main) {
                if (name.compare(key, Qt::CaseInsensitive) == 0) {
                    return value;
                }
            }
            return QString(settings::kMissingLanguageKeyText);
        };
        languages.push_back({path, names.helpFile, mainValue(settings::kLanguageNameKey),
                             mainValue(settings::kLanguageCodeKey),
                             mainValue(settings::kLanguageFlagKey)});
    }
    return languages;
}

std::optional<int> StartLanguageIndex(const std::vector<LanguageChoice>& languages,
                                      const QString& storedPath) {
    if (languages.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].path.compare(storedPath, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace kthread
