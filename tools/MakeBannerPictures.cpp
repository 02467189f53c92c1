// Build step: draws the six banner pictures (773 x 60) and the three 1 x 60 strips beside them
// and writes each as a 24-bit Windows bitmap file named after its resource ("B_1.bmp" ...
// "B_R.bmp"); the build then packs every file with `kthread-lzh pack`.
//
// Each picture carries the product's name in its upper left part over a quiet motif of thread
// metrology, and a dark band across its lower part where the window runs its text in white.
// The strips are the pictures' edge columns, so a strip widened beside a centred picture
// continues it without a seam: banners 1 to 4 share one left edge (B_L_1), 5 and 6 another
// (B_L), and all six the right edge (B_R). The tool fails when a picture breaks that rule.
//
// The lettering must come out the same on every machine, so DejaVu Sans has to be installed.
// Usage: kthread_banner_pictures_tool FOLDER [--png-folder FOLDER]
//   --png-folder  also writes each picture as PNG there, for looking at them.

#include "resources/banners/BannerNames.h"
#include "window/ProductInfo.h"

#include "PictureToolSupport.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

using kthread::tools::WriteFile;

using namespace kthread::banner;

const QString kFont = QStringLiteral("DejaVu Sans");
const QString kProductName = QString::fromLatin1(kthread::product::kProductLine);

constexpr int kWidth = kPictureWidth;
constexpr int kHeight = kPictureHeight;
// The dark band from this row down; the window draws its text from row 34 to row 50.
constexpr int kBandTop = 31;
// Motifs and the accent line stay this far from the edges, which belong to the strips.
constexpr int kEdgeMargin = 24;
constexpr int kMotifLeft = 214;
// Pixels per metre of 96 dots per inch, as bitmap headers usually state.
constexpr std::uint32_t kPixelsPerMetre = 3780;

enum class Motif { Profile, Wires, Balls, Taper, Scale, Dial };

struct Theme {
    QColor left;   // the picture's left edge, shared within its group
    QColor middle; // the picture's own hue, in the middle of the top part
    QColor accent; // the line above the band and the motif's tint
    Motif motif;
};

const QColor kFirstGroupLeft(26, 58, 88);
const QColor kSecondGroupLeft(56, 46, 82);
const QColor kRightEdge(88, 108, 128);

const std::array<Theme, kBannerCount> kThemes{{
    {kFirstGroupLeft, QColor(42, 94, 120), QColor(128, 204, 226), Motif::Profile},
    {kFirstGroupLeft, QColor(40, 92, 84), QColor(132, 214, 176), Motif::Wires},
    {kFirstGroupLeft, QColor(64, 80, 122), QColor(166, 176, 236), Motif::Balls},
    {kFirstGroupLeft, QColor(82, 94, 68), QColor(206, 204, 138), Motif::Taper},
    {kSecondGroupLeft, QColor(92, 66, 100), QColor(214, 156, 214), Motif::Scale},
    {kSecondGroupLeft, QColor(106, 76, 62), QColor(232, 174, 124), Motif::Dial},
}};

int Fail(const QString& message) {
    std::fprintf(stderr, "kthread_banner_pictures_tool: %s\n", qPrintable(message));
    return 1;
}

bool FontInstalled() {
    return QFontDatabase::families().contains(kFont) && QFontInfo(QFont(kFont)).family() == kFont;
}

QColor Mix(const QColor& from, const QColor& to, double t) {
    const auto channel = [t](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QColor Shaded(const QColor& colour, double factor) {
    return QColor(std::min(255, static_cast<int>(std::lround(colour.red() * factor))),
                  std::min(255, static_cast<int>(std::lround(colour.green() * factor))),
                  std::min(255, static_cast<int>(std::lround(colour.blue() * factor))));
}

// The top part: left edge to the picture's hue to the common right edge, a little lighter at
// the top; the band: a near-black that darkens downwards. Both depend on x only through the
// theme's colours, so the edge columns depend on the group alone.
void PaintBackground(QImage& image, const Theme& theme) {
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (y >= kBandTop) {
            const double depth = static_cast<double>(y - kBandTop) / (kHeight - 1 - kBandTop);
            const QRgb band = Mix(QColor(34, 38, 46), QColor(14, 16, 20), depth).rgb();
            std::fill(line, line + kWidth, band);
            continue;
        }
        const double light = 1.18 - 0.22 * y / (kBandTop - 1);
        for (int x = 0; x < kWidth; ++x) {
            const double t = static_cast<double>(x) / (kWidth - 1);
            // Smooth steps, so the hue swells in the middle and settles at both edges.
            const double s = t < 0.5 ? 2 * t * t : 1 - 2 * (1 - t) * (1 - t);
            const QColor base = t < 0.5 ? Mix(theme.left, theme.middle, s * 2)
                                        : Mix(theme.middle, kRightEdge, s * 2 - 1);
            line[x] = Shaded(base, light).rgb();
        }
    }
}

// A pen that fades in from the left of the motif and out before the right edge.
QPen MotifPen(const QColor& tint, int alpha, double width) {
    QLinearGradient fade(kMotifLeft, 0, kWidth - kEdgeMargin, 0);
    QColor clear = tint;
    clear.setAlpha(0);
    QColor full = tint;
    full.setAlpha(alpha);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.25, full);
    fade.setColorAt(0.85, full);
    fade.setColorAt(1, clear);
    return QPen(QBrush(fade), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush MotifBrush(const QColor& tint, int alpha) {
    return MotifPen(tint, alpha, 1).brush();
}

// A 60-degree thread profile across the motif area, crests at `crest`, roots at `root`.
QPainterPath ProfilePath(double pitch, double crest, double root, double shift = 0) {
    QPainterPath path;
    const double half = pitch / 2;
    path.moveTo(kMotifLeft + shift, root);
    for (double x = kMotifLeft + shift; x < kWidth - kEdgeMargin; x += pitch) {
        path.lineTo(x + half, crest);
        path.lineTo(x + pitch, root);
    }
    return path;
}

void PaintMotif(QPainter& painter, const Theme& theme) {
    const QColor tint = Mix(theme.accent, Qt::white, 0.5);
    // 60-degree flanks: the profile's height is half the pitch over tan 30 degrees.
    const double pitch = 20;
    const double height = pitch / 2 / std::tan(std::numbers::pi / 6);
    switch (theme.motif) {
    case Motif::Profile: {
        painter.setPen(MotifPen(tint, 90, 1.4));
        painter.drawPath(ProfilePath(pitch, 27 - height, 27));
        QPen pitchLine = MotifPen(tint, 60, 1);
        pitchLine.setStyle(Qt::DashLine);
        painter.setPen(pitchLine);
        painter.drawLine(QPointF(kMotifLeft, 27 - height / 2), QPointF(kWidth, 27 - height / 2));
        break;
    }
    case Motif::Wires: {
        painter.setPen(MotifPen(tint, 70, 1.2));
        painter.drawPath(ProfilePath(pitch, 28 - height, 28));
        painter.setPen(MotifPen(tint, 110, 1.2));
        painter.setBrush(MotifBrush(tint, 40));
        // Best-size wires (0.577 P) in every other groove: they touch both flanks with their
        // centre twice their radius above the root.
        const double radius = pitch * 0.577 / 2;
        for (double x = kMotifLeft + 3 * pitch; x < kWidth - kEdgeMargin - pitch; x += 2 * pitch) {
            painter.drawEllipse(QPointF(x, 28 - 2 * radius), radius, radius);
        }
        break;
    }
    case Motif::Balls: {
        QPainterPath wave;
        wave.moveTo(kMotifLeft, 20);
        for (int x = kMotifLeft; x <= kWidth - kEdgeMargin; x += 2) {
            wave.lineTo(x, 20 + 6 * std::sin((x - kMotifLeft) * 2 * std::numbers::pi / 36));
        }
        painter.setPen(MotifPen(tint, 80, 1.3));
        painter.drawPath(wave);
        painter.setPen(MotifPen(tint, 100, 1));
        painter.setBrush(MotifBrush(tint, 50));
        for (int x = kMotifLeft + 45; x < kWidth - kEdgeMargin - 20; x += 72) {
            painter.drawEllipse(QPointF(x, 14), 6.5, 6.5);
        }
        break;
    }
    case Motif::Taper: {
        painter.setPen(MotifPen(tint, 80, 1.2));
        for (int i = 0; i < 4; ++i) {
            const double y = 6 + 6 * i;
            painter.drawLine(QPointF(kMotifLeft, y + (i < 2 ? -3 : 3)),
                             QPointF(kWidth - kEdgeMargin, 15 + (y - 15) * 0.4));
        }
        painter.setPen(MotifPen(tint, 60, 1));
        for (int x = kMotifLeft; x < kWidth - kEdgeMargin; x += 16) {
            painter.drawLine(QPointF(x, 26), QPointF(x + 8, 29));
        }
        break;
    }
    case Motif::Scale: {
        painter.setPen(MotifPen(tint, 110, 1));
        painter.drawLine(QPointF(kMotifLeft, 27.5), QPointF(kWidth - kEdgeMargin, 27.5));
        int tick = 0;
        for (double x = kMotifLeft + 0.5; x < kWidth - kEdgeMargin; x += 6, ++tick) {
            const double length = tick % 10 == 0 ? 16 : (tick % 5 == 0 ? 10 : 5);
            painter.drawLine(QPointF(x, 27.5 - length), QPointF(x, 27.5));
        }
        break;
    }
    case Motif::Dial: {
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < 6; ++i) {
            const double radius = 30 + 16 * i;
            painter.setPen(MotifPen(tint, 100 - 12 * i, 1.2));
            painter.drawEllipse(QPointF(560, 52), radius * 1.7, radius);
        }
        break;
    }
    }
}

void PaintAccentLine(QPainter& painter, const Theme& theme) {
    QLinearGradient fade(kEdgeMargin, 0, kWidth - kEdgeMargin, 0);
    QColor clear = theme.accent;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.15, theme.accent);
    fade.setColorAt(0.6, theme.accent);
    fade.setColorAt(1, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawRect(QRect(kEdgeMargin, kBandTop, kWidth - 2 * kEdgeMargin, 1));
}

void PaintName(QPainter& painter) {
    QFont font(kFont);
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    const QPointF origin(14, 22);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(origin + QPointF(1, 1), kProductName);
    painter.setPen(QColor(250, 252, 255));
    painter.drawText(origin, kProductName);
}

QImage DrawPicture(const Theme& theme) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    PaintBackground(image, theme);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.save();
    painter.setClipRect(QRect(kMotifLeft, 0, kWidth - kMotifLeft - kEdgeMargin, kBandTop));
    PaintMotif(painter, theme);
    painter.restore();
    PaintAccentLine(painter, theme);
    PaintName(painter);
    return image;
}

QImage Column(const QImage& picture, int x) {
    return picture.copy(x, 0, kStripWidth, kHeight);
}

void PutLittle16(QByteArray& bytes, int offset, std::uint16_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}

void PutLittle32(QByteArray& bytes, int offset, std::uint32_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}

// A 24-bit bottom-up Windows bitmap file: file header, information header, rows of blue, green
// and red padded to four bytes, then `trailing` zero bytes counted into the image size.
QByteArray BitmapFile(const QImage& image, int trailing) {
    constexpr int kHeaderSize = 14 + 40;
    const int stride = (image.width() * 3 + 3) / 4 * 4;
    const int pixelBytes = stride * image.height() + trailing;
    QByteArray bytes(kHeaderSize + pixelBytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    PutLittle32(bytes, 10, kHeaderSize);
    PutLittle32(bytes, 14, 40);
    PutLittle32(bytes, 18, static_cast<std::uint32_t>(image.width()));
    PutLittle32(bytes, 22, static_cast<std::uint32_t>(image.height()));
    PutLittle16(bytes, 26, 1);
    PutLittle16(bytes, 28, 24);
    PutLittle32(bytes, 34, static_cast<std::uint32_t>(pixelBytes));
    PutLittle32(bytes, 38, kPixelsPerMetre);
    PutLittle32(bytes, 42, kPixelsPerMetre);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = bytes.data() + kHeaderSize + (rgb.height() - 1 - y) * stride;
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = static_cast<char>(qBlue(line[x]));
            row[3 * x + 1] = static_cast<char>(qGreen(line[x]));
            row[3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
    }
    return bytes;
}

struct Output {
    QString name;
    QImage image;
    int expectedSize;
};

} // namespace

int main(int argc, char** argv) {
    // No display is needed to draw; fonts still need the application's font database.
    kthread::tools::UseOffscreenUnlessSet();
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const std::optional<QString> pngOption = kthread::tools::TakePngFolderOption(arguments);
    if (!pngOption) {
        return Fail(QStringLiteral("--png-folder needs a folder"));
    }
    const QString pngFolder = *pngOption;
    if (arguments.size() != 1) {
        return Fail(QStringLiteral("usage: kthread_banner_pictures_tool FOLDER "
                                   "[--png-folder FOLDER]"));
    }
    if (!FontInstalled()) {
        return Fail(kFont + QStringLiteral(" is not installed (fonts-dejavu-core)"));
    }
    const QDir folder(arguments.first());
    if (!QDir().mkpath(folder.path()) || (!pngFolder.isEmpty() && !QDir().mkpath(pngFolder))) {
        return Fail(QStringLiteral("the output folders cannot be created"));
    }

    std::vector<Output> outputs;
    for (int index = 1; index <= kBannerCount; ++index) {
        outputs.push_back({PictureName(index), DrawPicture(kThemes[index - 1]), kPictureFileSize});
    }
    const QImage& first = outputs.front().image;
    const QImage& fifth = outputs[kLastOfFirstGroup].image;
    outputs.push_back({QLatin1String(kLeftStripFirstGroup), Column(first, 0), kStripFileSize});
    outputs.push_back({QLatin1String(kLeftStrip), Column(fifth, 0), kStripFileSize});
    outputs.push_back(
        {QLatin1String(kRightStrip), Column(first, kWidth - kStripWidth), kStripFileSize});

    for (int index = 1; index <= kBannerCount; ++index) {
        const QImage& picture = outputs[index - 1].image;
        const QImage& left = index <= kLastOfFirstGroup ? outputs[kBannerCount].image
                                                        : outputs[kBannerCount + 1].image;
        if (Column(picture, 0) != left ||
            Column(picture, kWidth - kStripWidth) != outputs.back().image) {
            return Fail(PictureName(index) + QStringLiteral(": its edges leave its strips"));
        }
    }

    for (const Output& output : outputs) {
        const int trailing =
            output.expectedSize - 54 - (output.image.width() * 3 + 3) / 4 * 4 * kHeight;
        const QByteArray file = BitmapFile(output.image, trailing);
        if (file.size() != output.expectedSize) {
            return Fail(output.name + QStringLiteral(": unexpected file size"));
        }
        if (!WriteFile(folder.filePath(output.name + QStringLiteral(".bmp")), file)) {
            return Fail(output.name + QStringLiteral(": cannot be written"));
        }
        if (!pngFolder.isEmpty() &&
            !output.image.save(QDir(pngFolder).filePath(output.name + QStringLiteral(".png")))) {
            return Fail(output.name + QStringLiteral(": the PNG cannot be written"));
        }
    }
    return 0;
}
