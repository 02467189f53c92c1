#include "window/LanguageMenuStyle.h"

#include "window/FlagImage.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace kthread {

namespace {

const QColor kSelectedPen(40, 48, 89);
const QColor kSelectedFill(108, 140, 198);
const QColor kBand(166, 190, 237);
constexpr int kBandWidth = 28;
constexpr int kBandOverhang = 2;
constexpr QPoint kFlagPosition(3, -1);
constexpr QPoint kCaptionPosition(30, 3);

} // namespace

QSize LanguageItemSize(const QFontMetrics& metrics, const QString& caption) {
    return {metrics.horizontalAdvance(caption) + kLanguageItemExtraWidth, kLanguageItemHeight};
}

void PaintLanguageItem(QPainter& painter, const QRect& rect, bool selected, const QIcon& flag,
                       const QString& caption) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(selected ? kSelectedPen : QColor(Qt::white));
    painter.setBrush(selected ? kSelectedFill : QColor(Qt::white));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (!selected) {
        painter.fillRect(QRect(rect.left(), rect.top() - kBandOverhang, kBandWidth,
                               rect.height() + 2 * kBandOverhang),
                         kBand);
    }
    if (!flag.isNull()) {
        const QPoint at = rect.topLeft() + kFlagPosition;
        flag.paint(&painter, QRect(at, kFlagSquareSize));
    }
    const QRect captionRect(rect.left() + kCaptionPosition.x(), rect.top() + kCaptionPosition.y(),
                            rect.right() - rect.left() - kCaptionPosition.x(),
                            rect.height() - kCaptionPosition.y());
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     metrics.elidedText(caption, Qt::ElideRight, captionRect.width()));
    painter.restore();
}

void LanguageMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr &&
        item->menuItemType == QStyleOptionMenuItem::Normal) {
        painter->setFont(item->font);
        // The menu hands the caption on with "&" doubled, as the item stores it.
        const QString caption =
            QString(item->text).replace(QStringLiteral("&&"), QStringLiteral("&"));
        PaintLanguageItem(*painter, item->rect, (item->state & State_Selected) != 0, item->icon,
                          caption);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize LanguageMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                          const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && item != nullptr &&
        item->menuItemType == QStyleOptionMenuItem::Normal) {
        const QString caption =
            QString(item->text).replace(QStringLiteral("&&"), QStringLiteral("&"));
        return LanguageItemSize(QFontMetrics(item->font), caption);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int LanguageMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                   const QWidget* widget) const {
    switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0; // the items fill the menu, so their bands join into one column
    case PM_MenuPanelWidth:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace kthread
