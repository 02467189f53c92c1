// Where a picture is drawn in a box: unscaled and centred when it is smaller in both directions,
// otherwise stretched to the box's width or height, whichever is the tighter fit, and centred
// in the other direction. Pure arithmetic on whole pixels.
#pragma once

#include <optional>

namespace kthread {

struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// The rectangle of a picture of pictureWidth x pictureHeight in a box of boxWidth x boxHeight.
// The scaled side is the nearest whole pixel (halves to even) of the product formed in integers
// and divided in extended precision; the offsets halve the free space, truncating toward zero.
// Nothing when a size is not positive.
std::optional<PictureRect> PlacePicture(int boxWidth, int boxHeight, int pictureWidth,
                                        int pictureHeight);

} // namespace kthread
