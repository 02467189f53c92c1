// The banner resources built into the program: each unpacks to a 24-bit Windows bitmap file of
// the stated size, and the strips continue the pictures' edges, so a strip stretched beside a
// centred picture shows no seam.
#include "resources/banners/BannerResource.h"
#include "resources/banners/BannerNames.h"

#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace kthread {
namespace {

struct Expected {
    QString name;
    int width;
    int fileSize;
};

std::vector<Expected> EveryResource() {
    std::vector<Expected> all;
    for (int index = 1; index <= banner::kBannerCount; ++index) {
        all.push_back(
            {banner::PictureName(index), banner::kPictureWidth, banner::kPictureFileSize});
    }
    for (const char* strip :
         {banner::kLeftStrip, banner::kLeftStripFirstGroup, banner::kRightStrip}) {
        all.push_back({QLatin1String(strip), banner::kStripWidth, banner::kStripFileSize});
    }
    return all;
}

template <typename T> T Field(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

QImage Unpacked(const QString& name) {
    QImage image;
    EXPECT_TRUE(UnpackResource(name, image)) << name.toStdString();
    return image;
}

QImage Column(const QImage& image, int x) {
    return image.copy(x, 0, 1, image.height());
}

TEST(BannerResource, EveryResourceUnpacksToA24BitBitmapFileOfItsSize) {
    for (const Expected& expected : EveryResource()) {
        SCOPED_TRACE(expected.name.toStdString());
        const std::optional<QByteArray> file = UnpackedResource(expected.name);
        ASSERT_TRUE(file.has_value());
        ASSERT_EQ(file->size(), expected.fileSize);
        EXPECT_EQ(file->left(2), QByteArray("BM"));
        EXPECT_EQ(Field<quint32>(*file, 2), static_cast<quint32>(expected.fileSize));
        EXPECT_EQ(Field<quint32>(*file, 10), 54u); // pixels right after the two headers
        EXPECT_EQ(Field<quint32>(*file, 14), 40u);
        EXPECT_EQ(Field<qint32>(*file, 18), expected.width);
        EXPECT_EQ(Field<qint32>(*file, 22), banner::kPictureHeight); // rows bottom-up
        EXPECT_EQ(Field<quint16>(*file, 26), 1u);
        EXPECT_EQ(Field<quint16>(*file, 28), 24u);
        EXPECT_EQ(Field<quint32>(*file, 30), 0u); // uncompressed

        const QImage image = Unpacked(expected.name);
        EXPECT_EQ(image.size(), QSize(expected.width, banner::kPictureHeight));
    }
}

TEST(BannerResource, StripsContinueThePicturesEdges) {
    const QImage right = Unpacked(QLatin1String(banner::kRightStrip));
    for (int index = 1; index <= banner::kBannerCount; ++index) {
        SCOPED_TRACE(index);
        const QImage picture = Unpacked(banner::PictureName(index));
        EXPECT_EQ(Column(picture, 0), Unpacked(banner::LeftStripName(index)));
        EXPECT_EQ(Column(picture, banner::kPictureWidth - 1), right);
    }
    // The two groups' left edges differ, or the choice of strip would not show.
    EXPECT_NE(Unpacked(QLatin1String(banner::kLeftStrip)),
              Unpacked(QLatin1String(banner::kLeftStripFirstGroup)));
}

TEST(BannerResource, TheSixPicturesDiffer) {
    for (int a = 1; a <= banner::kBannerCount; ++a) {
        for (int b = a + 1; b <= banner::kBannerCount; ++b) {
            EXPECT_NE(Unpacked(banner::PictureName(a)), Unpacked(banner::PictureName(b)))
                << a << " and " << b;
        }
    }
}

TEST(BannerResource, AMissingResourceLeavesTheTargetAsItWas) {
    QImage target(3, 2, QImage::Format_RGB32);
    target.fill(Qt::red);
    const QImage before = target;
    EXPECT_FALSE(UnpackResource(QStringLiteral("B_7"), target));
    EXPECT_FALSE(UnpackedResource(QStringLiteral("B_7")).has_value());
    EXPECT_EQ(target, before);
}

} // namespace
} // namespace kthread
