// The rules behind ProgramPaths, as functions of the installation they look at, so that each
// kind of installation can be checked without moving the running program.
#pragma once

#include <QString>
#include <QStringList>

namespace kthread {

inline constexpr QStringView kSettingsFileName = u"kthread.ini";
inline constexpr QStringView kLanguagesFolderName = u"Languages";
// The program's folder below an installation's data folder ("<prefix>/share/kthread-pd").
inline constexpr QStringView kInstalledDataName = u"kthread-pd";

// kthread.ini beside the program when its folder is writable (a portable installation, a build
// tree); otherwise in `perUserConfigFolder`.
QString SettingsFileIn(const QString& programFolder, bool programFolderWritable,
                       const QString& perUserConfigFolder);

// "Languages" beside the program when it exists there; else the first "Languages" folder that
// exists in `installedDataFolders`; else the one beside the program.
QString LanguagesFolderIn(const QString& programFolder, const QStringList& installedDataFolders);

} // namespace kthread
