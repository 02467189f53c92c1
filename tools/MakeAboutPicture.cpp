// Build step: draws the picture of the about window, 433 x 223 pixels, as a PNG file. Pure
// yellow (255, 255, 0) marks what lies outside the window's shape: a card with rounded corners
// and a round emblem that rises above its top edge. The window puts its texts on the picture:
// the product lines in white on the dark head (from x 156, y 36), the address and the links in
// dark type on the light body (from x 24, y 146).
//
// The shape's edge is drawn without smoothing and every pixel inside it is kept off pure
// yellow, so the window's outline is exactly the card and no yellow fringe shows.
// Usage: kthread_about_picture_tool OUTPUT.png

#include "PictureToolSupport.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kWidth = 433;
constexpr int kHeight = 223;
const QRgb kCutOut = qRgb(255, 255, 0);
// The one colour next to pure yellow that an inside pixel takes instead of it.
const QRgb kNearYellow = qRgb(254, 255, 0);

constexpr int kCardTop = 22;
constexpr int kHeadBottom = 118;
constexpr double kCorner = 18;
const QPointF kEmblemCentre(78, 72);
constexpr double kEmblemRadius = 64;

int Fail(const char* message) {
    std::fprintf(stderr, "kthread_about_picture_tool: %s\n", message);
    return 1;
}

QPainterPath Shape() {
    QPainterPath card;
    card.addRoundedRect(QRectF(0, kCardTop, kWidth, kHeight - kCardTop), kCorner, kCorner);
    QPainterPath emblem;
    emblem.addEllipse(kEmblemCentre, kEmblemRadius + 4, kEmblemRadius + 4);
    return card.united(emblem);
}

// Which pixels belong to the window: the shape filled without smoothing.
QImage Inside(const QPainterPath& shape) {
    QImage mask(kWidth, kHeight, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(shape, Qt::white);
    return mask;
}

void PaintHeadAndBody(QPainter& painter) {
    QLinearGradient head(0, kCardTop, 0, kHeadBottom);
    head.setColorAt(0, QColor(38, 70, 102));
    head.setColorAt(1, QColor(20, 40, 62));
    painter.fillRect(QRect(0, 0, kWidth, kHeadBottom), head);

    QLinearGradient body(0, kHeadBottom, 0, kHeight);
    body.setColorAt(0, QColor(244, 246, 249));
    body.setColorAt(1, QColor(226, 232, 239));
    painter.fillRect(QRect(0, kHeadBottom, kWidth, kHeight - kHeadBottom), body);

    QLinearGradient seam(0, 0, kWidth, 0);
    seam.setColorAt(0, QColor(128, 204, 226));
    seam.setColorAt(1, QColor(128, 204, 226, 0));
    painter.fillRect(QRect(0, kHeadBottom, kWidth, 2), seam);
}

// A thread profile with three best-size wires laid in it, as the program measures.
void PaintEmblem(QPainter& painter) {
    QRadialGradient disc(kEmblemCentre - QPointF(16, 20), kEmblemRadius * 1.4);
    disc.setColorAt(0, QColor(72, 128, 168));
    disc.setColorAt(1, QColor(22, 46, 72));
    painter.setPen(QPen(QColor(232, 238, 244), 4));
    painter.setBrush(disc);
    painter.drawEllipse(kEmblemCentre, kEmblemRadius, kEmblemRadius);

    painter.save();
    QPainterPath clip;
    clip.addEllipse(kEmblemCentre, kEmblemRadius - 3, kEmblemRadius - 3);
    painter.setClipPath(clip);
    const double pitch = 28;
    const double depth = pitch / 2 / std::tan(std::numbers::pi / 6);
    const double root = kEmblemCentre.y() + 26;
    QPainterPath profile;
    profile.moveTo(kEmblemCentre.x() - 3 * pitch, root);
    for (int i = -3; i < 3; ++i) {
        const double x = kEmblemCentre.x() + i * pitch;
        profile.lineTo(x + pitch / 2, root - depth);
        profile.lineTo(x + pitch, root);
    }
    profile.lineTo(kEmblemCentre.x() + 3 * pitch, kEmblemCentre.y() + kEmblemRadius);
    profile.lineTo(kEmblemCentre.x() - 3 * pitch, kEmblemCentre.y() + kEmblemRadius);
    profile.closeSubpath();
    painter.setPen(QPen(QColor(210, 222, 232), 1.5));
    painter.setBrush(QColor(150, 170, 188, 150));
    painter.drawPath(profile);

    // Wires touch both flanks: radius 0.2887 P, centre two radii above the root.
    const double radius = pitch * 0.577 / 2;
    painter.setPen(QPen(QColor(60, 40, 10), 1));
    for (int i = -1; i <= 1; ++i) {
        const QPointF centre(kEmblemCentre.x() + i * pitch, root - 2 * radius);
        QRadialGradient metal(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
        metal.setColorAt(0, QColor(255, 244, 214));
        metal.setColorAt(1, QColor(196, 150, 72));
        painter.setBrush(metal);
        painter.drawEllipse(centre, radius, radius);
    }
    // The size over the wires.
    painter.setPen(QPen(QColor(240, 244, 248), 1.2));
    const double top = root - 3 * radius;
    painter.drawLine(QPointF(kEmblemCentre.x() - pitch - 14, top),
                     QPointF(kEmblemCentre.x() + pitch + 14, top));
    painter.restore();
}

QImage DrawPicture() {
    const QPainterPath shape = Shape();
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(kCutOut);
    {
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        PaintHeadAndBody(painter);
        PaintEmblem(painter);
        // The card's outline, drawn inside its edge so that it does not leave the shape.
        painter.setPen(QPen(QColor(94, 94, 94), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(0.5, kCardTop + 0.5, kWidth - 1, kHeight - kCardTop - 1),
                                kCorner, kCorner);
    }
    const QImage inside = Inside(shape);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const uchar* in = inside.constScanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            if (in[x] == 0) {
                line[x] = kCutOut;
            } else if ((line[x] & RGB_MASK) == (kCutOut & RGB_MASK)) {
                line[x] = kNearYellow;
            }
        }
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    kthread::tools::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        return Fail("usage: kthread_about_picture_tool OUTPUT.png");
    }
    const QImage picture = DrawPicture();
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        return Fail("the picture cannot be written");
    }
    return 0;
}
