#include "window/FlagImage.h"

#include "lang/FlagCodes.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace kthread {

QString FlagResourcePath(const QString& flag) {
    const QString code = flag.trimmed().toUpper();
    if (!IsFlagCode(code)) {
        return {};
    }
    return QStringLiteral(":/flags/%1.svg").arg(code);
}

QPixmap MakeFlagSquare(const QString& flag, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap square(QSize(static_cast<int>(std::ceil(kFlagSquareSize.width() * ratio)),
                         static_cast<int>(std::ceil(kFlagSquareSize.height() * ratio))));
    square.setDevicePixelRatio(ratio);
    square.fill(Qt::transparent);

    QPainter painter(&square);
    if (const QString resource = FlagResourcePath(flag); !resource.isEmpty()) {
        QSvgRenderer drawing(resource);
        if (drawing.isValid()) {
            drawing.render(&painter, QRectF(kFlagOffset, kFlagSize));
            return square;
        }
    }
    if (QFileInfo(flag).isFile()) {
        // A picture of the user's own; drawn as it is, a larger one cut to the square.
        const QImage picture(flag);
        if (!picture.isNull()) {
            painter.drawImage(kFlagOffset, picture);
        }
    }
    return square;
}

} // namespace kthread
