#include "storage/ProgramPathRules.h"

#include "text/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <optional>

namespace kthread {

bool CanCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("kthread-probe-XXXXXX")));
    return probe.open();
}

bool IsInstalledProgramFolder(const QString& programFolder) {
    const QString dataFolder = QStringLiteral("/../share/") + kInstalledDataName.toString();
    return QFileInfo(QDir::cleanPath(programFolder + dataFolder)).isDir();
}

bool SettingsBelongBesideProgram(const QString& programFolder, bool folderSavable) {
    return folderSavable && !IsInstalledProgramFolder(programFolder);
}

namespace {

// Copies `from` to `to` through a temporary file, so that `to` is either absent or complete.
QString CopyWhole(const QString& from, const QString& to) {
    QString error;
    const std::optional<QByteArray> bytes = ReadWholeFile(from, &error);
    if (!bytes) {
        return error;
    }
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.flush() ||
        !file.commit()) {
        return file.errorString();
    }
    return {};
}

// Copies the first regular file among `templates` (other than the settings file itself) to the
// chosen path. False, with the problem noted, when the copy failed.
bool StartFromTemplate(SettingsFileChoice& choice, const QStringList& templates) {
    for (const QString& candidate : templates) {
        if (!QFileInfo(candidate).isFile() ||
            QFileInfo(candidate).absoluteFilePath() == QFileInfo(choice.path).absoluteFilePath()) {
            continue;
        }
        if (const QString error = CopyWhole(candidate, choice.path); !error.isEmpty()) {
            choice.problem =
                QStringLiteral("%1 cannot be copied to %2: %3").arg(candidate, choice.path, error);
            return false;
        }
        choice.copiedFrom = candidate;
        return true;
    }
    return true;
}

} // namespace

SettingsFileChoice ChooseSettingsFile(const QString& programFolder, bool besideProgram,
                                      const QString& perUserConfigFolder,
                                      const QStringList& templates) {
    const QString fileName = kSettingsFileName.toString();
    SettingsFileChoice choice;
    if (besideProgram) {
        choice.path = QDir(programFolder).filePath(fileName);
        const QFileInfo beside(choice.path);
        if (!beside.exists() && !beside.isSymLink()) {
            // A first start: the file begins as the installation's starter file.
            StartFromTemplate(choice, templates);
        }
        return choice;
    }
    choice.path = QDir(perUserConfigFolder).filePath(fileName);
    if (!QDir().mkpath(perUserConfigFolder)) {
        choice.problem = QStringLiteral("the folder %1 cannot be created").arg(perUserConfigFolder);
        return choice;
    }
    const QFileInfo perUser(choice.path);
    if (!perUser.exists() && !perUser.isSymLink()) {
        if (!StartFromTemplate(choice, templates)) {
            return choice;
        }
    } else if (QString error; perUser.isDir() || !ReadWholeFile(choice.path, &error)) {
        // Never written from a state that could not be read.
        choice.problem =
            QStringLiteral("%1 cannot be read: %2")
                .arg(choice.path, error.isEmpty() ? QStringLiteral("a folder") : error);
        return choice;
    }
    if (!CanCreateFilesIn(perUserConfigFolder)) {
        choice.problem = QStringLiteral("the folder %1 cannot be written").arg(perUserConfigFolder);
    }
    return choice;
}

QString LanguagesFolderIn(const QString& programFolder, const QStringList& installedDataFolders) {
    const QString besideProgram = QDir(programFolder).filePath(kLanguagesFolderName.toString());
    if (QFileInfo(besideProgram).isDir()) {
        return besideProgram;
    }
    for (const QString& dataFolder : installedDataFolders) {
        const QString installed = QDir(dataFolder).filePath(kLanguagesFolderName.toString());
        if (QFileInfo(installed).isDir()) {
            return installed;
        }
    }
    return besideProgram;
}

} // namespace kthread
