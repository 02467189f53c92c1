#include "window/PlacementState.h"

namespace kthread {

void PlacementState::startCentred(const QRect& workArea) {
    FPlacement = CentredPlacement(workArea);
    FBoundsBeforeLastTrack = QRect();
}

void PlacementState::track(const QRect& current, bool windowNotNormal) {
    if (FPlacementLock || windowNotNormal) {
        return;
    }
    if (current != FPlacement.bounds()) {
        FBoundsBeforeLastTrack = FPlacement.bounds();
        FPlacement.setBounds(current);
    }
}

void PlacementState::maximise(const QRect& current, bool windowNotNormal) {
    FPlacementLock = true;
    if (FPlacement.FFormState == FormState::Normal && !windowNotNormal) {
        FPlacement.setBounds(current);
    }
    FPlacement.FFormState = FormState::Maximised;
}

QRect PlacementState::restore() {
    FPlacement.FFormState = FormState::Normal;
    FPlacementLock = false;
    return FPlacement.bounds();
}

std::optional<QRect> PlacementState::followWindowManager(bool minimised, bool maximised,
                                                         const QRect& current) {
    if (minimised) {
        FPlacementLock = true;
        return std::nullopt;
    }
    if (maximised) {
        if (FPlacement.FFormState != FormState::Maximised) {
            // The maximised bounds may have been tracked before the state was reported: the
            // record then goes back to the bounds it held before.
            if (FPlacement.bounds() == current && FBoundsBeforeLastTrack.isValid()) {
                FPlacement.setBounds(FBoundsBeforeLastTrack);
            }
            FPlacement.FFormState = FormState::Maximised;
        }
        FPlacementLock = true;
        return std::nullopt;
    }
    if (FPlacement.FFormState == FormState::Maximised) {
        return restore();
    }
    // Back from minimised to a normal window (also one that started minimised).
    FPlacement.FFormState = FormState::Normal;
    FPlacementLock = false;
    track(current, false);
    return std::nullopt;
}

} // namespace kthread
