// One named picture of a picture holder, and its "Data" layout:
//
//   offset 0    261 bytes  name, 8-bit characters, ended by a zero byte, the rest zero
//   offset 261    1 byte   kind; its low 7 bits select the graphic class (PicKind)
//   offset 262    4 bytes  length L of the graphic data, signed 32-bit little-endian
//   offset 266    L bytes  the graphic in its own file format
//
// The encoded bytes are kept as read, so an item is written back byte for byte. The graphic is
// decoded from them when it is first asked for: a holder of many figures loads quickly, and
// only the figures shown are ever decoded.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <cstdint>
#include <optional>

namespace kthread {

enum class PicKind : std::uint8_t {
    Bitmap = 1,
    Jpeg = 2,
    Gif = 3,
    Png = 4,
    Metafile = 5, // no reader on this platform: never a graphic
};

class TPicItem {
public:
    static constexpr int kNameSize = 261;
    static constexpr int kHeaderSize = kNameSize + 1 + 4;
    // A graphic that would take more memory than this once decoded fails to load.
    static constexpr int kMaxGraphicMegabytes = 32;

    TPicItem() = default;
    // The graphic is `data` decoded by the class that `kind` selects; a failure, also a graphic
    // larger than kMaxGraphicMegabytes decoded, leaves it empty.
    TPicItem(QByteArray name, std::uint8_t kind, QByteArray data);

    const QByteArray& Name() const { return FName; }
    std::uint8_t Kind() const { return FKind; }
    const QByteArray& Data() const { return FData; }
    const QImage& Graphic() const;
    bool HasGraphic() const { return !Graphic().isNull(); }

    // Parses one "Data" property. Nothing when it ends before the header or the graphic data
    // does; a length of 0 or below gives an item without graphic; bytes after the graphic data
    // are not part of the item.
    static std::optional<TPicItem> ReadData(QByteArrayView property);

    // The "Data" property; nothing for an item without graphic, which has no property. A name
    // is cut to 260 bytes so that its zero byte always fits.
    std::optional<QByteArray> WriteData() const;

private:
    QByteArray FName;
    std::uint8_t FKind = 0;
    QByteArray FData;
    mutable std::optional<QImage> FGraphic; // decoded on first use
};

} // namespace kthread
