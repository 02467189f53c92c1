// A holder's data as a whole: items in order, items without graphic, lookup by name, and data
// cut anywhere.
#include "PictureSamples.h"
#include "resources/pictures/TPicHolder.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace kthread {
namespace {

using testing::SampleData;

std::uint8_t KindByte(PicKind kind) {
    return static_cast<std::uint8_t>(kind);
}

void Fill(TPicHolder& holder) {
    holder.Pictures() = {
        TPicItem("ExtCyl_3w", KindByte(PicKind::Png), SampleData(PicKind::Png)),
        TPicItem("no graphic", KindByte(PicKind::Metafile), "metafile bytes"),
        TPicItem("IntCyl_Perp", KindByte(PicKind::Gif), SampleData(PicKind::Gif)),
        TPicItem("extcyl_3w", KindByte(PicKind::Jpeg), SampleData(PicKind::Jpeg)),
        TPicItem("ExtCyl_3w", KindByte(PicKind::Bitmap), SampleData(PicKind::Bitmap)),
    };
}

TEST(PicHolderTest, SavedDataLoadsBackItemForItem) {
    TPicHolder holder;
    Fill(holder);
    const QByteArray data = holder.Save();

    TPicHolder loaded;
    ASSERT_TRUE(loaded.Load(data));
    ASSERT_EQ(loaded.Pictures().size(), holder.Pictures().size());
    for (std::size_t i = 0; i < holder.Pictures().size(); ++i) {
        const TPicItem& before = holder.Pictures()[i];
        const TPicItem& after = loaded.Pictures()[i];
        EXPECT_EQ(after.HasGraphic(), before.HasGraphic()) << i;
        if (before.HasGraphic()) {
            EXPECT_EQ(after.Name(), before.Name()) << i;
            EXPECT_EQ(after.Kind(), before.Kind()) << i;
            EXPECT_EQ(after.Data(), before.Data()) << i;
        } else {
            // Without graphic an item has no property: nothing of it is kept but its place.
            EXPECT_TRUE(after.Name().isEmpty());
        }
    }
    EXPECT_EQ(loaded.Save(), data);
}

TEST(PicHolderTest, AnItemWithoutGraphicIsACountOfZero) {
    TPicHolder holder;
    holder.Pictures() = {TPicItem("none", KindByte(PicKind::Png), {})};
    EXPECT_EQ(holder.Save(), QByteArray(4, '\0'));
}

TEST(PicHolderTest, LookupIsExactAndFindsTheFirstOfEqualNames) {
    TPicHolder holder;
    Fill(holder);
    const TPicItem* first = holder.Find("ExtCyl_3w");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Kind(), KindByte(PicKind::Png));
    ASSERT_NE(holder.Find("extcyl_3w"), nullptr);
    EXPECT_EQ(holder.Find("extcyl_3w")->Kind(), KindByte(PicKind::Jpeg));
    EXPECT_NE(holder.Find("IntCyl_Perp"), nullptr);
    for (const char* missing : {"IntCyl_", "ExtCyl_3w ", "ExtCyl", "EXTCYL_3W", "IntCyl_perp"}) {
        EXPECT_EQ(holder.Find(missing), nullptr) << missing;
    }
}

TEST(PicHolderTest, DataCutAnywhereIsRefusedAndLeavesNoPictures) {
    TPicHolder source;
    Fill(source);
    const QByteArray data = source.Save();
    TPicHolder holder;
    for (qsizetype length = 1; length < data.size(); ++length) {
        Fill(holder);
        const bool loaded = holder.Load(QByteArrayView(data).first(length));
        // Only a cut right after an item leaves whole items; it then reads as fewer of them.
        if (loaded) {
            EXPECT_LT(holder.Pictures().size(), source.Pictures().size()) << length;
        } else {
            EXPECT_TRUE(holder.Pictures().empty()) << length;
        }
    }
    EXPECT_TRUE(holder.Load({}));
    EXPECT_TRUE(holder.Pictures().empty());
}

TEST(PicHolderTest, ANegativeOrOversizedCountIsRefused) {
    TPicHolder holder;
    for (const std::int32_t count : {-1, INT32_MIN, 10, INT32_MAX}) {
        QByteArray data(4, '\0');
        qToLittleEndian(count, data.data());
        data += "abcd";
        EXPECT_FALSE(holder.Load(data)) << count;
    }
}

TEST(PicHolderTest, AnUnreadableFileLoadsNothing) {
    TPicHolder holder;
    Fill(holder);
    QTemporaryDir dir;
    EXPECT_FALSE(holder.LoadFile(dir.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(holder.Pictures().empty());
}

} // namespace
} // namespace kthread
