// The banner resources of type BANNERS: each is a packed stream (resources/lzh) that unpacks to a
// 24-bit Windows bitmap file. Header-only, so that the build tool that draws the pictures names
// them the same way as the program that shows them.
#pragma once

#include <QString>

namespace kthread::banner {

inline constexpr int kBannerCount = 6;

// The six pictures B_1 to B_6.
inline constexpr int kPictureWidth = 773;
inline constexpr int kPictureHeight = 60;
// Their files end in two zero bytes after the pixel rows: 139,256 bytes each.
inline constexpr int kPictureFileSize = 139256;

// The 1 x 60 strips stretched over the halves of the strip beside a narrower picture: the left
// one behind banners 5 and 6 (and before the first banner), the left one behind banners 1 to 4,
// and the right one behind every banner.
inline constexpr char kLeftStrip[] = "B_L";
inline constexpr char kLeftStripFirstGroup[] = "B_L_1";
inline constexpr char kRightStrip[] = "B_R";
inline constexpr int kStripWidth = 1;
inline constexpr int kStripFileSize = 294;
inline constexpr int kLastOfFirstGroup = 4;

// "B_1" for banner 1 up to "B_6".
inline QString PictureName(int index) {
    return QStringLiteral("B_") + QString::number(index);
}

// The left strip that continues banner `index`'s left edge.
inline QString LeftStripName(int index) {
    return QLatin1String(index > kLastOfFirstGroup && index <= kBannerCount ? kLeftStrip
                                                                            : kLeftStripFirstGroup);
}

} // namespace kthread::banner
