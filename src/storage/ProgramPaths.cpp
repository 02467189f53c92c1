#include "storage/ProgramPaths.h"

#include "storage/ProgramPathRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kthread {
namespace {

QString& OverriddenSettingsFile() {
    static QString path;
    return path;
}

// Creating a file is the only test that holds on every platform (on Windows the permission
// bits do not tell).
bool IsWritableFolder(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("kthread-probe-XXXXXX")));
    return probe.open();
}

QString PerUserConfigFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Brellmont/VuvozeVI"));
}

QStringList InstalledDataFolders(const QString& programFolder) {
    const QString name = kInstalledDataName.toString();
    // "<prefix>/bin/kthread-pd" finds "<prefix>/share/kthread-pd" whatever the prefix.
    QStringList folders{QDir::cleanPath(programFolder + QStringLiteral("/../share/") + name)};
    for (const QString& dataFolder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders.append(QDir(dataFolder).filePath(name));
    }
    return folders;
}

} // namespace

QString ProgramFolder() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
#ifdef Q_OS_LINUX
    // Before the application object exists (static initialisation, tools).
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!executable.isEmpty()) {
        return QFileInfo(executable).absolutePath();
    }
#endif
    return QDir::currentPath();
}

QString LanguagesFolder() {
    const QString programFolder = ProgramFolder();
    return LanguagesFolderIn(programFolder, InstalledDataFolders(programFolder));
}

QString SettingsFilePath() {
    if (!OverriddenSettingsFile().isEmpty()) {
        return OverriddenSettingsFile();
    }
    const QString programFolder = ProgramFolder();
    const bool writable = IsWritableFolder(programFolder);
    const QString perUser = PerUserConfigFolder();
    if (!writable) {
        // The settings layer creates files, not folders.
        QDir().mkpath(perUser);
    }
    return SettingsFileIn(programFolder, writable, perUser);
}

void OverrideSettingsFilePath(const QString& path) {
    OverriddenSettingsFile() = path;
}

} // namespace kthread
