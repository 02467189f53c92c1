// The notebook's hand-drawn tabs. The active tab stands two pixels higher, white and open toward
// its page; an inactive one is light grey, lower, and closed by the line under the tabs. The
// caption is centred on one line and cut with an ellipsis when it does not fit.
#pragma once

#include <QString>

class QPainter;
class QColor;
class QSize;

namespace kthread {

// Four tabs side by side within the notebook's minimum width of 317 pixels.
inline constexpr int kTabWidth = 80;
inline constexpr int kTabHeight = 24;
// Neighbouring tabs overlap by one pixel, so they share their outline.
inline constexpr int kTabStep = kTabWidth - 1;

// `background` is the colour around the tab (the window's). Draws on a box of `size`.
void PaintNotebookTab(QPainter& painter, const QSize& size, const QColor& background, bool active,
                      const QString& caption);

// The caption as the tab shows it in its box of `size`, cut to fit.
QString TabCaptionShown(QPainter& painter, const QSize& size, const QString& caption);

} // namespace kthread
