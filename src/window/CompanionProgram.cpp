#include "window/CompanionProgram.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kthread {

bool CompanionProgramRunning() {
#ifdef Q_OS_WIN
    return FindWindowW(L"TfrmPrgGavik", nullptr) != nullptr;
#else
    return false;
#endif
}

} // namespace kthread
