// Where and how the window is placed: the placement record restored at the first show, kept up
// to date while the window is moved and sized, and followed through maximise, restore and
// minimise, whether the window's own commands or the window manager change the state.
#include "window/TfrmRuZede.h"

#include "storage/IniFile.h"
#include "storage/ProgramPaths.h"
#include "window/FlagGuard.h"

#include <QEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

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
    FPlacement.startCentred(WorkArea());
    setGeometry(FPlacement.record().bounds());
    // The window keeps its minimum size, so the record takes what the window really got.
    FPlacement.takeGranted(geometry());

    ReadStoredPlacement(IniFile(SettingsFilePath()), FPlacement.storedValues());

    FPlacement.lock();
    {
        const FlagGuard own(FOwnStateChange);
        // The normal bounds are set in every state, so that leaving a minimised or maximised
        // start returns to them.
        setGeometry(FPlacement.record().bounds());
        switch (FPlacement.record().FFormState) {
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
    FPlacement.finishPlacing();
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
    }
}

// Some window managers put the new window where it was asked to go without telling the window
// system's client side, which then still has it where it was created: menus and drop-down lists
// would open far from their buttons and a drag by the window system would jump. Once the window
// is on the screen, its position is told again.
void TfrmRuZede::ConfirmPlacedPosition() {
    QWindow* handle = windowHandle();
    if (handle == nullptr || FPositionConfirmed || !handle->isExposed()) {
        return;
    }
    FPositionConfirmed = true;
    handle->removeEventFilter(this);
    if ((windowState() & kNotNormal) == 0 && handle->position() != pos()) {
        handle->setPosition(pos());
    }
}

void TfrmRuZede::TrackPlacement() {
    FPlacement.track(geometry(), (windowState() & kNotNormal) != 0);
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
    // The frame's lines follow the size, so all of it is drawn again.
    update();
    if (event->size().width() != event->oldSize().width()) {
        FitLayoutToTexts();
    }
    ScheduleTrackPlacement();
}

void TfrmRuZede::SetStateOwnCommand(Qt::WindowStates state) {
    const FlagGuard own(FOwnStateChange);
    setWindowState(state);
}

void TfrmRuZede::btnMaximizeClick() {
    FPlacement.maximise(geometry(), (windowState() & kNotNormal) != 0);
    SetStateOwnCommand((windowState() & ~kNotNormal) | Qt::WindowMaximized);
}

void TfrmRuZede::btnRestoreClick() {
    ApplyRestoredBounds(FPlacement.restore());
}

void TfrmRuZede::ApplyRestoredBounds(const QRect& bounds) {
    const FlagGuard own(FOwnStateChange);
    setWindowState(windowState() & ~kNotNormal);
    setGeometry(bounds);
}

void TfrmRuZede::btnMinimizeClick() {
    FPlacement.minimise();
    SetStateOwnCommand(windowState() | Qt::WindowMinimized);
}

void TfrmRuZede::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    if (!FOwnStateChange) {
        FollowWindowManagerState(windowState());
    }
    ShowCaptionButtons();
}

// The window manager maximises, restores and minimises the window on its own (title bar buttons,
// double clicks, keyboard shortcuts); the record follows as it does for the window's commands.
void TfrmRuZede::FollowWindowManagerState(Qt::WindowStates now) {
    // Geometry reported together with the new state belongs to that state.
    FTrackPending = false;
    const std::optional<QRect> restored = FPlacement.followWindowManager(
        (now & Qt::WindowMinimized) != 0, (now & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0,
        geometry());
    if (restored) {
        ApplyRestoredBounds(*restored);
    }
}

} // namespace kthread
