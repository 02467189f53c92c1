#include "resources/pictures/TPicItem.h"

#include "resources/pictures/PngChunks.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <utility>

namespace kthread {

namespace {

constexpr std::uint8_t kClassMask = 0x7F;

// The image reader of the kind's graphic class; none for a metafile or an unknown kind.
const char* ReaderFormat(std::uint8_t kind) {
    switch (static_cast<PicKind>(kind & kClassMask)) {
    case PicKind::Bitmap:
        return "bmp";
    case PicKind::Jpeg:
        return "jpeg";
    case PicKind::Gif:
        return "gif";
    case PicKind::Png:
        return "png";
    case PicKind::Metafile:
        break;
    }
    return nullptr;
}

QImage Decode(const QByteArray& data, std::uint8_t kind) {
    const char* format = ReaderFormat(kind);
    if (format == nullptr || data.isEmpty()) {
        return {};
    }
    QBuffer buffer;
    if (static_cast<PicKind>(kind & kClassMask) == PicKind::Png) {
        const std::optional<QByteArray> safe = PngWithoutTextChunks(data);
        if (!safe) {
            return {};
        }
        buffer.setData(*safe);
    } else {
        buffer.setData(data);
    }
    buffer.open(QIODevice::ReadOnly);
    // Only the kind's own reader: data of another format is a load failure, as it would be for
    // the graphic class the kind names.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // Pictures of a holder are figures a few hundred pixels square; a header that claims a far
    // larger picture is a load failure rather than a large allocation.
    reader.setAllocationLimit(TPicItem::kMaxGraphicMegabytes);
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return image;
}

} // namespace

TPicItem::TPicItem(QByteArray name, std::uint8_t kind, QByteArray data)
    : FName(std::move(name)), FKind(kind), FData(std::move(data)) {}

const QImage& TPicItem::Graphic() const {
    if (!FGraphic) {
        FGraphic = Decode(FData, FKind);
    }
    return *FGraphic;
}

std::optional<TPicItem> TPicItem::ReadData(QByteArrayView property) {
    if (property.size() < kHeaderSize) {
        return std::nullopt;
    }
    const QByteArrayView nameField = property.first(kNameSize);
    const qsizetype end = nameField.indexOf('\0');
    QByteArray name = (end < 0 ? nameField : nameField.first(end)).toByteArray();
    const auto kind = static_cast<std::uint8_t>(property[kNameSize]);
    const std::int32_t length = qFromLittleEndian<std::int32_t>(property.data() + kNameSize + 1);
    if (length <= 0) {
        return TPicItem(std::move(name), kind, {});
    }
    if (property.size() - kHeaderSize < length) {
        return std::nullopt;
    }
    return TPicItem(std::move(name), kind, property.sliced(kHeaderSize, length).toByteArray());
}

std::optional<QByteArray> TPicItem::WriteData() const {
    if (!HasGraphic()) {
        return std::nullopt;
    }
    QByteArray property(kHeaderSize, '\0');
    const qsizetype nameLength = std::min<qsizetype>(FName.size(), kNameSize - 1);
    std::copy_n(FName.constData(), nameLength, property.data());
    property[kNameSize] = static_cast<char>(FKind);
    qToLittleEndian<std::int32_t>(static_cast<std::int32_t>(FData.size()),
                                  property.data() + kNameSize + 1);
    property.append(FData);
    return property;
}

} // namespace kthread
