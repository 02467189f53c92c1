// The larger thread program of the same maker shares the per-user store; while its main window
// is open, the store is left to it.
#pragma once

namespace kthread {

// True while a top-level window of class "TfrmPrgGavik" exists. Only Windows has that program;
// elsewhere always false.
bool CompanionProgramRunning();

} // namespace kthread
