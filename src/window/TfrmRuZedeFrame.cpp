// The window's own frame: the grey border with its two dark lines, the caption bar with the
// program's icon, the title and the four glyph buttons, and moving and sizing the borderless
// window by the caption bar, by any bare area and by the strips along the left, right and bottom
// edges. The window system moves and sizes the window where it offers to (so window managers
// that place windows themselves keep doing it); elsewhere the window follows the mouse itself.
#include "window/TfrmRuZede.h"

#include "window/CaptionButton.h"
#include "window/FrameColours.h"
#include "window/TPaintBox.h"
#include "window/ToolIcons.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>
#include <QWindow>

namespace kthread {

namespace {

constexpr int kCaptionBarHeight = 23;
constexpr int kIconSize = 16;
constexpr QPoint kIconPosition(4, 3);
constexpr int kCaptionLeft = 26;
// The caption buttons from the right: close at width - 21, then 22 pixels apart.
constexpr int kCloseFromRight = 21;
constexpr int kButtonStep = 22;
constexpr int kButtonTop = 2;
// A press closer than this to the minimise button does not drag.
constexpr int kDragGapBeforeButtons = 5;
// The pointer travel that turns a press on the caption into a move.
constexpr int kMoveStartDistance = 3;
// The frame's inner line, inside the outer one.
constexpr int kInnerLineInset = 3;

CaptionButton* MakeCaptionButton(QWidget* parent, const char* name, CaptionGlyph glyph) {
    auto* button = new CaptionButton(glyph, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

QWidget* TfrmRuZede::BuildCaptionBar() {
    setWindowFlag(Qt::FramelessWindowHint);
    setMouseTracking(true);

    ui.Panel10 = new QWidget(this);
    ui.Panel10->setObjectName(QStringLiteral("Panel10"));
    ui.Panel10->setFixedHeight(kCaptionBarHeight);
    ui.Panel10->installEventFilter(this);

    ui.UPaintBox2 = new TPaintBox(ui.Panel10);
    ui.UPaintBox2->setObjectName(QStringLiteral("UPaintBox2"));
    connect(ui.UPaintBox2, &TPaintBox::paint, this,
            [this](QPainter& painter) { UPaintBox2Paint(painter); });
    connect(ui.UPaintBox2, &TPaintBox::mouseDown, this,
            [this](QMouseEvent* event) { UPaintBox2MouseDown(event); });
    connect(ui.UPaintBox2, &TPaintBox::mouseMove, this,
            [this](QMouseEvent* event) { UPaintBox2MouseMove(event); });
    connect(ui.UPaintBox2, &TPaintBox::mouseUp, this,
            [this](QMouseEvent* event) { UPaintBox2MouseUp(event); });
    connect(ui.UPaintBox2, &TPaintBox::doubleClick, this, [this] { UPaintBox2DblClick(); });

    // Icon and title lie on the paint box, so their mouse input reaches its handlers.
    ui.Image1 = new QLabel(ui.UPaintBox2);
    ui.Image1->setObjectName(QStringLiteral("Image1"));
    ui.Image1->setPixmap(ToolIcon(ToolIconName::Calculate).pixmap(kIconSize, kIconSize));
    ui.Image1->setGeometry(QRect(kIconPosition, QSize(kIconSize, kIconSize)));
    ui.Image1->installEventFilter(this);

    ui.lblCaption = new QLabel(windowTitle(), ui.UPaintBox2);
    ui.lblCaption->setObjectName(QStringLiteral("lblCaption"));
    QFont bold = ui.lblCaption->font();
    bold.setBold(true);
    ui.lblCaption->setFont(bold);
    ui.lblCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QWidget::windowTitleChanged, ui.lblCaption, &QLabel::setText);

    ui.btnMinimize = MakeCaptionButton(ui.UPaintBox2, "btnMinimize", CaptionGlyph::Minimize);
    ui.btnRestore = MakeCaptionButton(ui.UPaintBox2, "btnRestore", CaptionGlyph::Restore);
    ui.btnMaximize = MakeCaptionButton(ui.UPaintBox2, "btnMaximize", CaptionGlyph::Maximize);
    ui.btnClose = MakeCaptionButton(ui.UPaintBox2, "btnClose", CaptionGlyph::Close);
    ui.btnMinimize->setToolTip(QStringLiteral("Minimise"));
    ui.btnRestore->setToolTip(QStringLiteral("Restore"));
    ui.btnMaximize->setToolTip(QStringLiteral("Maximise"));
    ui.btnClose->setToolTip(QStringLiteral("Close"));
    connect(ui.btnMinimize, &QAbstractButton::clicked, this, [this] { btnMinimizeClick(); });
    connect(ui.btnRestore, &QAbstractButton::clicked, this, [this] { btnRestoreClick(); });
    connect(ui.btnMaximize, &QAbstractButton::clicked, this, [this] { btnMaximizeClick(); });
    connect(ui.btnClose, &QAbstractButton::clicked, this, [this] { btnExitClick(); });
    ShowCaptionButtons();
    return ui.Panel10;
}

// Lays out the caption bar for its width; also run when the window is first shown.
void TfrmRuZede::FormResize() {
    const int width = ui.Panel10->width();
    ui.UPaintBox2->setGeometry(ui.Panel10->rect());
    const int close = width - kCloseFromRight;
    ui.btnClose->move(close, kButtonTop);
    ui.btnMaximize->move(close - kButtonStep, kButtonTop);
    ui.btnRestore->move(close - kButtonStep, kButtonTop);
    ui.btnMinimize->move(close - 2 * kButtonStep, kButtonTop);
    const int captionRight = ui.btnMinimize->x() - kDragGapBeforeButtons;
    ui.lblCaption->setGeometry(kCaptionLeft, 0, std::max(0, captionRight - kCaptionLeft),
                               kCaptionBarHeight);
}

// Maximise and restore share one place; the one that applies is shown.
void TfrmRuZede::ShowCaptionButtons() {
    const bool maximised = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    ui.btnRestore->setVisible(maximised);
    ui.btnMaximize->setVisible(!maximised);
    (maximised ? ui.btnRestore : ui.btnMaximize)->raise();
}

void TfrmRuZede::UPaintBox2Paint(QPainter& painter) {
    painter.fillRect(ui.UPaintBox2->rect(), kFrameBackground);
    // The window's outer line runs on along the top of the caption bar.
    painter.setPen(kFrameLine);
    painter.drawLine(0, 0, ui.UPaintBox2->width() - 1, 0);
}

void TfrmRuZede::paintEvent(QPaintEvent* /*event*/) {
    // Qt paints through a back buffer, so the frame is drawn straight onto the window without
    // flicker; children cover the inside.
    QPainter painter(this);
    painter.setPen(kFrameLine);
    painter.setBrush(kFrameBackground);
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(kInnerLineInset, kCaptionBarHeight, width() - 2 * kInnerLineInset - 1,
                           height() - kCaptionBarHeight - kInnerLineInset - 1));
    if (!FFirstFramePainted) {
        FFirstFramePainted = true;
        // The help text of the start language, once this first frame is on the screen.
        QMetaObject::invokeMethod(
            this, [this] { FlushPendingHelpText(); }, Qt::QueuedConnection);
    }
}

void TfrmRuZede::FlushPendingHelpText() {
    if (FHelpLoadPending) {
        LoadHelpText();
    }
}

bool TfrmRuZede::OnChildControl(QPoint point) const {
    const QWidget* hit = childAt(point);
    if (hit == nullptr) {
        return false;
    }
    // The caption, panels and the bars' empty parts are bare: the window is dragged by them.
    const QWidget* const bareAreas[] = {
        ui.Panel10,  ui.UPaintBox2, ui.lblCaption, centralWidget(), ui.pnlClientRect,
        ui.ToolBar1, ui.pnlInputs,  ui.Panel5,     ui.pnlResults,   ui.pnlTabs,
    };
    for (const QWidget* bare : bareAreas) {
        if (hit == bare) {
            return false;
        }
    }
    return true;
}

FrameHit TfrmRuZede::HitTest(QPoint point) const {
    const bool maximised = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    return FrameHitTest(point, size(), maximised, OnChildControl(point));
}

// A move waits for the pointer to travel a few pixels, so that a double click on the caption bar
// reaches the window instead of the window system's move (the window may slip by those pixels
// against the pointer); a resize starts at once.
void TfrmRuZede::StartFrameDrag(Qt::Edges edges, const QPointF& globalCursor) {
    FDragEdges = edges;
    FDragCursor = globalCursor;
    FDragStartBounds = geometry();
    if (edges == Qt::Edges()) {
        FFrameDrag = FrameDrag::MovePending;
        return;
    }
    QWindow* handle = windowHandle();
    FFrameDrag =
        handle != nullptr && handle->startSystemResize(edges) ? FrameDrag::None : FrameDrag::Resize;
}

void TfrmRuZede::FollowFrameDrag(const QPointF& globalCursor) {
    const QPoint delta = (globalCursor - FDragCursor).toPoint();
    if (FFrameDrag == FrameDrag::MovePending) {
        if (delta.manhattanLength() < kMoveStartDistance) {
            return;
        }
        QWindow* handle = windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            FFrameDrag = FrameDrag::None;
            return;
        }
        FFrameDrag = FrameDrag::Move;
    }
    if (FFrameDrag == FrameDrag::Move) {
        move(FDragStartBounds.topLeft() + delta);
    } else if (FFrameDrag == FrameDrag::Resize) {
        setGeometry(ResizedBounds(FDragStartBounds, FDragEdges, delta, minimumSize()));
    }
}

void TfrmRuZede::mousePressEvent(QMouseEvent* event) {
    // Presses that no control took: the resize strips and the bare areas.
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    const FrameHit hit = HitTest(event->position().toPoint());
    if (hit == FrameHit::Client) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    event->accept();
    StartFrameDrag(ResizeEdgesOf(hit).value_or(Qt::Edges()), event->globalPosition());
}

void TfrmRuZede::mouseMoveEvent(QMouseEvent* event) {
    if (FFrameDrag != FrameDrag::None) {
        FollowFrameDrag(event->globalPosition());
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        // Only the resize strips change the pointer; what lies elsewhere does not matter here.
        const bool maximised = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
        const FrameHit hit = FrameHitTest(event->position().toPoint(), size(), maximised, true);
        if (ResizeEdgesOf(hit)) {
            setCursor(CursorOf(hit));
        } else {
            unsetCursor();
        }
    }
    QMainWindow::mouseMoveEvent(event);
}

void TfrmRuZede::mouseReleaseEvent(QMouseEvent* event) {
    if (FFrameDrag != FrameDrag::None) {
        FollowFrameDrag(event->globalPosition());
        FFrameDrag = FrameDrag::None;
        event->accept();
        return;
    }
    QMainWindow::mouseReleaseEvent(event);
}

void TfrmRuZede::UPaintBox2MouseDown(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    const bool maximised = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    if (event->button() != Qt::LeftButton || maximised || x < ui.lblCaption->x() ||
        x > ui.btnMinimize->x() - kDragGapBeforeButtons) {
        return;
    }
    StartFrameDrag(Qt::Edges(), event->globalPosition());
}

void TfrmRuZede::UPaintBox2MouseMove(QMouseEvent* event) {
    if (FFrameDrag != FrameDrag::None) {
        FollowFrameDrag(event->globalPosition());
    }
}

void TfrmRuZede::UPaintBox2MouseUp(QMouseEvent* event) {
    if (FFrameDrag != FrameDrag::None) {
        FollowFrameDrag(event->globalPosition());
        FFrameDrag = FrameDrag::None;
    }
}

void TfrmRuZede::UPaintBox2DblClick() {
    FFrameDrag = FrameDrag::None;
    const bool maximised = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    (maximised ? ui.btnRestore : ui.btnMaximize)->click();
}

bool TfrmRuZede::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        ConfirmPlacedPosition();
    } else if (watched == ui.Panel10 && event->type() == QEvent::Resize) {
        FormResize();
    } else if (watched == ui.Image1 && event->type() == QEvent::MouseButtonDblClick) {
        btnExitClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kthread
