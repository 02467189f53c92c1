// One picture's "Data" property: its exact layout, decoding by kind, and cut or odd input.
#include "PictureSamples.h"
#include "resources/pictures/TPicItem.h"
#include "support/TestNames.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <string>

namespace kthread {
namespace {

using testing::SampleData;
using testing::SampleImage;

constexpr auto kKindOffset = TPicItem::kNameSize;
constexpr auto kLengthOffset = TPicItem::kNameSize + 1;

std::uint8_t KindByte(PicKind kind) {
    return static_cast<std::uint8_t>(kind);
}

// A property as the layout describes it, built byte by byte rather than by the writer.
QByteArray Property(const QByteArray& name, std::uint8_t kind, std::int32_t length,
                    const QByteArray& data) {
    QByteArray property(TPicItem::kHeaderSize, '\0');
    property.replace(0, name.size(), name);
    property[kKindOffset] = static_cast<char>(kind);
    qToLittleEndian(length, property.data() + kLengthOffset);
    return property + data;
}

struct KindCase {
    const char* name;
    PicKind kind;
    bool lossless;
};

class PicItemKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(PicItemKindTest, WritesTheLayoutAndReadsItBackUnchanged) {
    const KindCase& c = GetParam();
    const QByteArray data = SampleData(c.kind);
    ASSERT_FALSE(data.isEmpty());
    const TPicItem item("ExtCyl_3w", KindByte(c.kind), data);
    ASSERT_TRUE(item.HasGraphic()) << "no reader for " << c.name;
    EXPECT_EQ(item.Graphic().size(), SampleImage().size());

    const std::optional<QByteArray> property = item.WriteData();
    ASSERT_TRUE(property);
    EXPECT_EQ(*property, Property("ExtCyl_3w", KindByte(c.kind),
                                  static_cast<std::int32_t>(data.size()), data));

    const std::optional<TPicItem> read = TPicItem::ReadData(*property);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Name(), QByteArray("ExtCyl_3w"));
    EXPECT_EQ(read->Kind(), KindByte(c.kind));
    EXPECT_EQ(read->Data(), data);
    ASSERT_TRUE(read->HasGraphic());
    EXPECT_EQ(read->Graphic().size(), SampleImage().size());
    if (c.lossless) {
        EXPECT_EQ(read->Graphic().convertToFormat(QImage::Format_RGB32), SampleImage());
    } else {
        // JPEG keeps the colours only roughly.
        const QColor corner = read->Graphic().pixelColor(0, 0);
        EXPECT_GT(corner.red(), corner.blue());
    }
    EXPECT_EQ(read->WriteData(), property);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PicItemKindTest,
                         ::testing::Values(KindCase{"Bitmap", PicKind::Bitmap, true},
                                           KindCase{"Jpeg", PicKind::Jpeg, false},
                                           KindCase{"Gif", PicKind::Gif, true},
                                           KindCase{"Png", PicKind::Png, true}),
                         kthread::test::RowName());

struct OddKindCase {
    const char* name;
    std::uint8_t kind;
    bool graphic;
};

class PicItemOddKindTest : public ::testing::TestWithParam<OddKindCase> {};

// Only the low 7 bits of the kind select the class; a metafile and unknown classes give no
// graphic, and an item without graphic has no property to write.
TEST_P(PicItemOddKindTest, SelectsTheClassByTheLowSevenBits) {
    const OddKindCase& c = GetParam();
    const QByteArray png = SampleData(PicKind::Png);
    const std::optional<TPicItem> read =
        TPicItem::ReadData(Property("odd", c.kind, static_cast<std::int32_t>(png.size()), png));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Kind(), c.kind);
    EXPECT_EQ(read->Data(), png);
    EXPECT_EQ(read->HasGraphic(), c.graphic);
    EXPECT_EQ(read->WriteData().has_value(), c.graphic);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PicItemOddKindTest,
                         ::testing::Values(OddKindCase{"NoClass", 0, false},
                                           OddKindCase{"Metafile", 5, false},
                                           OddKindCase{"FirstUnknown", 6, false},
                                           OddKindCase{"LastUnknown", 0x7F, false},
                                           OddKindCase{"PngWithHighBit", 0x84, true},
                                           OddKindCase{"MetafileWithHighBit", 0x85, false}),
                         kthread::test::RowName());

TEST(PicItemTest, DataOfAnotherFormatThanItsKindGivesNoGraphic) {
    EXPECT_FALSE(TPicItem("x", KindByte(PicKind::Jpeg), SampleData(PicKind::Png)).HasGraphic());
    EXPECT_FALSE(TPicItem("x", KindByte(PicKind::Gif), SampleData(PicKind::Bitmap)).HasGraphic());
    EXPECT_FALSE(TPicItem("x", KindByte(PicKind::Png), "not a picture").HasGraphic());
    QByteArray cut = SampleData(PicKind::Png);
    cut.chop(cut.size() / 2);
    EXPECT_FALSE(TPicItem("x", KindByte(PicKind::Png), cut).HasGraphic());
}

TEST(PicItemTest, AGraphicTooLargeToDecodeGivesNoGraphic) {
    // 32-bit pixels: 2800 x 2800 stays below the limit, 3000 x 3000 goes beyond it.
    const auto encoded = [](int side) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::white);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        return bytes;
    };
    EXPECT_TRUE(TPicItem("x", KindByte(PicKind::Png), encoded(2800)).HasGraphic());
    EXPECT_FALSE(TPicItem("x", KindByte(PicKind::Png), encoded(3000)).HasGraphic());
}

TEST(PicItemTest, ACutPropertyIsRefusedAtEveryLength) {
    const QByteArray gif = SampleData(PicKind::Gif);
    const QByteArray property =
        Property("ExtTap_2w", KindByte(PicKind::Gif), static_cast<std::int32_t>(gif.size()), gif);
    for (qsizetype length = 0; length < property.size(); ++length) {
        EXPECT_FALSE(TPicItem::ReadData(property.first(length))) << length;
    }
    EXPECT_TRUE(TPicItem::ReadData(property));
}

TEST(PicItemTest, ALengthBeyondTheDataIsRefused) {
    const QByteArray gif = SampleData(PicKind::Gif);
    EXPECT_FALSE(TPicItem::ReadData(
        Property("x", KindByte(PicKind::Gif), static_cast<std::int32_t>(gif.size()) + 1, gif)));
    EXPECT_FALSE(TPicItem::ReadData(Property("x", KindByte(PicKind::Gif), INT32_MAX, gif)));
}

TEST(PicItemTest, BytesAfterTheGraphicAreNotPartOfTheItem) {
    const QByteArray gif = SampleData(PicKind::Gif);
    const std::optional<TPicItem> read = TPicItem::ReadData(
        Property("x", KindByte(PicKind::Gif), static_cast<std::int32_t>(gif.size()), gif) +
        "trailing");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data(), gif);
    EXPECT_TRUE(read->HasGraphic());
}

TEST(PicItemTest, ALengthOfZeroOrBelowGivesAnItemWithoutGraphic) {
    for (const std::int32_t length : {0, -1, INT32_MIN}) {
        const std::optional<TPicItem> read =
            TPicItem::ReadData(Property("empty", KindByte(PicKind::Png), length, "xyz"));
        ASSERT_TRUE(read) << length;
        EXPECT_EQ(read->Name(), QByteArray("empty"));
        EXPECT_TRUE(read->Data().isEmpty());
        EXPECT_FALSE(read->HasGraphic());
        EXPECT_FALSE(read->WriteData());
    }
}

TEST(PicItemTest, NamesEndAtTheirZeroByteOrFillTheField) {
    const QByteArray png = SampleData(PicKind::Png);
    const auto length = static_cast<std::int32_t>(png.size());

    QByteArray afterZero = Property("Int", KindByte(PicKind::Png), length, png);
    afterZero.replace(4, 3, "Cyl"); // behind the name's zero byte
    EXPECT_EQ(TPicItem::ReadData(afterZero)->Name(), QByteArray("Int"));

    const QByteArray full(TPicItem::kNameSize, 'n');
    EXPECT_EQ(TPicItem::ReadData(Property(full, KindByte(PicKind::Png), length, png))->Name(),
              full);

    // Written back, a name keeps room for its zero byte; 8-bit characters stay as they are.
    const QByteArray written = *TPicItem(full, KindByte(PicKind::Png), png).WriteData();
    EXPECT_EQ(written.first(TPicItem::kNameSize - 1), full.first(TPicItem::kNameSize - 1));
    EXPECT_EQ(written[TPicItem::kNameSize - 1], '\0');
    const QByteArray latin("Gr\xf6\xdf"
                           "e");
    EXPECT_EQ(TPicItem::ReadData(*TPicItem(latin, KindByte(PicKind::Png), png).WriteData())->Name(),
              latin);
}

} // namespace
} // namespace kthread
