// Build step: renders the schematic figures from their SVG sources to 600 x 600 PNG pictures and
// packs them into picture-holder data, each picture named after its file ("ExtCyl_3w.svg" gives
// "ExtCyl_3w"). The lettering must come out the same on every machine, so the figures' font,
// DejaVu Sans, has to be installed; the tool fails without it.
// Usage: kthread_figure_holder_tool OUTPUT [--png-folder FOLDER] SVG...
//   --png-folder  also writes each rendered picture there, for looking at them.

#include "resources/pictures/TPicHolder.h"

#include "PictureToolSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
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

constexpr int kFigureSize = 600;
const QString kFigureFont = QStringLiteral("DejaVu Sans");

int Fail(const QString& message) {
    std::fprintf(stderr, "kthread_figure_holder_tool: %s\n", qPrintable(message));
    return 1;
}

bool FigureFontInstalled() {
    if (!QFontDatabase::families().contains(kFigureFont)) {
        return false;
    }
    return QFontInfo(QFont(kFigureFont)).family() == kFigureFont;
}

std::optional<QImage> Render(const QString& svgPath) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        return std::nullopt;
    }
    QImage image(kFigureSize, kFigureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, kFigureSize, kFigureSize));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed to render; fonts still need the application's font database.
    kthread::tools::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const std::optional<QString> pngOption = kthread::tools::TakePngFolderOption(arguments);
    if (!pngOption) {
        return Fail(QStringLiteral("--png-folder needs a folder"));
    }
    const QString pngFolder = *pngOption;
    if (arguments.size() < 2) {
        return Fail(QStringLiteral("usage: kthread_figure_holder_tool OUTPUT "
                                   "[--png-folder FOLDER] SVG..."));
    }
    if (!FigureFontInstalled()) {
        return Fail(kFigureFont + QStringLiteral(" is not installed (fonts-dejavu-core)"));
    }
    const QString outputPath = arguments.takeFirst();
    if (!pngFolder.isEmpty() && !QDir().mkpath(pngFolder)) {
        return Fail(pngFolder + QStringLiteral(": cannot be created"));
    }

    kthread::TPicHolder holder;
    for (const QString& svgPath : arguments) {
        const std::optional<QImage> image = Render(svgPath);
        if (!image) {
            return Fail(svgPath + QStringLiteral(": not a readable SVG file"));
        }
        const std::optional<QByteArray> png = EncodePng(*image);
        if (!png) {
            return Fail(svgPath + QStringLiteral(": the picture cannot be encoded"));
        }
        const QString name = QFileInfo(svgPath).completeBaseName();
        kthread::TPicItem item(name.toLatin1(), static_cast<std::uint8_t>(kthread::PicKind::Png),
                               *png);
        if (!item.HasGraphic()) {
            return Fail(svgPath + QStringLiteral(": the encoded picture does not read back"));
        }
        holder.Pictures().push_back(std::move(item));
        if (!pngFolder.isEmpty() &&
            !WriteFile(QDir(pngFolder).filePath(name + QStringLiteral(".png")), *png)) {
            return Fail(pngFolder + QStringLiteral(": cannot write ") + name);
        }
    }
    if (!WriteFile(outputPath, holder.Save())) {
        return Fail(outputPath + QStringLiteral(": cannot be written"));
    }
    return 0;
}
