#include "window/FrameHitTest.h"

#include <algorithm>

namespace kthread {

FrameHit FrameHitTest(QPoint point, QSize size, bool maximised, bool onChildControl) {
    const int x = point.x();
    const int y = point.y();
    const int width = size.width();
    const int height = size.height();
    if (maximised || x < 0 || y < 0 || x >= width || y >= height) {
        return FrameHit::Client;
    }
    if (y >= height - kResizeStripWidth) {
        if (x < kResizeCornerLength) {
            return FrameHit::BottomLeft;
        }
        return x > width - kResizeCornerLength ? FrameHit::BottomRight : FrameHit::Bottom;
    }
    if (x < kResizeStripWidth) {
        if (y < kResizeCornerLength) {
            return FrameHit::TopLeft;
        }
        return y > height - kResizeCornerLength ? FrameHit::BottomLeft : FrameHit::Left;
    }
    if (x >= width - kResizeStripWidth) {
        if (y < kResizeCornerLength) {
            return FrameHit::TopRight;
        }
        return y > height - kResizeCornerLength ? FrameHit::BottomRight : FrameHit::Right;
    }
    return onChildControl ? FrameHit::Client : FrameHit::Caption;
}

std::optional<Qt::Edges> ResizeEdgesOf(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
        return Qt::LeftEdge;
    case FrameHit::Right:
        return Qt::RightEdge;
    case FrameHit::Bottom:
        return Qt::BottomEdge;
    case FrameHit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameHit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameHit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameHit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case FrameHit::Client:
    case FrameHit::Caption:
        break;
    }
    return std::nullopt;
}

Qt::CursorShape CursorOf(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
    case FrameHit::Right:
        return Qt::SizeHorCursor;
    case FrameHit::Bottom:
        return Qt::SizeVerCursor;
    case FrameHit::TopLeft:
    case FrameHit::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameHit::TopRight:
    case FrameHit::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FrameHit::Client:
    case FrameHit::Caption:
        break;
    }
    return Qt::ArrowCursor;
}

QRect ResizedBounds(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum) {
    int left = start.left();
    int top = start.top();
    // One past the last pixel, so that width = right - left.
    int right = left + start.width();
    int bottom = top + start.height();
    if (edges & Qt::LeftEdge) {
        left = std::min(left + delta.x(), right - minimum.width());
    } else if (edges & Qt::RightEdge) {
        right = std::max(right + delta.x(), left + minimum.width());
    }
    if (edges & Qt::TopEdge) {
        top = std::min(top + delta.y(), bottom - minimum.height());
    } else if (edges & Qt::BottomEdge) {
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    }
    return {left, top, right - left, bottom - top};
}

} // namespace kthread
