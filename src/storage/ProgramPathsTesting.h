// Test seams of the settings-file location.
#pragma once

#include <QString>
#include <functional>

namespace kthread {

// Makes the next DecideSettingsFile() decide afresh.
void ForgetSettingsFileDecision();

// Replaces the test of whether the program's folder takes new files (an empty function restores
// the real test): a test run as root can write into any folder.
void SetProgramFolderProbe(std::function<bool(const QString&)> probe);

} // namespace kthread
