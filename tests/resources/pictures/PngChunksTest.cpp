// PNG streams are checked chunk by chunk and lose their text and profile chunks before the image
// reader sees them: whole pictures decode as before, broken chunk structures are load failures.
#include "resources/pictures/PngChunks.h"
#include "resources/pictures/TPicItem.h"

#include "PictureSamples.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace kthread {
namespace {

using testing::SampleData;
using testing::SampleImage;

QByteArray PngWithText() {
    QImage image = SampleImage();
    image.setText(QStringLiteral("Title"), QStringLiteral("figure"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

QByteArray Chunk(const char* type, const QByteArray& data, quint32 claimedLength) {
    QByteArray chunk(4, '\0');
    qToBigEndian(claimedLength, chunk.data());
    chunk.append(type, 4);
    chunk.append(data);
    chunk.append(4, '\0'); // CRC; never checked here
    return chunk;
}

// The stream with a chunk put just before IEND.
QByteArray WithChunkBeforeEnd(const QByteArray& png, const QByteArray& chunk) {
    QByteArray out = png;
    const qsizetype end = out.lastIndexOf("IEND") - 4;
    out.insert(end, chunk);
    return out;
}

QImage Decoded(const QByteArray& png) {
    return TPicItem("x", static_cast<std::uint8_t>(PicKind::Png), png).Graphic();
}

TEST(PngChunks, TextIsDroppedAndThePictureStaysTheSame) {
    const QByteArray png = PngWithText();
    ASSERT_TRUE(png.contains("tEXt"));
    const std::optional<QByteArray> safe = PngWithoutTextChunks(png);
    ASSERT_TRUE(safe);
    EXPECT_FALSE(safe->contains("tEXt"));
    EXPECT_TRUE(safe->contains("IDAT"));
    EXPECT_LT(safe->size(), png.size());
    EXPECT_EQ(Decoded(png).convertToFormat(QImage::Format_RGB32),
              SampleImage().convertToFormat(QImage::Format_RGB32));
    // A stream without such chunks passes unchanged.
    EXPECT_EQ(PngWithoutTextChunks(*safe), safe);
}

TEST(PngChunks, EveryDroppedKindGoesAndOthersStay) {
    QByteArray png = SampleData(PicKind::Png);
    for (const char* type : {"zTXt", "iTXt", "iCCP", "tEXt"}) {
        png = WithChunkBeforeEnd(png, Chunk(type, QByteArray(16, 'x'), 16));
    }
    png = WithChunkBeforeEnd(png, Chunk("prVt", QByteArray(3, 'y'), 3));
    const std::optional<QByteArray> safe = PngWithoutTextChunks(png);
    ASSERT_TRUE(safe);
    for (const char* type : {"zTXt", "iTXt", "iCCP", "tEXt"}) {
        EXPECT_FALSE(safe->contains(type)) << type;
    }
    EXPECT_TRUE(safe->contains("prVt"));
    EXPECT_EQ(*safe, WithChunkBeforeEnd(SampleData(PicKind::Png), Chunk("prVt", "yyy", 3)));
}

// What the fuzzer found: a text chunk after the image data that claims 2 GB; the reader's
// library took over 2 GB of memory on it.
TEST(PngChunks, AChunkLongerThanTheDataIsALoadFailure) {
    const QByteArray png = SampleData(PicKind::Png);
    const QByteArray hostile = WithChunkBeforeEnd(png, Chunk("tEXt", "Comment", 2046820389U));
    EXPECT_FALSE(PngWithoutTextChunks(hostile));
    EXPECT_TRUE(Decoded(hostile).isNull());
    // The largest length the format allows, and one beyond it.
    EXPECT_FALSE(PngWithoutTextChunks(WithChunkBeforeEnd(png, Chunk("abCd", "", 0x7FFFFFFFU))));
    EXPECT_FALSE(PngWithoutTextChunks(WithChunkBeforeEnd(png, Chunk("abCd", "", 0x80000000U))));
}

TEST(PngChunks, NotAPngOrCutShortIsRefused) {
    const QByteArray png = SampleData(PicKind::Png);
    EXPECT_FALSE(PngWithoutTextChunks(QByteArray()));
    EXPECT_FALSE(PngWithoutTextChunks(png.mid(1)));
    EXPECT_FALSE(PngWithoutTextChunks(png.left(png.size() - 12))); // no IEND
    EXPECT_FALSE(PngWithoutTextChunks(png.left(png.size() - 3)));  // IEND cut
    EXPECT_TRUE(Decoded(png.left(png.size() - 12)).isNull());
    // Bytes after IEND are not read.
    EXPECT_EQ(PngWithoutTextChunks(png + "trailing"), PngWithoutTextChunks(png));
}

} // namespace
} // namespace kthread
