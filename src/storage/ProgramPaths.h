// The one place that decides where the program's files live.
#pragma once

#include "storage/ProgramPathRules.h"

#include <QString>

namespace kthread {

// The folder of the running executable.
QString ProgramFolder();
// The "Languages" folder: beside the program, or in the installed data folder when the program
// runs from a system prefix.
QString LanguagesFolder();
// Decides, at its first call, where kthread.ini lives for the rest of the run: in the program's
// folder when it can be saved there and is not an installation's "bin" folder (see
// SettingsBelongBesideProgram), else in the per-user configuration folder. A file that does not
// exist yet is started from a copy of the file beside the program, of the installation's starter
// file or of the starter file built into the program (see ChooseSettingsFile). A folder that
// becomes writable or read-only later changes nothing, so the catalogues are never split between
// two files or written over one another.
const SettingsFileChoice& DecideSettingsFile();
// The decided settings file (deciding it when that has not happened yet).
QString SettingsFilePath();

// For tests and isolated runs: make SettingsFilePath() return `path` (empty restores the rule).
void OverrideSettingsFilePath(const QString& path);
// For tests: make LanguagesFolder() return `folder` (empty restores the rule).
void OverrideLanguagesFolder(const QString& folder);

} // namespace kthread
