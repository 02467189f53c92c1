// Where and how the window is placed: the placement record restored at the first show, kept up
// to date while the window is moved and sized, and followed through maximise, restore and
// minimise, whether the window's own commands or the window manager change the state.
#include "window/TfrmRuZede.h"

#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "window/FlagGuard.h"

#include <QEvent>
#include <QScreen>

namespace kthread {

namespace {

constexpr Qt::WindowStates kNotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

QRect TfrmRuZede::WorkArea() const {
    if (const QScreen* shownOn = screen()) {
        return shownOn->availableGeometry();
    }
    return geometry();
}

void TfrmRuZede::RestorePlacement() {
    FPlacement = CentredPlacement(WorkArea());
    setGeometry(FPlacement.bounds());
    // The window keeps its minimum size, so the record takes what the window really got.
    TrackPlacement();

    ReadStoredPlacement(IniFile(SettingsFilePath()), FPlacement);

    FPlacementLock = true;
    {
        const FlagGuard own(FOwnStateChange);
        // The normal bounds are set in every state, so that leaving a minimised or maximised
        // start returns to them.
        setGeometry(FPlacement.bounds());
        switch (FPlacement.FFormState) {
        case FormState::Minimised:
            setWindowState(Qt::WindowMinimized);
            break;
        case FormState::Maximised:
            setWindowState(Qt::WindowMaximized);
            break;
        default:
            update();
            break;
        }
    }
    FPlacementLock = FPlacement.FFormState == FormState::Maximised;
}

void TfrmRuZede::TrackPlacement() {
    if (FPlacementLock || (windowState() & kNotNormal)) {
        return;
    }
    const QRect current = geometry();
    if (current != FPlacement.bounds()) {
        FBoundsBeforeLastTrack = FPlacement.bounds();
        FPlacement.setBounds(current);
    }
}

// A change of geometry arrives as a move and a resize (the first one seeing half of the new
// bounds), and a window manager may report a maximise as geometry first and state second. The
// record is therefore updated once the events of that round have all arrived.
void TfrmRuZede::ScheduleTrackPlacement() {
    if (FTrackPending) {
        return;
    }
    FTrackPending = true;
    QMetaObject::invokeMethod(
        this, [this] { FlushTrackPlacement(); }, Qt::QueuedConnection);
}

void TfrmRuZede::FlushTrackPlacement() {
    if (FTrackPending) {
        FTrackPending = false;
        TrackPlacement();
    }
}

void TfrmRuZede::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    ScheduleTrackPlacement();
}

void TfrmRuZede::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ScheduleTrackPlacement();
}

void TfrmRuZede::SetStateOwnCommand(Qt::WindowStates state) {
    const FlagGuard own(FOwnStateChange);
    setWindowState(state);
}

void TfrmRuZede::btnMaximizeClick() {
    FPlacementLock = true;
    if (FPlacement.FFormState == FormState::Normal && !(windowState() & kNotNormal)) {
        FPlacement.setBounds(geometry());
    }
    FPlacement.FFormState = FormState::Maximised;
    // The lock stays set while the window is maximised.
    SetStateOwnCommand((windowState() & ~kNotNormal) | Qt::WindowMaximized);
}

void TfrmRuZede::btnRestoreClick() {
    FPlacementLock = true;
    FPlacement.FFormState = FormState::Normal;
    {
        const FlagGuard own(FOwnStateChange);
        setWindowState(windowState() & ~kNotNormal);
        setGeometry(FPlacement.bounds());
    }
    FPlacementLock = false;
}

void TfrmRuZede::btnMinimizeClick() {
    // The lock stays set until the window comes back.
    FPlacementLock = true;
    SetStateOwnCommand(windowState() | Qt::WindowMinimized);
}

void TfrmRuZede::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !FOwnStateChange) {
        FollowWindowManagerState(windowState());
    }
}

// The window manager maximises, restores and minimises the window on its own (title bar buttons,
// double clicks, keyboard shortcuts); the record follows as it does for the window's commands.
void TfrmRuZede::FollowWindowManagerState(Qt::WindowStates now) {
    // Geometry reported together with the new state belongs to that state.
    FTrackPending = false;
    if (now & Qt::WindowMinimized) {
        FPlacementLock = true;
        return;
    }
    if (now & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        if (FPlacement.FFormState != FormState::Maximised) {
            // The maximised bounds may have been tracked before the state was reported: the
            // record then goes back to the bounds it held before.
            if (FPlacement.bounds() == geometry() && FBoundsBeforeLastTrack.isValid()) {
                FPlacement.setBounds(FBoundsBeforeLastTrack);
            }
            FPlacement.FFormState = FormState::Maximised;
        }
        FPlacementLock = true;
        return;
    }
    if (FPlacement.FFormState == FormState::Maximised) {
        // Back from maximised: to the bounds the record keeps, as the restore command does.
        btnRestoreClick();
        return;
    }
    // Back from minimised to a normal window (also one that started minimised).
    FPlacement.FFormState = FormState::Normal;
    FPlacementLock = false;
    TrackPlacement();
}

} // namespace kthread
