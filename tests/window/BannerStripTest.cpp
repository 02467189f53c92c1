// The banner strip's rules: the order of the banners, their texts and left strips, how long a
// text stays and where the parts go on strips narrower and wider than the pictures.
#include "window/BannerStrip.h"

#include "resources/banners/BannerNames.h"

#include <gtest/gtest.h>

namespace kthread::banner {
namespace {

// Ticks from a text's start at `stripWidth` until the tick that loads the next banner.
int TicksShown(int stripWidth, int textWidth) {
    int textX = stripWidth;
    int ticks = 1;
    while (ScrollText(textX, textWidth) == TickOutcome::Repaint) {
        ++ticks;
    }
    return ticks;
}

TEST(BannerStrip, BannersFollowInACycleOfSix) {
    int index = 1;
    std::vector<int> shown;
    for (int step = 0; step < 13; ++step) {
        shown.push_back(index);
        index = NextBanner(index);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1}));
}

TEST(BannerStrip, EachBannerHasItsPictureTextAndLeftStrip) {
    struct Row {
        int index;
        const char* picture;
        int text;
        const char* leftStrip;
    };
    for (const Row& row :
         {Row{1, "B_1", 100, "B_L_1"}, Row{2, "B_2", 101, "B_L_1"}, Row{3, "B_3", 102, "B_L_1"},
          Row{4, "B_4", 103, "B_L_1"}, Row{5, "B_5", 104, "B_L"}, Row{6, "B_6", 105, "B_L"}}) {
        SCOPED_TRACE(row.index);
        EXPECT_TRUE(IsBanner(row.index));
        EXPECT_EQ(PictureName(row.index), QLatin1String(row.picture));
        EXPECT_EQ(TextNumber(row.index), row.text);
        EXPECT_EQ(LeftStripName(row.index), QLatin1String(row.leftStrip));
    }
    EXPECT_FALSE(IsBanner(0));
    EXPECT_FALSE(IsBanner(7));
}

TEST(BannerStrip, ATextStaysOneTickLongerThanStripAndTextTogether) {
    EXPECT_EQ(TicksShown(731, 300), 731 + 300 + 1);
    // An empty text: the next banner follows one tick after the strip's width.
    EXPECT_EQ(TicksShown(731, 0), 732);
    EXPECT_EQ(TicksShown(1200, 1480), 2681);
}

TEST(BannerStrip, TheTextMovesOnePixelPerTick) {
    int textX = 731;
    EXPECT_EQ(ScrollText(textX, 300), TickOutcome::Repaint);
    EXPECT_EQ(textX, 730);
    textX = -299;
    EXPECT_EQ(ScrollText(textX, 300), TickOutcome::Repaint); // its last column is still shown
    EXPECT_EQ(ScrollText(textX, 300), TickOutcome::NextBanner);
    EXPECT_EQ(textX, -301);
}

TEST(BannerStrip, APictureWiderThanTheStripStartsAtItsLeftEdge) {
    for (const int width : {731, 772, 773}) {
        SCOPED_TRACE(width);
        const BannerPlacement placement = PlaceBanner(QSize(width, 60), kPictureWidth, width);
        EXPECT_EQ(placement.picture, QPoint(0, 0));
        EXPECT_EQ(placement.left, QRect(0, 0, width / 2, 60));
        EXPECT_EQ(placement.right.left(), width / 2);
        EXPECT_EQ(placement.right.right(), width - 1);
    }
}

TEST(BannerStrip, ANarrowerPictureIsCentredBetweenTheStretchedStrips) {
    struct Row {
        int width;
        int pictureX;
    };
    for (const Row& row : {Row{774, 0}, Row{775, 1}, Row{1000, 113}, Row{1920, 573}}) {
        SCOPED_TRACE(row.width);
        const BannerPlacement placement = PlaceBanner(QSize(row.width, 60), kPictureWidth, 0);
        EXPECT_EQ(placement.picture, QPoint(row.pictureX, 0));
        EXPECT_EQ(placement.left.width() + placement.right.width(), row.width);
        EXPECT_EQ(placement.left.width(), row.width / 2);
    }
}

TEST(BannerStrip, TheTextRunsInTheBandUpToItsRightLimit) {
    EXPECT_EQ(PlaceBanner(QSize(731, 60), kPictureWidth, 731).text, QRect(731, 34, 1269, 16));
    EXPECT_EQ(PlaceBanner(QSize(731, 60), kPictureWidth, -120).text, QRect(-120, 34, 2120, 16));
    // A strip wider than the limit: the text shows only once it has moved left of it.
    EXPECT_TRUE(PlaceBanner(QSize(2400, 60), kPictureWidth, 2400).text.isEmpty());
    EXPECT_EQ(PlaceBanner(QSize(2400, 60), kPictureWidth, 1999).text.width(), 1);
}

} // namespace
} // namespace kthread::banner
