#include "window/PictureShape.h"

#include <QImage>
#include <QRect>
#include <vector>

namespace kthread {

namespace {

// The [first, last] column runs of one row that are not the cut-out colour.
void RowRuns(const QRgb* row, int width, QRgb cutOut, std::vector<std::pair<int, int>>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] & RGB_MASK) == cutOut) {
            ++x;
        }
        if (x == width) {
            break;
        }
        const int first = x;
        while (x < width && (row[x] & RGB_MASK) != cutOut) {
            ++x;
        }
        runs.emplace_back(first, x - 1);
    }
}

} // namespace

QRegion RegionWithout(const QImage& picture, QRgb cutOut) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = cutOut & RGB_MASK;
    // Bands of equal rows, in the top-to-bottom, left-to-right order QRegion::setRects takes.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs;
    std::vector<std::pair<int, int>> bandRuns;
    std::size_t bandStart = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        RowRuns(reinterpret_cast<const QRgb*>(pixels.constScanLine(y)), pixels.width(), key, runs);
        if (y > 0 && runs == bandRuns) {
            for (std::size_t i = bandStart; i < rects.size(); ++i) {
                rects[i].setBottom(y);
            }
            continue;
        }
        bandStart = rects.size();
        bandRuns = runs;
        for (const auto& [first, last] : runs) {
            rects.emplace_back(QPoint(first, y), QPoint(last, y));
        }
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace kthread
