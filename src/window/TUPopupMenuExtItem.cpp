#include "window/TUPopupMenuExtItem.h"

namespace kthread {

TUPopupMenuExtItem::TUPopupMenuExtItem(const QString& caption, QObject* parent)
    : QAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), parent),
      m_caption(caption) {}

} // namespace kthread
