// Where the files that ship beside the program are found by the tests: the Languages folder of
// the build tree and the starter settings file as the repository keeps it.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

namespace kthread::shipped {

inline QDir LanguagesFolder() {
    return QDir(QStringLiteral(KTHREAD_LANGUAGES_FOLDER));
}

inline QString StarterSettingsPath() {
    return QStringLiteral(KTHREAD_STARTER_SETTINGS);
}

// The file whose texts the others are compared with: the one that matches the built-in table.
inline const QString kReferenceLanguageFile = QStringLiteral("english_uk.lng");

inline QStringList LanguageFileNames() {
    return LanguagesFolder().entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
}

// Every text number the program puts on a control: 0001-0045, 0051-0074, the banner texts and
// those of the thread designation (0110-0128) and of the uncertainty budget (0130-0158).
inline std::vector<int> ProgramTextNumbers() {
    std::vector<int> numbers;
    for (int n = 1; n <= 45; ++n) {
        numbers.push_back(n);
    }
    for (int n = 51; n <= 74; ++n) {
        numbers.push_back(n);
    }
    for (int n = 100; n <= 105; ++n) {
        numbers.push_back(n);
    }
    for (int n = 110; n <= 128; ++n) {
        numbers.push_back(n);
    }
    for (int n = 130; n <= 158; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

} // namespace kthread::shipped
