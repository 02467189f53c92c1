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
// The starter settings file built into the program, the last template of a first start.
inline constexpr QStringView kBuiltInStarterSettings = u":/starter/kthread.ini";

// Creating a file is the only test that holds on every platform (on Windows the permission bits
// do not tell).
bool CanCreateFilesIn(const QString& folder);

// "<prefix>/bin" of an installation: the folder has the installation's data folder
// "<prefix>/share/kthread-pd" beside it. Such a folder is shared by every user and by other
// programs (/usr/bin), so the settings file never lives there, even for a user who may write
// into it (root).
bool IsInstalledProgramFolder(const QString& programFolder);

// Whether kthread.ini lives beside the program: the folder can be saved to (`folderSavable`,
// found by the caller) and is not an installation's program folder.
bool SettingsBelongBesideProgram(const QString& programFolder, bool folderSavable);

// Where the settings file lives for one run of the program.
struct SettingsFileChoice {
    QString path;
    // The file the per-user settings file was started from, when it was created just now.
    QString copiedFrom;
    // Why changes cannot be saved to `path`; empty when they can.
    QString problem;
};

// kthread.ini beside the program when `besideProgram` (see SettingsBelongBesideProgram: a
// portable installation, a build tree); otherwise in `perUserConfigFolder`, which is created when
// missing. A settings file that does not exist yet starts as a copy of the first regular file
// among `templates` (for the per-user file: the file beside the program, so that the catalogues
// kept there are not hidden behind an empty file; then the installation's starter file, then the
// one built into the program), so that a first start has its language list and starter
// catalogues.
SettingsFileChoice ChooseSettingsFile(const QString& programFolder, bool besideProgram,
                                      const QString& perUserConfigFolder,
                                      const QStringList& templates);

// "Languages" beside the program when it exists there; else the first "Languages" folder that
// exists in `installedDataFolders`; else the one beside the program.
QString LanguagesFolderIn(const QString& programFolder, const QStringList& installedDataFolders);

} // namespace kthread
