#include "PictureSamples.h"

#include <QBuffer>
#include <QImageWriter>

namespace kthread::testing {

namespace {

// Qt writes no GIF; this is SampleImage() as a GIF89a file.
const unsigned char kSampleGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00,
                                    0xf1, 0x02, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff,
                                    0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00,
                                    0x02, 0x00, 0x00, 0x02, 0x03, 0x84, 0x2e, 0x51, 0x00, 0x3b};

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

} // namespace

QImage SampleImage() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixelColor(0, 0, kSampleRed);
    image.setPixelColor(2, 1, kSampleBlue);
    return image;
}

QByteArray SampleData(PicKind kind) {
    switch (kind) {
    case PicKind::Bitmap:
        return Encode(SampleImage(), "bmp");
    case PicKind::Jpeg:
        return Encode(SampleImage(), "jpeg");
    case PicKind::Gif:
        return QByteArray(reinterpret_cast<const char*>(kSampleGif), sizeof kSampleGif);
    case PicKind::Png:
        return Encode(SampleImage(), "png");
    case PicKind::Metafile:
        break;
    }
    return {};
}

} // namespace kthread::testing
