#include "window/BannerStrip.h"

#include "resources/banners/BannerNames.h"

namespace kthread::banner {

bool IsBanner(int index) {
    return index >= 1 && index <= kBannerCount;
}

int NextBanner(int index) {
    return index >= kBannerCount ? 1 : index + 1;
}

int TextNumber(int index) {
    return index + 99;
}

TickOutcome ScrollText(int& textX, int textWidth) {
    --textX;
    return textX >= -textWidth ? TickOutcome::Repaint : TickOutcome::NextBanner;
}

BannerPlacement PlaceBanner(QSize strip, int pictureWidth, int textX) {
    const int width = strip.width();
    const int height = strip.height();
    const int half = width / 2;
    BannerPlacement placement;
    placement.left = QRect(0, 0, half, height);
    placement.right = QRect(half, 0, width - half, height);
    placement.picture = QPoint(pictureWidth < width ? (width - pictureWidth) / 2 : 0, 0);
    if (textX < kTextRight) {
        placement.text = QRect(QPoint(textX, kTextTop), QPoint(kTextRight - 1, kTextBottom - 1));
    }
    return placement;
}

} // namespace kthread::banner
