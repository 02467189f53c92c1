#include "resources/banners/BannerResource.h"

#include "resources/lzh/TLZH.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <stdexcept>

namespace kthread {

std::optional<QByteArray> UnpackedResource(const QString& name) {
    QFile resource(QStringLiteral(":/BANNERS/") + name);
    if (!resource.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray packed = resource.readAll();
    QByteArray unpacked;
    QBuffer input(&packed);
    QBuffer output(&unpacked);
    input.open(QIODevice::ReadOnly);
    output.open(QIODevice::WriteOnly);
    LzhDecompress(input, output);
    return unpacked;
}

bool UnpackResource(const QString& name, QImage& target) {
    const std::optional<QByteArray> bitmap = UnpackedResource(name);
    if (!bitmap) {
        return false;
    }
    QImage picture;
    if (!picture.loadFromData(*bitmap, "BMP")) {
        throw std::runtime_error("The banner resource " + name.toStdString() +
                                 " does not hold a bitmap");
    }
    // The strip draws these many times a second; one pixel layout spares every draw a
    // conversion.
    target = picture.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace kthread
