// The colours of the window's own frame, caption bar and tabs.
#pragma once

#include <QColor>

namespace kthread {

inline const QColor kFrameBackground(181, 181, 181); // frame and caption bar
inline const QColor kFrameLine(94, 94, 94);          // frame lines and tab outlines
inline const QColor kInactiveTab(211, 211, 211);

} // namespace kthread
