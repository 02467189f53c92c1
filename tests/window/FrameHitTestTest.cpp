// The frame regions of the borderless window as a table over one window size, and the bounds
// a dragged edge gives.
#include "window/FrameHitTest.h"

#include <gtest/gtest.h>

namespace kthread {
namespace {

constexpr QSize kWindow(739, 584);

struct HitCase {
    const char* name;
    QPoint point;
    bool maximised;
    bool onControl;
    FrameHit expected;
};

class FrameHitTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(FrameHitTable, RegionAtPoint) {
    const HitCase& c = GetParam();
    EXPECT_EQ(FrameHitTest(c.point, kWindow, c.maximised, c.onControl), c.expected);
}

// The bottom strip is the last 4 rows (580..583), the left strip the first 4 columns (0..3), the
// right strip the last 4 (735..738); corners reach 10 pixels along an edge, counted as
// x < 10 and x > width - 10 (729).
INSTANTIATE_TEST_SUITE_P(
    Frame, FrameHitTable,
    ::testing::Values(
        HitCase{"BottomLeftCornerOnBottomStrip", {9, 583}, false, false, FrameHit::BottomLeft},
        HitCase{"BottomStripJustPastTheLeftCorner", {10, 583}, false, false, FrameHit::Bottom},
        HitCase{"BottomStripFirstRow", {300, 580}, false, false, FrameHit::Bottom},
        HitCase{"AboveTheBottomStrip", {300, 579}, false, false, FrameHit::Caption},
        HitCase{"BottomStripBeforeTheRightCorner", {729, 583}, false, false, FrameHit::Bottom},
        HitCase{"BottomRightCornerOnBottomStrip", {730, 583}, false, false, FrameHit::BottomRight},
        HitCase{"BottomWinsOverControls", {300, 582}, false, true, FrameHit::Bottom},
        HitCase{"TopLeftCorner", {0, 0}, false, false, FrameHit::TopLeft},
        HitCase{"LeftStripLastTopCornerRow", {3, 9}, false, false, FrameHit::TopLeft},
        HitCase{"LeftEdge", {3, 10}, false, false, FrameHit::Left},
        HitCase{"LeftEdgeLowest", {0, 574}, false, false, FrameHit::Left},
        HitCase{"LeftStripBottomCorner", {0, 575}, false, false, FrameHit::BottomLeft},
        HitCase{"JustRightOfTheLeftStrip", {4, 300}, false, false, FrameHit::Caption},
        HitCase{"TopRightCorner", {738, 0}, false, false, FrameHit::TopRight},
        HitCase{"RightStripFirstColumn", {735, 300}, false, false, FrameHit::Right},
        HitCase{"JustLeftOfTheRightStrip", {734, 300}, false, true, FrameHit::Client},
        HitCase{"RightStripBottomCorner", {738, 575}, false, false, FrameHit::BottomRight},
        HitCase{"NoTopStrip", {300, 0}, false, false, FrameHit::Caption},
        HitCase{"NoTopStripOverAControl", {300, 1}, false, true, FrameHit::Client},
        HitCase{"BareAreaIsCaption", {300, 300}, false, false, FrameHit::Caption},
        HitCase{"ControlIsClient", {300, 300}, false, true, FrameHit::Client},
        HitCase{"MaximisedCornerIsClient", {0, 583}, true, false, FrameHit::Client},
        HitCase{"MaximisedEdgeIsClient", {738, 300}, true, false, FrameHit::Client},
        HitCase{"MaximisedBareAreaIsNoCaption", {300, 300}, true, false, FrameHit::Client},
        HitCase{"OutsideLeft", {-1, 300}, false, false, FrameHit::Client},
        HitCase{"OutsideBelow", {300, 584}, false, false, FrameHit::Client}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return std::string(info.param.name); });

TEST(FrameHitTest, ResizeRegionsMoveTheirEdgesAndCaptionNone) {
    EXPECT_EQ(ResizeEdgesOf(FrameHit::Left), Qt::Edges(Qt::LeftEdge));
    EXPECT_EQ(ResizeEdgesOf(FrameHit::Bottom), Qt::Edges(Qt::BottomEdge));
    EXPECT_EQ(ResizeEdgesOf(FrameHit::TopRight), Qt::TopEdge | Qt::RightEdge);
    EXPECT_EQ(ResizeEdgesOf(FrameHit::BottomLeft), Qt::BottomEdge | Qt::LeftEdge);
    EXPECT_FALSE(ResizeEdgesOf(FrameHit::Caption));
    EXPECT_FALSE(ResizeEdgesOf(FrameHit::Client));
    EXPECT_EQ(CursorOf(FrameHit::TopLeft), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorOf(FrameHit::BottomLeft), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorOf(FrameHit::Caption), Qt::ArrowCursor);
}

struct ResizeCase {
    const char* name;
    Qt::Edges edges;
    QPoint delta;
    QRect expected;
};

class ResizeTable : public ::testing::TestWithParam<ResizeCase> {};

const QRect kStart(100, 50, 800, 600);
constexpr QSize kMinimum(739, 584);

TEST_P(ResizeTable, BoundsAfterDrag) {
    const ResizeCase& c = GetParam();
    EXPECT_EQ(ResizedBounds(kStart, c.edges, c.delta, kMinimum), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drag, ResizeTable,
    ::testing::Values(
        ResizeCase{"RightGrows", Qt::RightEdge, {40, 99}, {100, 50, 840, 600}},
        ResizeCase{"BottomGrows", Qt::BottomEdge, {7, 30}, {100, 50, 800, 630}},
        ResizeCase{"LeftGrowsKeepingTheRightEdge", Qt::LeftEdge, {-20, 0}, {80, 50, 820, 600}},
        ResizeCase{"LeftStopsAtTheMinimumWidth", Qt::LeftEdge, {200, 0}, {161, 50, 739, 600}},
        ResizeCase{"RightStopsAtTheMinimumWidth", Qt::RightEdge, {-500, 0}, {100, 50, 739, 600}},
        ResizeCase{
            "TopLeftCornerBothWays", Qt::TopEdge | Qt::LeftEdge, {-10, -5}, {90, 45, 810, 605}},
        ResizeCase{"TopStopsAtTheMinimumHeight",
                   Qt::TopEdge | Qt::RightEdge,
                   {0, 100},
                   {100, 66, 800, 584}},
        ResizeCase{"BottomRightCornerShrinksToTheMinimum",
                   Qt::BottomEdge | Qt::RightEdge,
                   {-100, -100},
                   {100, 50, 739, 584}}),
    [](const ::testing::TestParamInfo<ResizeCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kthread
