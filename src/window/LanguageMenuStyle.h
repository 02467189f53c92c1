// The look of the language menu's items, drawn by the window rather than the platform: 21
// pixels high, the flag on a light-blue band at the left, the language's name beside it, a
// selected item in blue with white text. Measured from the caption: its width plus 54 pixels.
#pragma once

#include <QProxyStyle>

class QFontMetrics;
class QIcon;
class QPainter;

namespace kthread {

inline constexpr int kLanguageItemHeight = 21;
inline constexpr int kLanguageItemExtraWidth = 54;

// The size of an item with `caption` in the menu's font.
QSize LanguageItemSize(const QFontMetrics& metrics, const QString& caption);

// Draws one item into `rect`.
void PaintLanguageItem(QPainter& painter, const QRect& rect, bool selected, const QIcon& flag,
                       const QString& caption);

class LanguageMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace kthread
