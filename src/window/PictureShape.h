// The shape of a window cut from its picture: every pixel of one colour lies outside.
#pragma once

#include <QRegion>
#include <QRgb>

class QImage;

namespace kthread {

// The picture's rectangle without its pixels of `cutOut` (alpha ignored). Built from the
// runs of each pixel row; rows with the same runs share one band, so a picture without the
// colour gives its plain rectangle.
QRegion RegionWithout(const QImage& picture, QRgb cutOut);

} // namespace kthread
