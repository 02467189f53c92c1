// The regions of the borderless main window: which part of the window's own frame a point is
// on, and how the window's bounds follow a drag of one of its edges. The window has no top
// resize strip (its caption bar is there) and a maximised window has no frame at all.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <optional>

namespace kthread {

enum class FrameHit {
    Client, // nothing of the frame: the point belongs to whatever control is there
    Caption,
    Left,
    Right,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// Width of the resize strips along the left, right and bottom edges.
inline constexpr int kResizeStripWidth = 4;
// Length of a corner along each edge it belongs to.
inline constexpr int kResizeCornerLength = 10;

// The frame region at `point` (window coordinates) of a window of `size`. `onChildControl` says
// whether the point lies on a visible control of the window; bare areas (panels, the window's
// own background) drag the window like its caption bar.
FrameHit FrameHitTest(QPoint point, QSize size, bool maximised, bool onChildControl);

// The window edges a resize region moves; none for Client and Caption.
std::optional<Qt::Edges> ResizeEdgesOf(FrameHit hit);

// The mouse pointer that shows what a press at the region does.
Qt::CursorShape CursorOf(FrameHit hit);

// The bounds after the pointer moved by `delta` while `edges` of `start` are being dragged. An
// edge stops where the window would become smaller than `minimum`; the opposite edges stay put.
QRect ResizedBounds(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum);

} // namespace kthread
