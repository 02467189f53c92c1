#include "window/TabPainter.h"

#include "window/FrameColours.h"

#include <QFontMetrics>
#include <QPainter>

namespace kthread {

namespace {

constexpr int kActiveTop = 2;
constexpr int kActiveTextTop = 6;
constexpr int kInactiveTop = 4;
constexpr int kInactiveTextTop = 7;
constexpr int kCaptionMargin = 4;

} // namespace

QString TabCaptionShown(QPainter& painter, const QSize& size, const QString& caption) {
    const int room = size.width() - 2 * kCaptionMargin;
    return painter.fontMetrics().elidedText(caption, Qt::ElideRight, room, Qt::TextSingleLine);
}

void PaintNotebookTab(QPainter& painter, const QSize& size, const QColor& background, bool active,
                      const QString& caption) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), background);
    painter.setPen(kFrameLine);
    const int top = active ? kActiveTop : kInactiveTop;
    painter.setBrush(active ? QColor(Qt::white) : kInactiveTab);
    // The active tab's outline runs on below the box, so it stays open toward the page.
    const int bottom = active ? size.height() : size.height() - 1;
    painter.drawRect(QRect(0, top, size.width() - 1, bottom - top));

    const int textTop = active ? kActiveTextTop : kInactiveTextTop;
    const QRect textArea(kCaptionMargin, textTop, size.width() - 2 * kCaptionMargin,
                         size.height() - textTop);
    painter.setPen(QColor(Qt::black));
    painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     TabCaptionShown(painter, size, caption));
    painter.restore();
}

} // namespace kthread
