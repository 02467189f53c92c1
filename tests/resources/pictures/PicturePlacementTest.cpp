// Where a picture is drawn in its box.
#include "resources/pictures/PicturePlacement.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>
#include <string>

namespace kthread {
namespace {

struct PlacementCase {
    const char* name;
    int boxWidth, boxHeight, pictureWidth, pictureHeight;
    PictureRect expected;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, PlacesThePicture) {
    const PlacementCase& c = GetParam();
    const std::optional<PictureRect> placed =
        PlacePicture(c.boxWidth, c.boxHeight, c.pictureWidth, c.pictureHeight);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->x, c.expected.x);
    EXPECT_EQ(placed->y, c.expected.y);
    EXPECT_EQ(placed->width, c.expected.width);
    EXPECT_EQ(placed->height, c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementTest,
    ::testing::Values(
        // The designed box and the 600 x 600 figures.
        PlacementCase{"DesignedBox", 359, 438, 600, 600, {0, 39, 359, 359}},
        PlacementCase{"WideBoxFitsHeightAndCentres", 800, 400, 600, 600, {200, 0, 400, 400}},
        PlacementCase{"WideBoxOddSpaceTruncates", 801, 400, 600, 600, {200, 0, 400, 400}},
        PlacementCase{"SmallPictureCentredUnscaled", 400, 300, 100, 50, {150, 125, 100, 50}},
        PlacementCase{"SmallPictureOddSpace", 401, 301, 100, 50, {150, 125, 100, 50}},
        PlacementCase{"OnlyTooHighFitsHeight", 500, 300, 200, 600, {200, 0, 100, 300}},
        PlacementCase{"OnlyTooWideFitsWidth", 300, 500, 600, 200, {0, 200, 300, 100}},
        PlacementCase{"ExactlyAsHighCountsAsTooHigh", 500, 300, 200, 300, {150, 0, 200, 300}},
        PlacementCase{"ExactlyAsWideCountsAsTooWide", 300, 500, 300, 200, {0, 150, 300, 200}},
        PlacementCase{"SameSizeFillsTheBox", 359, 438, 359, 438, {0, 0, 359, 438}},
        PlacementCase{"TooLargeTallerFitsHeight", 400, 300, 600, 600, {50, 0, 300, 300}},
        PlacementCase{"EqualRatiosFitWidth", 300, 200, 600, 400, {0, 0, 300, 200}},
        // nearest() sends halves to the even neighbour: 2.5 -> 2, 3.5 -> 4, 1.5 -> 2.
        PlacementCase{"HalfRoundsDownToEven", 5, 4, 10, 5, {0, 1, 5, 2}},
        PlacementCase{"HalfRoundsUpToEven", 7, 5, 14, 7, {0, 0, 7, 4}},
        PlacementCase{"HalfOfFitHeightToEven", 4, 3, 3, 6, {1, 0, 2, 3}},
        PlacementCase{"NearestRoundsUp", 5, 3, 9, 5, {0, 0, 5, 3}},   // 2.78
        PlacementCase{"NearestRoundsDown", 5, 3, 9, 4, {0, 0, 5, 2}}, // 2.22
        // Products beyond 32 bits: 50000 * 50000 / 60000 = 41666.67.
        PlacementCase{"LargeProducts", 50000, 50000, 60000, 50000, {0, 4166, 50000, 41667}}),
    kthread::test::RowName());

TEST(PlacementTest, NothingForAnEmptyBoxOrPicture) {
    EXPECT_FALSE(PlacePicture(0, 438, 600, 600));
    EXPECT_FALSE(PlacePicture(359, 0, 600, 600));
    EXPECT_FALSE(PlacePicture(359, 438, 0, 600));
    EXPECT_FALSE(PlacePicture(359, 438, 600, -1));
}

} // namespace
} // namespace kthread
