// The shape cut from a picture: pure yellow lies outside, every other colour inside, whatever
// the alpha; compared with the region Qt builds from the picture's mask.
#include "window/PictureShape.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using kthread::RegionWithout;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);

// Qt's own region of the pixels that are not yellow, built through a bitmap of the colour mask.
QRegion ReferenceRegion(const QImage& picture) {
    const QImage mask =
        picture.convertToFormat(QImage::Format_RGB32).createMaskFromColor(kYellow, Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(mask));
}

int AreaOf(const QRegion& region) {
    int area = 0;
    for (const QRect& rect : region) {
        area += rect.width() * rect.height();
    }
    return area;
}

} // namespace

class PictureShapeTest : public QObject {
    Q_OBJECT

private slots:
    void aPictureWithoutYellowGivesItsRectangle() {
        QImage picture(433, 223, QImage::Format_RGB32);
        picture.fill(qRgb(254, 255, 0)); // next to yellow, but not yellow
        const QRegion region = RegionWithout(picture, kYellow);
        QCOMPARE(region, QRegion(0, 0, 433, 223));
        QCOMPARE(region.rectCount(), 1);
    }

    void anAllYellowPictureGivesNothing() {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(kYellow);
        QVERIFY(RegionWithout(picture, kYellow).isEmpty());
    }

    void yellowCornersAndHolesAreLeftOut() {
        QImage picture(100, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.setPixel(0, 0, kYellow);
        picture.setPixel(99, 59, kYellow);
        for (int x = 40; x < 50; ++x) {
            picture.setPixel(x, 30, kYellow);
        }
        const QRegion region = RegionWithout(picture, kYellow);
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(99, 59)));
        QVERIFY(!region.contains(QPoint(45, 30)));
        QVERIFY(region.contains(QPoint(39, 30)));
        QVERIFY(region.contains(QPoint(50, 30)));
        QVERIFY(region.contains(QPoint(45, 29)));
        QCOMPARE(AreaOf(region), 100 * 60 - 12);
    }

    void theAlphaOfAPixelDoesNotMatter() {
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(qRgba(10, 20, 30, 0));
        picture.setPixel(5, 5, qRgba(255, 255, 0, 0x40));
        const QRegion region = RegionWithout(picture, kYellow);
        QVERIFY(!region.contains(QPoint(5, 5)));
        QCOMPARE(AreaOf(region), 199);
    }

    void randomPicturesGiveTheRegionOfTheirMask() {
        QRandomGenerator random(20240613);
        for (int round = 0; round < 20; ++round) {
            const int width = 1 + random.bounded(160);
            const int height = 1 + random.bounded(90);
            QImage picture(width, height, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            for (int blob = 0; blob < 6; ++blob) {
                const QRect area(random.bounded(width), random.bounded(height),
                                 1 + random.bounded(width), 1 + random.bounded(height));
                painter.fillRect(area, blob % 2 == 0 ? QColor(kYellow) : QColor(Qt::gray));
                painter.setBrush(QColor(kYellow));
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(area.translated(area.width() / 3, 0));
            }
            painter.end();
            const QRegion region = RegionWithout(picture, kYellow);
            const QRegion reference = ReferenceRegion(picture);
            QVERIFY2((region ^ reference).isEmpty(), qPrintable(QString::number(round)));
        }
    }
};

QTEST_MAIN(PictureShapeTest)
#include "PictureShapeTest.moc"
