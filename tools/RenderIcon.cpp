// Build step: renders the application icon from its SVG source to square PNG pictures, one per
// size, with a transparent background, checked by reading each file back before it is kept.
// Usage: kthread_icon_tool SVG OUTPUT_FOLDER SIZE...
//   writes OUTPUT_FOLDER/<size>x<size>/<name of the SVG file>.png

#include "PictureToolSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>
#include <optional>

namespace {

using kthread::tools::EncodePng;
using kthread::tools::WriteFile;

constexpr int kSmallestSize = 16;
constexpr int kLargestSize = 1024;

int Fail(const QString& message) {
    std::fprintf(stderr, "kthread_icon_tool: %s\n", qPrintable(message));
    return 1;
}

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool ReadsBackAs(const QByteArray& png, int size) {
    QBuffer buffer;
    buffer.setData(png);
    QImageReader reader(&buffer, "png");
    const QImage image = reader.read();
    return !image.isNull() && image.width() == size && image.height() == size;
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed to render.
    kthread::tools::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        return Fail(QStringLiteral("usage: kthread_icon_tool SVG OUTPUT_FOLDER SIZE..."));
    }
    const QString svgPath = arguments.takeFirst();
    const QString outputFolder = arguments.takeFirst();
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        return Fail(svgPath + QStringLiteral(": not a readable SVG file"));
    }
    const QString fileName = QFileInfo(svgPath).completeBaseName() + QStringLiteral(".png");
    for (const QString& sizeText : arguments) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        if (!isNumber || size < kSmallestSize || size > kLargestSize) {
            return Fail(
                sizeText +
                QStringLiteral(": not a size from %1 to %2").arg(kSmallestSize).arg(kLargestSize));
        }
        const std::optional<QByteArray> png = EncodePng(Render(renderer, size));
        if (!png || !ReadsBackAs(*png, size)) {
            return Fail(QStringLiteral("the %1 x %1 picture cannot be encoded").arg(size));
        }
        const QString folder = QDir(outputFolder).filePath(QStringLiteral("%1x%1").arg(size));
        if (!QDir().mkpath(folder) || !WriteFile(QDir(folder).filePath(fileName), *png)) {
            return Fail(folder + QStringLiteral(": cannot write ") + fileName);
        }
    }
    return 0;
}
