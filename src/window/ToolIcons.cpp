#include "window/ToolIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources of a static library must be registered by name, outside any namespace.
static void RegisterWindowIcons() {
    Q_INIT_RESOURCE(window_icons);
}

namespace kthread {

namespace {

QString ResourcePath(ToolIconName name) {
    switch (name) {
    case ToolIconName::Calculate:
        return QStringLiteral(":/window/icons/calculate.svg");
    case ToolIconName::Copy:
        return QStringLiteral(":/window/icons/copy.svg");
    case ToolIconName::Language:
        return QStringLiteral(":/window/icons/language.svg");
    case ToolIconName::Millimetre:
        return QStringLiteral(":/window/icons/unit-mm.svg");
    case ToolIconName::Inch:
        return QStringLiteral(":/window/icons/unit-inch.svg");
    case ToolIconName::Exit:
        return QStringLiteral(":/window/icons/exit.svg");
    case ToolIconName::About:
        return QStringLiteral(":/window/icons/about.svg");
    }
    return {};
}

// Rendered here rather than through the SVG icon plug-in, so the pictures do not depend on
// which plug-ins the Qt installation carries.
QPixmap Render(QSvgRenderer& renderer, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

QIcon ToolIcon(ToolIconName name) {
    static const bool registered = (RegisterWindowIcons(), true);
    Q_UNUSED(registered);
    QSvgRenderer renderer(ResourcePath(name));
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    for (const int size : {16, 24, 32, 48}) {
        icon.addPixmap(Render(renderer, size));
    }
    return icon;
}

} // namespace kthread
