// The window's placement state without the window: the placement record, the lock that keeps
// moves and resizes out of it while the window is maximised, minimised or being placed, and the
// rules by which the caption-bar commands and the window manager's own state changes update it.
// The window applies what these functions decide; tests call them directly.
#pragma once

#include "window/WindowPlacement.h"

#include <QRect>
#include <optional>

namespace kthread {

class PlacementState {
public:
    const PlacementRecord& record() const { return FPlacement; }
    bool locked() const { return FPlacementLock; }

    // First show: the default size centred in the work area; `granted` is what the window really
    // got for it (its minimum size may be larger). Then the stored values, read by the caller.
    void startCentred(const QRect& workArea);
    void takeGranted(const QRect& granted) { track(granted, false); }
    PlacementRecord& storedValues() { return FPlacement; }
    // After the stored values are applied to the window: locked only when it is maximised.
    void finishPlacing() { FPlacementLock = FPlacement.FFormState == FormState::Maximised; }
    void lock() { FPlacementLock = true; }

    // A move or resize of the window to `current`; ignored while locked or while the window is
    // not in its normal state.
    void track(const QRect& current, bool windowNotNormal);

    // Maximise command, with the window's bounds and state before it. Stays locked.
    void maximise(const QRect& current, bool windowNotNormal);
    // Restore command: the bounds to give the window; unlocks.
    QRect restore();
    // Minimise command: locked until the window comes back.
    void minimise() { FPlacementLock = true; }

    // The window manager changed the state by itself. When it returned a maximised window to
    // normal, the result holds the bounds to restore (as the restore command does).
    std::optional<QRect> followWindowManager(bool minimised, bool maximised, const QRect& current);

private:
    PlacementRecord FPlacement;
    bool FPlacementLock = false;
    // The bounds the record held before its last tracked change: a window manager may report the
    // maximised bounds before it reports the maximised state.
    QRect FBoundsBeforeLastTrack;
};

} // namespace kthread
