#include "window/CaptionButton.h"

#include "window/FrameColours.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kthread {

namespace {

constexpr QSize kButtonSize(20, 18);

} // namespace

CaptionButton::CaptionButton(CaptionGlyph glyph, QWidget* parent)
    : QAbstractButton(parent), m_glyph(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kButtonSize);
}

QSize CaptionButton::sizeHint() const {
    return kButtonSize;
}

void CaptionButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CaptionButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isDown() || m_hovered) {
        const bool closing = m_glyph == CaptionGlyph::Close;
        QColor fill = closing ? QColor(196, 43, 28) : QColor(205, 205, 205);
        if (isDown()) {
            fill = fill.darker(115);
        }
        painter.fillRect(rect(), fill);
        painter.setPen(kFrameLine);
        painter.drawRect(box);
    }
    const bool light = (isDown() || m_hovered) && m_glyph == CaptionGlyph::Close;
    QPen pen(light ? QColor(Qt::white) : QColor(32, 32, 32));
    pen.setWidthF(1.2);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, m_glyph == CaptionGlyph::Close);

    // Glyphs on a 9-pixel square in the middle of the button.
    const qreal side = 9;
    const QPointF origin(std::floor((width() - side) / 2) + 0.5,
                         std::floor((height() - side) / 2) + 0.5);
    const QRectF square(origin, QSizeF(side - 1, side - 1));
    switch (m_glyph) {
    case CaptionGlyph::Close:
        painter.drawLine(square.topLeft(), square.bottomRight());
        painter.drawLine(square.topRight(), square.bottomLeft());
        break;
    case CaptionGlyph::Maximize:
        painter.drawRect(square);
        painter.drawLine(square.topLeft() + QPointF(0, 1), square.topRight() + QPointF(0, 1));
        break;
    case CaptionGlyph::Restore: {
        const QRectF front = square.adjusted(0, 2, -2, 0);
        painter.drawRect(front);
        QPainterPath back;
        back.moveTo(square.left() + 2, front.top());
        back.lineTo(square.left() + 2, square.top());
        back.lineTo(square.right(), square.top());
        back.lineTo(square.right(), front.bottom() - 2);
        back.lineTo(front.right(), front.bottom() - 2);
        painter.drawPath(back);
        break;
    }
    case CaptionGlyph::Minimize:
        painter.drawLine(QPointF(square.left(), square.bottom()),
                         QPointF(square.right(), square.bottom()));
        break;
    }
}

} // namespace kthread
