#include "storage/ProgramPaths.h"

#include "storage/ProgramPathRules.h"
#include "storage/ProgramPathsTesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>
#include <optional>

namespace kthread {
namespace {

QString& OverriddenSettingsFile() {
    static QString path;
    return path;
}

QString& OverriddenLanguagesFolder() {
    static QString folder;
    return folder;
}

std::optional<SettingsFileChoice>& DecidedSettingsFile() {
    static std::optional<SettingsFileChoice> choice;
    return choice;
}

std::function<bool(const QString&)>& FolderProbe() {
    static std::function<bool(const QString&)> probe;
    return probe;
}

// The settings file beside the program can be saved when the folder takes new files (the write
// goes through a temporary file there) and an existing file may be replaced.
bool SavableBesideProgram(const QString& programFolder) {
    const bool folderWritable =
        FolderProbe() ? FolderProbe()(programFolder) : CanCreateFilesIn(programFolder);
    const QFileInfo file(QDir(programFolder).filePath(kSettingsFileName.toString()));
    return folderWritable && (!file.exists() || (file.isFile() && file.isWritable()));
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
    if (!OverriddenLanguagesFolder().isEmpty()) {
        return OverriddenLanguagesFolder();
    }
    const QString programFolder = ProgramFolder();
    return LanguagesFolderIn(programFolder, InstalledDataFolders(programFolder));
}

const SettingsFileChoice& DecideSettingsFile() {
    std::optional<SettingsFileChoice>& choice = DecidedSettingsFile();
    if (!choice) {
        const QString programFolder = ProgramFolder();
        QStringList templates{QDir(programFolder).filePath(kSettingsFileName.toString())};
        for (const QString& dataFolder : InstalledDataFolders(programFolder)) {
            templates.append(QDir(dataFolder).filePath(kSettingsFileName.toString()));
        }
        templates.append(kBuiltInStarterSettings.toString());
        const bool besideProgram =
            SettingsBelongBesideProgram(programFolder, SavableBesideProgram(programFolder));
        choice = ChooseSettingsFile(programFolder, besideProgram, PerUserConfigFolder(), templates);
    }
    return *choice;
}

QString SettingsFilePath() {
    if (!OverriddenSettingsFile().isEmpty()) {
        return OverriddenSettingsFile();
    }
    return DecideSettingsFile().path;
}

void ForgetSettingsFileDecision() {
    DecidedSettingsFile().reset();
}

void SetProgramFolderProbe(std::function<bool(const QString&)> probe) {
    FolderProbe() = std::move(probe);
}

void OverrideSettingsFilePath(const QString& path) {
    OverriddenSettingsFile() = path;
}

void OverrideLanguagesFolder(const QString& folder) {
    OverriddenLanguagesFolder() = folder;
}

} // namespace kthread
