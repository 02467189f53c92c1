// Test seam of the settings-file layer.
#pragma once

#include <functional>

class QSaveFile;

namespace kthread {

// Runs `hook` after a write has filled the temporary file and before that file is renamed into
// place. A hook that calls QSaveFile::cancelWriting() makes the write fail at that point, as a
// crash or a full disk would. An empty function removes the hook.
void SetIniBeforeCommitHook(std::function<void(QSaveFile&)> hook);

} // namespace kthread
