#include "storage/ProgramPathRules.h"

#include <QDir>
#include <QFileInfo>

namespace kthread {

QString SettingsFileIn(const QString& programFolder, bool programFolderWritable,
                       const QString& perUserConfigFolder) {
    const QString folder = programFolderWritable ? programFolder : perUserConfigFolder;
    return QDir(folder).filePath(kSettingsFileName.toString());
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
