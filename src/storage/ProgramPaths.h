// The one place that decides where the program's files live.
#pragma once

#include <QString>

namespace kthread {

// The folder of the running executable.
QString ProgramFolder();
// The "Languages" folder: beside the program, or in the installed data folder when the program
// runs from a system prefix.
QString LanguagesFolder();
// kthread.ini: in the program's folder when that folder is writable, else in the per-user
// configuration folder.
QString SettingsFilePath();

// For tests and isolated runs: make SettingsFilePath() return `path` (empty restores the rule).
void OverrideSettingsFilePath(const QString& path);

} // namespace kthread
