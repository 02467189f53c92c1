// The languages the settings file offers: its "LANGUAGES" entries whose language file exists
// beside the program and names itself in a [MAIN] section, in the order of the entries, and the
// language to start with.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace kthread {

class IniFile;

// One "LANGUAGES" value: the language file name and the help file name, blanks around each
// removed; without ";" the whole value is the language file and there is no help file.
struct LanguageEntryNames {
    QString languageFile;
    QString helpFile;
};
LanguageEntryNames SplitLanguageEntry(const QString& value);

// A usable language: its file, its help file name (may be empty) and how it names itself. A key
// missing from the file's [MAIN] reads as "Error".
struct LanguageChoice {
    QString path;
    QString helpFile;
    QString name;
    QString code;
    QString flag;
};

// The entries "0", "1", ... of `settings` up to the first missing number, each looked up in
// `languagesFolder`; an entry whose file is missing or has no [MAIN] section is left out.
std::vector<LanguageChoice> ReadLanguageList(const IniFile& settings,
                                             const QString& languagesFolder);

// The index of the language whose path is `storedPath` (letter case ignored); the first one when
// none is; nothing when the list is empty.
std::optional<int> StartLanguageIndex(const std::vector<LanguageChoice>& languages,
                                      const QString& storedPath);

} // namespace kthread
