#include "resources/pictures/PicturePlacement.h"

#include <cmath>
#include <cstdint>

namespace kthread {

namespace {

// Nearest integer, halves to the even neighbour, whatever the current rounding mode.
long long NearestHalfEven(long double value) {
    const long double below = std::floor(value);
    const long double fraction = value - below;
    auto result = static_cast<long long>(below);
    if (fraction > 0.5L || (fraction == 0.5L && result % 2 != 0)) {
        ++result;
    }
    return result;
}

// nearest(a * b / c) with the product in integers.
int ScaledSide(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    return static_cast<int>(NearestHalfEven(static_cast<long double>(product) / c));
}

PictureRect FitToWidth(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
    const int height = ScaledSide(boxWidth, pictureHeight, pictureWidth);
    return {0, (boxHeight - height) / 2, boxWidth, height};
}

PictureRect FitToHeight(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
    const int width = ScaledSide(boxHeight, pictureWidth, pictureHeight);
    return {(boxWidth - width) / 2, 0, width, boxHeight};
}

} // namespace

std::optional<PictureRect> PlacePicture(int boxWidth, int boxHeight, int pictureWidth,
                                        int pictureHeight) {
    if (boxWidth <= 0 || boxHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) {
        return std::nullopt;
    }
    const bool narrower = pictureWidth < boxWidth;
    const bool lower = pictureHeight < boxHeight;
    if (narrower && lower) {
        return PictureRect{(boxWidth - pictureWidth) / 2, (boxHeight - pictureHeight) / 2,
                           pictureWidth, pictureHeight};
    }
    if (narrower) {
        return FitToHeight(boxWidth, boxHeight, pictureWidth, pictureHeight);
    }
    if (lower) {
        return FitToWidth(boxWidth, boxHeight, pictureWidth, pictureHeight);
    }
    const long double widthRatio = static_cast<long double>(pictureWidth) / boxWidth;
    const long double heightRatio = static_cast<long double>(pictureHeight) / boxHeight;
    if (widthRatio >= heightRatio) {
        return FitToWidth(boxWidth, boxHeight, pictureWidth, pictureHeight);
    }
    return FitToHeight(boxWidth, boxHeight, pictureWidth, pictureHeight);
}

} // namespace kthread
