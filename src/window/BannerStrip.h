// The rules of the banner strip, apart from drawing and resources: the order of the banners,
// the text each one shows, the scrolling step and where the parts go on a strip of a given
// size. The window keeps the state (TfrmRuZedeBanner.cpp); these functions only compute.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kthread::banner {

// The text moves by one pixel per tick: 50 pixels per second.
inline constexpr int kTickMilliseconds = 20;
// The text is bold, 13 pixels high, white, on the pictures' dark band.
inline constexpr int kTextPixelSize = 13;
inline constexpr int kTextTop = 34;
inline constexpr int kTextBottom = 50;  // exclusive
inline constexpr int kTextRight = 2000; // exclusive

// Banners 1 to 6 exist; 0 means none has been loaded yet.
bool IsBanner(int index);
// The banner after `index`: 1 after 6.
int NextBanner(int index);
// The language text of banner `index`: 0100 for banner 1 up to 0105 for banner 6.
int TextNumber(int index);

enum class TickOutcome {
    Repaint,    // some of the text is still on the strip
    NextBanner, // the text has left the strip: load the next banner
};

// One tick: moves the text one pixel to the left. A text starting at the strip's right edge
// W so lasts W + width + 1 ticks, the last of which loads the next banner.
TickOutcome ScrollText(int& textX, int textWidth);

struct BannerPlacement {
    QRect left;     // the left strip, stretched over the left half
    QRect right;    // the right strip, stretched over the right half
    QPoint picture; // the picture, drawn unscaled; one wider than the strip is cut at the right
    QRect text;     // the text, left-aligned in one line; empty once it starts past kTextRight
};

BannerPlacement PlaceBanner(QSize strip, int pictureWidth, int textX);

} // namespace kthread::banner
